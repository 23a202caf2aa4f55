#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "fixture.h"
#include "frm_cities.h"
#include "job_file.h"
#include "tests.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

using namespace vevi;

namespace {

// The boxes in the order of a job file's inputs.
const QStringList kBoxes = {"txtIndoorTemp",      "txtOutdoorTemp",      "txtBaroPress",
                            "txtDrawThruDisTemp", "txtDrawThruTempRise", "txtDrawThruFanCapacity",
                            "txtBloThruDisTemp",  "txtBloThruTempRise",  "txtBloThruFanCapacity"};

QStringList Texts(const Fixture& f) {
    QStringList texts;
    for (const QString& name : kBoxes) texts << f.B(qPrintable(name))->text();
    return texts;
}

void Put(const Fixture& f, const QStringList& texts) {
    for (qsizetype i = 0; i < kBoxes.size(); ++i) f.B(qPrintable(kBoxes[i]))->PutText(texts[i]);
}

// Every result value label and its text.
QMap<QString, QString> Values(const Fixture& f) {
    QMap<QString, QString> values;
    for (QLabel* label : f.w->findChildren<QLabel*>())
        if (label->objectName().startsWith("lbl")) values[label->objectName()] = label->text();
    return values;
}

void Open(Fixture& f, const QString& path) {
    f.prompts.files = {path};
    f.A("mnuOpenJob")->trigger();
}

void Save(Fixture& f, const QString& path) {
    f.prompts.files = {path};
    f.A("mnuSaveJob")->trigger();
}

// A job file of nine texts, in the order of kBoxes, and a place.
QByteArray JobJson(const QStringList& texts, const QString& region = {},
                   const QString& place = {}) {
    QJsonObject inputs;
    for (qsizetype i = 0; i < texts.size(); ++i)
        inputs.insert(JobInputKey(kJobFields[static_cast<std::size_t>(i)]), texts[i]);
    QJsonObject root{{"format", "vevi-job"}, {"version", 1}, {"inputs", inputs}};
    if (!region.isEmpty()) root.insert("place", QJsonObject{{"region", region}, {"place", place}});
    return QJsonDocument(root).toJson();
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kOther = {"70", "-5", "1200", "150", "100", "9000", "155", "120", "8000"};

QStringList RecentCaptions(const Fixture& f) {
    QStringList captions;
    for (QAction* a : f.w->findChild<QMenu*>("mnuRecentJobs")->actions()) captions << a->text();
    return captions;
}

}  // namespace

void TestJobs::fileMenu() {
    Fixture f(settings_);
    const QList<QAction*> items = f.w->findChild<QMenu*>("mnuFile")->actions();
    QVERIFY(items.size() >= 7);
    QCOMPARE(items[0], f.A("mnuOpenJob"));
    QCOMPARE(items[0]->text(), QString("&Open Job\u2026"));
    QCOMPARE(items[0]->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(items[1], f.A("mnuSaveJob"));
    QCOMPARE(items[1]->text(), QString("&Save Job As\u2026"));
    QCOMPARE(items[1]->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(items[2], f.A("mnuRecentJobs"));
    QCOMPARE(items[2]->text(), QString("Recent &Jobs"));
    QVERIFY(!items[2]->isEnabled());  // nothing opened or saved yet
    QVERIFY(items[3]->isSeparator());
    // The documented items follow, in their order.
    QStringList documented;
    for (QAction* a : items.mid(4))
        if (QStringList{"mnuPrintGraphics", "mnuPrintFormulas", "mnuExit"}.contains(
                a->objectName()))
            documented << a->objectName();
    QCOMPARE(documented, (QStringList{"mnuPrintGraphics", "mnuPrintFormulas", "mnuExit"}));
}

void TestJobs::roundTrip_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("numbers") << kOther;
    QTest::newRow("blanks, &H and exponents")
        << QStringList{" 68 ", "&H5", "1e3", "&H8C", "1e2", "9 000", " 150", "1E2", "9000 "};
    QTest::newRow("non-ASCII") << QStringList{"65\u00B0F",      "0\u00B0",    "610 \u2248",
                                              "140 \u00B0F",    "110",        "10000",
                                              "160 \U0001F525", "160 \u00B1", "10000"};
}

// Saved and opened again in another window, the texts and the results are the same.
void TestJobs::roundTrip() {
    QFETCH(QStringList, texts);
    QTemporaryDir dir;
    const QString path = dir.filePath("round trip.vevi");
    QMap<QString, QString> results;
    {
        Fixture f(settings_);
        Put(f, texts);
        QCOMPARE(Texts(f), texts);  // each fits its box
        f.Go();
        QCOMPARE(f.Shown(), 1);
        results = Values(f);
        f.Go();
        Save(f, path);
        QVERIFY(f.prompts.Warnings().isEmpty());
    }
    Fixture g(settings_);
    Open(g, path);
    QVERIFY(g.prompts.Warnings().isEmpty());
    QCOMPARE(Texts(g), texts);
    g.Go();
    QCOMPARE(g.Shown(), 1);
    QCOMPARE(Values(g), results);
}

void TestJobs::openStopsDisplay_data() {
    QTest::addColumn<bool>("sameTexts");  // the job holds exactly what the boxes show
    QTest::newRow("other texts") << false;
    QTest::newRow("the texts on display") << true;
}

void TestJobs::openStopsDisplay() {
    QFETCH(bool, sameTexts);
    QTemporaryDir dir;
    Fixture f(settings_);
    f.Go();
    QCOMPARE(f.Shown(), 1);
    const QStringList job = sameTexts ? Texts(f) : kOther;
    Open(f, WriteFile(dir.filePath("a.vevi"), JobJson(job)));
    QCOMPARE(f.Shown(), 0);
    QVERIFY(!f.Timer1()->isActive());
    QCOMPARE(f.Btn("cmdGo")->text(), QString("Fire 'em up"));
    QVERIFY(!f.Btn("cmdShowFormulas")->isVisibleTo(f.w.get()));
    QCOMPARE(Texts(f), job);  // the limits are the job's, not those the stop put back
}

void TestJobs::longTextsCut_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    const QString all = "12345678901234567890";
    QTest::newRow("indoor") << "txtIndoorTemp" << all.left(5);
    QTest::newRow("outdoor") << "txtOutdoorTemp" << all.left(3);
    QTest::newRow("elevation") << "txtBaroPress" << all.left(6);
    QTest::newRow("Draw Thru discharge") << "txtDrawThruDisTemp" << all;
    QTest::newRow("Draw Thru rise") << "txtDrawThruTempRise" << all.left(3);
    QTest::newRow("Draw Thru capacity") << "txtDrawThruFanCapacity" << all.left(7);
    QTest::newRow("Blow Thru discharge") << "txtBloThruDisTemp" << all;
    QTest::newRow("Blow Thru rise") << "txtBloThruTempRise" << all;
    QTest::newRow("Blow Thru capacity") << "txtBloThruFanCapacity" << all.left(6);
}

void TestJobs::longTextsCut() {
    QFETCH(QString, box);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    Fixture f(settings_);
    Open(f, WriteFile(dir.filePath("long.vevi"),
                      JobJson(QStringList(kBoxes.size(), "12345678901234567890"))));
    QCOMPARE(f.B(qPrintable(box))->text(), expected);
    QVERIFY(f.prompts.Warnings().isEmpty());  // cut without a message, and not range-checked
}

void TestJobs::badFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QJsonObject valid = QJsonDocument::fromJson(JobJson(kOther)).object();
    auto edited = [&valid](const char* key, const QJsonValue& value) {
        QJsonObject o = valid;
        if (value.isUndefined())
            o.remove(key);
        else
            o[key] = value;
        return QJsonDocument(o).toJson();
    };
    QTest::newRow("not JSON") << "file" << QByteArray("65, 0, 0");
    QTest::newRow("wrong format") << "file" << edited("format", "vevi-settings");
    QTest::newRow("newer version") << "file" << edited("version", 2);
    QTest::newRow("missing inputs") << "file" << edited("inputs", QJsonValue::Undefined);
    QTest::newRow("a folder") << "folder" << QByteArray();
    QTest::newRow("a FIFO") << "fifo" << QByteArray();
    QTest::newRow("over 64 KB") << "file" << edited("note", QString(kLargestJobFile, u'n'));
}

// One warning naming the file and the reason; no box, display or list changes.
void TestJobs::badFiles() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.vevi");
    if (kind == "file") WriteFile(path, bytes);
    if (kind == "folder") QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
    if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
    if (kind == "fifo") QSKIP("a Unix test");
#endif
    Fixture f(settings_);
    Put(f, kOther);
    f.Go();
    const QStringList before = Texts(f);
    Open(f, path);
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QCOMPARE(f.prompts.shown.last().title, QString("Cannot Open Job"));
    const QString warning = f.prompts.Warnings().first();
    QVERIFY2(warning.contains(QDir::toNativeSeparators(path)), qPrintable(warning));
    QVERIFY2(warning.contains(ReadJob(path).error), qPrintable(warning));
    QCOMPARE(Texts(f), before);
    QCOMPARE(f.Shown(), 1);
    QVERIFY(f.RecentJobs().isEmpty());
}

void TestJobs::failedSave_data() {
    QTest::addColumn<bool>("fullDisk");  // else the folder is missing
    QTest::newRow("full disk") << true;
    QTest::newRow("no such folder") << false;
}

void TestJobs::failedSave() {
    QFETCH(bool, fullDisk);
    QTemporaryDir dir;
    const QString path = fullDisk ? dir.filePath("job.vevi") : dir.filePath("none/job.vevi");
    if (fullDisk) WriteFile(path, JobJson(kOther));
    const QByteArray earlier = ReadFile(path);
    Fixture f(settings_);
#ifdef Q_OS_UNIX
    // The file size limit stands for a disk that fills up half way through the write.
    rlimit limit{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (fullDisk) QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    Save(f, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
#else
    if (fullDisk) QSKIP("a Unix test");
    Save(f, path);
#endif
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QCOMPARE(f.prompts.shown.last().title, QString("Cannot Save Job"));
    const QString warning = f.prompts.Warnings().first();
    QVERIFY2(warning.contains(QDir::toNativeSeparators(path)), qPrintable(warning));
    QVERIFY2(warning.contains("cannot be written"), qPrintable(warning));
    QCOMPARE(ReadFile(path), earlier);
    QVERIFY(f.RecentJobs().isEmpty());
}

// While results are shown the limit boxes hold actual values; the job keeps the limits typed.
void TestJobs::saveWhileDisplayed() {
    QTemporaryDir dir;
    const QString path = dir.filePath("shown.vevi");
    Fixture f(settings_);
    Put(f, kOther);
    f.Go();
    QCOMPARE(f.Shown(), 1);
    QVERIFY(Texts(f) != kOther);  // the limit boxes show what the comparison gives
    Save(f, path);
    const JobRead read = ReadJob(path);
    QVERIFY2(read.job, qPrintable(read.error));
    for (qsizetype i = 0; i < kBoxes.size(); ++i)
        QCOMPARE(QString::fromStdString(
                     read.job->inputs.FieldText(kJobFields[static_cast<std::size_t>(i)])),
                 kOther[i]);
    QCOMPARE(f.Shown(), 1);  // saving changes nothing
}

void TestJobs::saveAddsExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "shop"
                                  << "shop.vevi";
    QTest::newRow(".vevi") << "shop.vevi"
                           << "shop.vevi";
    QTest::newRow("another extension") << "shop.json"
                                       << "shop.json";
}

void TestJobs::saveAddsExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    Fixture f(settings_);
    Save(f, dir.filePath(typed));
    QCOMPARE(f.prompts.shown.first().kind, QString("save"));
    QVERIFY(f.prompts.shown.first().text.startsWith("Vevi jobs (*.vevi)|"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{saved});
    QCOMPARE(f.RecentJobs(), QStringList{dir.filePath(saved)});
}

void TestJobs::jobPlace_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("dialogBefore");  // the dialog was shown before the job opened
    QTest::addColumn<bool>("saveSettings");
    QTest::addColumn<int>("state");  // where the dialog then opens
    QTest::addColumn<int>("city");
    QTest::newRow("in the table") << "Wyoming"
                                  << "Big Piney" << false << true << 51 << 0;
    QTest::newRow("dialog shown before") << "Wyoming"
                                         << "Big Piney" << true << true << 51 << 0;
    QTest::newRow("settings not saved") << "Colorado"
                                        << "Alamosa" << false << false << 5 << 0;
    QTest::newRow("not in the table") << "Wyoming"
                                      << "Nowhere" << false << true << 0 << 0;
    // The one place lookup: letter case and blanks around the names do not matter.
    QTest::newRow("names differ in case") << "wyoming"
                                          << " big piney" << true << true << 51 << 0;
}

void TestJobs::jobPlace() {
    QFETCH(QString, region);
    QFETCH(QString, place);
    QFETCH(bool, dialogBefore);
    QFETCH(bool, saveSettings);
    QFETCH(int, state);
    QFETCH(int, city);
    QTemporaryDir dir;
    Fixture f(settings_);
    if (!saveSettings) f.A("mnuSaveSettings")->trigger();
    if (dialogBefore) {
        f.Btn("cmdSelectCity")->click();
        f.Cities()->findChild<QPushButton*>("cmdCancel")->click();
    }
    Open(f, WriteFile(dir.filePath("place.vevi"), JobJson(kOther, region, place)));
    QCOMPARE(Texts(f), kOther);  // the job's texts, not the place's
    f.Btn("cmdSelectCity")->click();
    frmCities* c = f.Cities();
    QCOMPARE(c->findChild<QListWidget*>("lstState")->currentRow(), state);
    QCOMPARE(c->findChild<QListWidget*>("lstCities")->currentRow(), city);
    c->findChild<QPushButton*>("cmdCancel")->click();
}

void TestJobs::savedPlace_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("place");  // "" for none
    QTest::newRow("picked") << "pick"
                            << "Wyoming/Big Piney";
    QTest::newRow("picked, then elevation typed") << "pick, type"
                                                  << "";
    QTest::newRow("picked, elevation typed in the dialog") << "pick, dialog elevation"
                                                           << "";
    QTest::newRow("from a job") << "job"
                                << "Wyoming/Big Piney";
    QTest::newRow("from a job, then outdoor typed") << "job, type"
                                                    << "";
    QTest::newRow("picked, then a job without a place") << "pick, job without place"
                                                        << "";
}

// The place goes into the job while the elevation and outdoor texts are still the place's.
void TestJobs::savedPlace() {
    QFETCH(QString, how);
    QFETCH(QString, place);
    QTemporaryDir dir;
    Fixture f(settings_);
    const QStringList job = {"65", "-22", "6969", "140", "110", "10000", "160", "160", "10000"};
    if (how.startsWith("pick")) {
        f.Btn("cmdSelectCity")->click();
        frmCities* c = f.Cities();
        c->findChild<QListWidget*>("lstState")->setCurrentRow(51);
        c->findChild<QListWidget*>("lstCities")->setCurrentRow(0);
        if (how.endsWith("dialog elevation"))
            c->findChild<QLineEdit*>("txtElevation")->setText("7000");
        c->findChild<QPushButton*>("cmdOK")->click();
    }
    if (how.startsWith("job"))
        Open(f, WriteFile(dir.filePath("in.vevi"), JobJson(job, "Wyoming", "Big Piney")));
    if (how.endsWith("job without place"))
        Open(f, WriteFile(dir.filePath("in.vevi"), JobJson(job)));
    if (how.endsWith(", type")) {
        const char* box = how.startsWith("job") ? "txtOutdoorTemp" : "txtBaroPress";
        f.B(box)->setFocus();
        f.B(box)->selectAll();
        QTest::keyClicks(f.B(box), "7");
    }
    const QString path = dir.filePath("out.vevi");
    Save(f, path);
    const JobRead read = ReadJob(path);
    QVERIFY2(read.job, qPrintable(read.error));
    QCOMPARE(read.job->place ? read.job->place->region + "/" + read.job->place->place : QString(),
             place);
}

void TestJobs::recentJobs() {
    QTemporaryDir dir;
    const auto path = [&dir](int i) { return dir.filePath(QString("job&%1.vevi").arg(i)); };
    {
        Fixture f(settings_);
        for (int i = 1; i <= 6; ++i) Save(f, path(i));
        Open(f, path(3));  // already listed: it moves to the top
        QCOMPARE(f.RecentJobs(), (QStringList{path(3), path(6), path(5), path(4), path(2)}));
    }
    // The list outlives the run, and the menu shows it numbered, most recent first.
    Fixture f(settings_);
    QCOMPARE(f.RecentJobs(), (QStringList{path(3), path(6), path(5), path(4), path(2)}));
    QVERIFY(f.A("mnuRecentJobs")->isEnabled());
    QCOMPARE(RecentCaptions(f), (QStringList{"&1 job&&3.vevi", "&2 job&&6.vevi", "&3 job&&5.vevi",
                                             "&4 job&&4.vevi", "&5 job&&2.vevi"}));
    QAction* second = f.w->findChild<QMenu*>("mnuRecentJobs")->actions()[1];
    QCOMPARE(second->toolTip(), QDir::toNativeSeparators(path(6)));
    QCOMPARE(second->statusTip(), QDir::toNativeSeparators(path(6)));
    // Chosen, a listed job opens; a missing one warns and leaves the list.
    Put(f, kOther);
    second->trigger();
    QCOMPARE(f.B("txtIndoorTemp")->text(), QString("65"));
    QCOMPARE(f.RecentJobs().first(), path(6));
    QVERIFY(QFile::remove(path(5)));
    f.w->findChild<QMenu*>("mnuRecentJobs")->actions()[2]->trigger();
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QCOMPARE(f.prompts.shown.last().title, QString("Cannot Open Job"));
    QVERIFY(f.prompts.Warnings().first().contains(QDir::toNativeSeparators(path(5))));
    QCOMPARE(f.RecentJobs(), (QStringList{path(6), path(3), path(4), path(2)}));
    QCOMPARE(RecentCaptions(f).size(), 4);
    QCOMPARE(Fixture(settings_, false).RecentJobs(), f.RecentJobs());
}

void TestJobs::drop_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("onto");
    QTest::addColumn<bool>("opens");
    const auto local = [](const char* name) { return QUrl::fromLocalFile(name); };
    QTest::newRow("a job on the diagram") << QList<QUrl>{local("a.vevi")} << "Label7" << true;
    QTest::newRow("a job on a box") << QList<QUrl>{local("a.vevi")} << "txtIndoorTemp" << true;
    QTest::newRow("upper-case extension") << QList<QUrl>{local("b.VEVI")} << "Label7" << true;
    QTest::newRow("two jobs") << QList<QUrl>{local("a.vevi"), local("b.VEVI")} << "Label7" << false;
    QTest::newRow("another file") << QList<QUrl>{local("a.txt")} << "Label7" << false;
    QTest::newRow("not a local file")
        << QList<QUrl>{QUrl("https://example.com/a.vevi")} << "Label7" << false;
}

void TestJobs::drop() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, onto);
    QFETCH(bool, opens);
    QTemporaryDir dir;
    for (const char* name : {"a.vevi", "b.VEVI", "a.txt"})
        WriteFile(dir.filePath(name), JobJson(kOther));
    for (QUrl& url : urls)
        if (url.isLocalFile()) url = QUrl::fromLocalFile(dir.filePath(url.toLocalFile()));
    Fixture f(settings_);
    const QStringList before = Texts(f);
    QWidget* target = f.w->findChild<QWidget*>(onto);
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.first().toString());  // as file managers offer it to text boxes too
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), opens);
    if (opens) {
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        Fixture::Settle();
    }
    QCOMPARE(Texts(f), opens ? kOther : before);
    QVERIFY(f.prompts.Warnings().isEmpty());
}
