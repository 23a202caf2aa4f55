#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "checked_write.h"
#include "job_file.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#endif

using namespace vevi;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A valid job file, changed by `edit`.
QByteArray JobJson(const std::function<void(QJsonObject&)>& edit = {}) {
    QJsonObject inputs;
    for (Field field : kJobFields) inputs.insert(JobInputKey(field), "1");
    QJsonObject root{{"format", "vevi-job"}, {"version", 1}, {"inputs", inputs}};
    if (edit) edit(root);
    return QJsonDocument(root).toJson();
}

void EditInputs(QJsonObject& root, const std::function<void(QJsonObject&)>& edit) {
    QJsonObject inputs = root["inputs"].toObject();
    edit(inputs);
    root["inputs"] = inputs;
}

}  // namespace

class TestJobFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    // The file as documented reads with every text and the place.
    void documentedFileReads() {
        const JobRead read = ParseJob(R"({"format": "vevi-job", "version": 1,
            "inputs": {"indoor": "65", "outdoor": "0", "elevation": "0",
                       "draw_thru_max_discharge": "140", "draw_thru_max_rise": "110",
                       "draw_thru_capacity": "10000", "blow_thru_max_discharge": "160",
                       "blow_thru_max_rise": "150", "blow_thru_capacity": "9000"},
            "place": {"region": "Wyoming", "place": "Big Piney"}, "note": "free text",
            "unknown": [1, 2]})");
        QVERIFY2(read.job, qPrintable(read.error));
        const ComparisonInputs& in = read.job->inputs;
        QCOMPARE(in.IndoorTemp, "65");
        QCOMPARE(in.DrawThruDisTemp, "140");
        QCOMPARE(in.DrawThruTempRise, "110");
        QCOMPARE(in.BloThruTempRise, "150");
        QCOMPARE(in.BloThruFanCapacity, "9000");
        QVERIFY(read.job->place);
        QCOMPARE(read.job->place->region, "Wyoming");
        QCOMPARE(read.job->place->place, "Big Piney");
        QCOMPARE(read.job->note, "free text");
    }

    // Each file refused, with its own reason.
    void refused_data() {
        QTest::addColumn<QString>("kind");  // what stands at the path
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << "file" << QByteArray("65, 0, 0") << "it is not JSON (";
        QTest::newRow("not an object") << "file" << QByteArray("[1]") << "no JSON object";
        QTest::newRow("no format") << "file" << JobJson([](QJsonObject& r) { r.remove("format"); })
                                   << "it is not a job file";
        QTest::newRow("other format")
            << "file" << JobJson([](QJsonObject& r) { r["format"] = "vevi-settings"; })
            << "it is not a job file";
        QTest::newRow("newer version")
            << "file" << JobJson([](QJsonObject& r) { r["version"] = 2; })
            << "made by a newer version of the program";
        QTest::newRow("version as text")
            << "file" << JobJson([](QJsonObject& r) { r["version"] = "1"; })
            << "no valid \"version\"";
        QTest::newRow("no inputs") << "file" << JobJson([](QJsonObject& r) { r.remove("inputs"); })
                                   << "it has no \"inputs\"";
        QTest::newRow("an input missing") << "file" << JobJson([](QJsonObject& r) {
            EditInputs(r, [](QJsonObject& i) { i.remove("draw_thru_max_rise"); });
        }) << "the input \"draw_thru_max_rise\" is missing";
        QTest::newRow("an input a number") << "file" << JobJson([](QJsonObject& r) {
            EditInputs(r, [](QJsonObject& i) { i["indoor"] = 65; });
        }) << "the input \"indoor\" is not a text";
        QTest::newRow("too large")
            << "file" << JobJson([](QJsonObject& r) { r["note"] = QString(kLargestJobFile, u'x'); })
            << "larger than 64 KB";
        QTest::newRow("binary") << "file" << QByteArray("{\"format\"\0\x01\xFE", 13)
                                << "binary data, not text";
        QTest::newRow("carriage return in an input") << "file" << JobJson([](QJsonObject& r) {
            EditInputs(r, [](QJsonObject& i) { i["indoor"] = "6\r5"; });
        }) << "the input \"indoor\" holds a control character";
        QTest::newRow("NUL in an input") << "file" << JobJson([](QJsonObject& r) {
            EditInputs(r, [](QJsonObject& i) {
                i["outdoor"] = QString::fromUtf8(
                    "1\0"
                    "2",
                    3);
            });
        }) << "the input \"outdoor\" holds a control character";
        QTest::newRow("escape in an input") << "file" << JobJson([](QJsonObject& r) {
            EditInputs(r, [](QJsonObject& i) { i["elevation"] = "\x7F"; });
        }) << "the input \"elevation\" holds a control character";
        QTest::newRow("units misspelt")
            << "file" << JobJson([](QJsonObject& r) { r["units"] = "metric"; })
            << "its \"units\" are neither \"us\" nor \"si\"";
        QTest::newRow("units in capitals")
            << "file" << JobJson([](QJsonObject& r) { r["units"] = "SI"; }) << "\"units\"";
        QTest::newRow("units a number")
            << "file" << JobJson([](QJsonObject& r) { r["units"] = 1; }) << "\"units\"";
        QTest::newRow("units null")
            << "file" << JobJson([](QJsonObject& r) { r["units"] = QJsonValue(); }) << "\"units\"";
        QTest::newRow("folder") << "folder" << QByteArray() << "it is a folder";
        QTest::newRow("symbolic link loop") << "loop" << QByteArray() << "form a loop";
        QTest::newRow("pipe") << "fifo" << QByteArray() << "it is not a regular file";
        QTest::newRow("missing") << "none" << QByteArray() << "the file does not exist";
        QTest::newRow("unreadable") << "unreadable" << JobJson() << "the file cannot be read";
    }
    void refused() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = dir_.filePath(QTest::currentDataTag() + QString(".vevi"));
        if (kind == "file" || kind == "unreadable") Write(path, bytes);
        if (kind == "folder") QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
        if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == "loop") QVERIFY(QFile::link(path, path));
        if (kind == "unreadable") {
            if (::geteuid() == 0) QSKIP("every file is readable to root");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
#else
        if (kind == "fifo" || kind == "unreadable" || kind == "loop") QSKIP("a Unix test");
#endif
        const JobRead read = ReadJob(path);
        QVERIFY(!read.job);
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
    }

    // A file of exactly the largest size reads; one byte more is refused unread.
    void sizeBound_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("reads");
        QTest::newRow("at the bound") << kLargestJobFile << true;
        QTest::newRow("one byte over") << kLargestJobFile + 1 << false;
    }
    void sizeBound() {
        QFETCH(qint64, size);
        QFETCH(bool, reads);
        QByteArray bytes = JobJson();
        bytes.append(QByteArray(size - bytes.size(), ' '));  // blanks after the object
        const QString path = dir_.filePath(QString("size-%1.vevi").arg(size));
        Write(path, bytes);
        QCOMPARE(bool(ReadJob(path).job), reads);
        QCOMPARE(bool(ParseJob(bytes).job), reads);
    }

    // Texts come back exactly as typed, blanks, prefixes and all.
    void roundTrip() {
        Job job;
        job.inputs.IndoorTemp = " 65 ";
        job.inputs.OutdoorTemp = "&H40";
        job.inputs.Elevation = "1e2";
        job.inputs.BloThruFanCapacity = "10\u00A0000";
        job.inputs.DrawThruDisTemp = "140\u00B0";
        job.inputs.DrawThruTempRise = "";
        job.inputs.BloThruTempRise =
            "\xEF\xBB\xBF"
            "150";  // a leading U+FEFF is kept
        job.place = PlaceName{"Illinois", "Chicago, O\u2019Hare Int\u2019l A"};
        job.note = "Line one\n\"quoted\" \u2192 line two";
        const QString path = dir_.filePath("round-trip.vevi");
        QCOMPARE(WriteJob(job, path), QString());
        const JobRead read = ReadJob(path);
        QVERIFY2(read.job, qPrintable(read.error));
        for (Field field : kJobFields)
            QCOMPARE(read.job->inputs.FieldText(field), job.inputs.FieldText(field));
        QVERIFY(read.job->place);
        QCOMPARE(read.job->place->region, job.place->region);
        QCOMPARE(read.job->place->place, job.place->place);
        QCOMPARE(read.job->note, job.note);
    }

    // The units a job's texts are in: a file without them is inch-pound, as every file written
    // before was; a saved job names its units and reads back in them.
    void units_data() {
        QTest::addColumn<QString>("written");  // "" for no "units" key
        QTest::addColumn<int>("units");
        QTest::newRow("no key") << "" << static_cast<int>(UnitSystem::US);
        QTest::newRow("us") << "us" << static_cast<int>(UnitSystem::US);
        QTest::newRow("si") << "si" << static_cast<int>(UnitSystem::SI);
    }
    void units() {
        QFETCH(QString, written);
        QFETCH(int, units);
        const JobRead read = ParseJob(JobJson([&written](QJsonObject& r) {
            if (!written.isEmpty()) r["units"] = written;
        }));
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(static_cast<int>(read.job->units), units);

        Job job = *read.job;
        job.inputs.IndoorTemp = "18.3";
        const QString path = dir_.filePath(QString("units-%1.vevi").arg(QTest::currentDataTag()));
        QCOMPARE(WriteJob(job, path), QString());
        const QJsonObject root = QJsonDocument::fromJson(Read(path)).object();
        QCOMPARE(root["units"].toString(), QString(UnitSystemKey(job.units)));
        const JobRead again = ReadJob(path);
        QVERIFY2(again.job, qPrintable(again.error));
        QCOMPARE(static_cast<int>(again.job->units), units);
        QCOMPARE(again.job->inputs.IndoorTemp, "18.3");  // the texts are never converted
    }

    // A save that fails reports why and leaves the file saved before as it was.
    void failedSaveKeepsEarlierFile() {
        QTemporaryDir dir;
        const QString regular = dir.filePath("regular");
        Write(regular, "x");
        QVERIFY(!WriteJob(Job{}, regular + "/job.vevi").isEmpty());

#ifdef Q_OS_UNIX
        // A write that runs out of room half way: the file size limit stands for a full disk.
        const QString path = dir.filePath("job.vevi");
        QCOMPARE(WriteJob(Job{}, path), QString());
        const QByteArray earlier = Read(path);
        Job longer;
        longer.note = QString(4096, u'n');
        rlimit limit{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit saved = limit;
        limit.rlim_cur = 1024;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const QString error = WriteJob(longer, path);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Read(path), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary left
#endif
    }

    // Every way a write can fail: the reason is given and what stood at the path before is
    // there as it was, byte for byte or as the device, pipe or folder it was.
    void writeFailures_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("short write") << "short"
                                     << "the disk may be full";
        QTest::newRow("commit fails") << "commit"
                                      << "";
        QTest::newRow("named pipe") << "fifo"
                                    << "it is a device or a pipe, not a regular file";
        QTest::newRow("device") << "device"
                                << "it is a device or a pipe, not a regular file";
        QTest::newRow("folder") << "folder"
                                << "it is a folder, not a file";
        QTest::newRow("symbolic link loop") << "loop"
                                            << "its symbolic links form a loop";
    }
    void writeFailures() {
#ifndef Q_OS_UNIX
        QSKIP("a Unix test");
#else
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("target");
        const QByteArray earlier = "earlier\n";
        const QByteArray path8 = QFile::encodeName(path);
        if (kind == "short" || kind == "commit") Write(path, earlier);
        if (kind == "fifo") QCOMPARE(::mkfifo(path8.constData(), 0600), 0);
        if (kind == "device" && ::mknod(path8.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("no right to make a device node here");
        if (kind == "folder") QVERIFY(QDir().mkpath(path));
        if (kind == "loop") QVERIFY(QFile::link(path, path));

        // Writes half, as a full disk does.
        struct Short : ByteSink {
            qint64 Write(QFileDevice& file, const QByteArray& bytes) override {
                return file.write(bytes.left(bytes.size() / 2));
            }
        } halfway;
        // Puts a folder where the file is to go, so the final rename fails.
        struct Blocked : ByteSink {
            QString path;
            qint64 Write(QFileDevice& file, const QByteArray& bytes) override {
                QFile::remove(path);
                QDir().mkpath(path + "/inside");
                return file.write(bytes);
            }
        } blocked;
        blocked.path = path;
        ByteSink plain;
        ByteSink& sink = kind == "short"    ? halfway
                         : kind == "commit" ? static_cast<ByteSink&>(blocked)
                                            : plain;

        const QString error = WriteAtomically(path, QByteArray(4096, 'n'), sink);
        QVERIFY2(!error.isEmpty(), "the failure went unreported");
        QVERIFY2(error.contains(reason), qPrintable(error));
        struct stat status {};
        QCOMPARE(::lstat(path8.constData(), &status), 0);
        if (kind == "short") QCOMPARE(Read(path), earlier);
        if (kind == "fifo") QVERIFY(S_ISFIFO(status.st_mode));
        if (kind == "device") QVERIFY(S_ISCHR(status.st_mode));
        if (kind == "folder" || kind == "commit") QVERIFY(S_ISDIR(status.st_mode));
        if (kind == "loop") QVERIFY(S_ISLNK(status.st_mode));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                     .size(),
                 1);
#endif
    }
};

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_job_file.moc"
