#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fixture.h"
#include "job_file.h"
#include "result_labels.h"
#include "si_golden.h"
#include "tests.h"

using namespace vevi;

namespace {

void SetSi(Fixture& f, bool on) {
    QAction* item = f.A("mnuSIUnits");
    if (item->isChecked() != on) item->trigger();
    QCOMPARE(item->isChecked(), on);
}

// One row of a data table, its cells in the order of the columns.
template <class... Cells>
void Row(const char* name, const Cells&... cells) {
    (QTest::newRow(name) << ... << cells);
}

// Every text a person or a screen reader meets in the window, by control name.
QMap<QString, QString> Texts(const Fixture& f) {
    QMap<QString, QString> texts;
    for (const QLabel* l : f.w->findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            texts[l->objectName()] = l->text() + "|" + l->accessibleName() + "|" +
                                     QString::number(l->x()) + "," + QString::number(l->y());
    for (const QLineEdit* b : f.w->findChildren<QLineEdit*>())
        if (!b->objectName().isEmpty())
            texts[b->objectName()] =
                b->text() + "|" + b->accessibleName() + "|" + QString::number(b->width());
    return texts;
}

// The inch-pound unit names, as whole words.
const QRegularExpression kInchPound(
    "(?<![A-Za-z])(cfm|MBH|Ft\\.|ft|in\\. Hg|lb)(?![A-Za-z])|"
    "\u00B0F");

QString GoldenText(Arrangement a, Quantity q) {
    for (const auto& row : si_golden::kFigures)
        if (row.arrangement == a && row.quantity == q) return QString::fromUtf8(row.text);
    return {};
}

}  // namespace

void TestUnits::viewItemBelowDocumentedItems() {
    Fixture f(settings_);
    const QList<QAction*> items = f.w->findChild<QMenu*>("mnuView")->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0], f.A("mnuViewDetails"));
    QCOMPARE(items[1], f.A("mnuViewPresentation"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3], f.A("mnuSIUnits"));
}

void TestUnits::switchingBackRestoresEveryText_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("presentation");
    Row("input state", false, false);
    Row("details shown", true, false);
    Row("presentation shown", true, true);
}

void TestUnits::switchingBackRestoresEveryText() {
    QFETCH(bool, running);
    QFETCH(bool, presentation);
    Fixture f(settings_);
    if (presentation) f.A("mnuViewPresentation")->trigger();
    if (running) f.Go();
    const QMap<QString, QString> before = Texts(f);
    SetSi(f, true);
    QCOMPARE(f.Shown(), running);
    QVERIFY(Texts(f) != before);
    SetSi(f, false);
    QCOMPARE(f.Shown(), running);
    const QMap<QString, QString> after = Texts(f);
    for (auto it = before.begin(); it != before.end(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    if (!running) return;
    // The stop still restores the limits the comparison was started with.
    f.Go();
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("140"));
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("160"));
}

// A caption the units change fits its label as well as its inch-pound text does.
void TestUnits::captionsFitInSi() {
    Fixture f(settings_);
    QMap<QString, int> inchPound;
    for (const QLabel* l : f.w->findChildren<QLabel*>())
        inchPound[l->objectName()] = l->fontMetrics().horizontalAdvance(l->text());
    SetSi(f, true);
    for (const QLabel* l : f.w->findChildren<QLabel*>()) {
        const int si = l->fontMetrics().horizontalAdvance(l->text());
        QVERIFY2(si <= std::max(l->width(), inchPound[l->objectName()]),
                 qPrintable(l->objectName() + ": " + l->text()));
    }
}

// Switched to SI after the start, or started in SI (the labels the first picture does not
// show are then built in SI).
void TestUnits::captionsInSi_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("started");
    Row("indoor unit", "Label5", "\u00B0C", false);
    Row("elevation unit", "Label35", "m", false);
    Row("discharge row", "Label18", "Max. Discharge Temperature (\u00B0C)", false);
    Row("rise row", "Label15", "Max. Temperature Rise (\u00B0C)", false);
    Row("blower row", "Label3", "Blower Capacity (L/s         )", false);
    Row("airflow", "Label21", "L/s", false);
    Row("input", "Label9", "kW       x .92 =", false);
    Row("two units", "Label37", "kW to heat L/s       to indoor temperature", false);
    Row("no unit", "Label7", "Draw Thru System", false);
    Row("subscript", "Label16", "Inlet", false);
    Row("airflow, started in SI", "Label21", "L/s", true);
    Row("two units, started in SI", "Label37", "kW to heat L/s       to indoor temperature", true);
}

void TestUnits::captionsInSi() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, started);
    if (started) {
        QSettings store = TempSettings::Store();
        store.setValue("Units/System", "si");
    }
    Fixture f(settings_);
    SetSi(f, true);
    QCOMPARE(f.L(qPrintable(label))->text(), text);
}

void TestUnits::noInchPoundUnitLeft_data() {
    QTest::addColumn<bool>("running");
    Row("input state", false);
    Row("shown", true);
}

// With SI on, no label, box or screen-reader name of the window names an inch-pound unit.
void TestUnits::noInchPoundUnitLeft() {
    QFETCH(bool, running);
    Fixture f(settings_);
    SetSi(f, true);
    if (running) f.Go();
    for (const QLabel* l : f.w->findChildren<QLabel*>()) {
        QVERIFY2(!kInchPound.match(l->text()).hasMatch(), qPrintable(l->objectName()));
        QVERIFY2(!kInchPound.match(l->accessibleName()).hasMatch(), qPrintable(l->objectName()));
    }
    for (const QLineEdit* b : f.w->findChildren<QLineEdit*>())
        QVERIFY2(!kInchPound.match(b->accessibleName()).hasMatch(), qPrintable(b->objectName()));
    // The subscripts stand clear of the text after them, as in inch-pound.
    const QLabel* blower = f.L("Label44");
    QVERIFY(blower->geometry().right() < f.L("Label3")->geometry().right());
}

void TestUnits::designComparisonInSi() {
    Fixture f(settings_);
    SetSi(f, true);
    for (const auto& row : si_golden::kInputs) {
        const InputBox* box = nullptr;
        for (InputBox* b : f.w->findChildren<InputBox*>())
            if (b->GetField() == row.field) box = b;
        QVERIFY(box);
        QCOMPARE(box->text(), QString::fromUtf8(row.text));
    }
    f.Go();
    QVERIFY(f.Shown());
    for (const auto& row : si_golden::kFigures) {
        const QLabel* label = f.w->findChild<ResultLabels*>()->Value(row.arrangement, row.quantity);
        QCOMPARE(label->text(), QString::fromUtf8(row.text));
    }
    // The screen reader hears the unit shown.
    QCOMPARE(f.L("lblDrawThruInletCFM")->accessibleName(),
             QString("Draw Thru inlet airflow 3,809 L/s"));
    QCOMPARE(f.L("lblBloThruBTUOut")->accessibleName().endsWith("582 kW"), true);
    // The limit boxes show the actual values in SI: 110 °F discharge, 160 °F of rise.
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("43.3"));
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("88.9"));
    QCOMPARE(f.L("Label18")->text(), QString("Actual Discharge Temperature (\u00B0C)"));
}

// A comparison on display stays on display and speaks the new units, and back.
void TestUnits::shownComparisonFollowsUnits() {
    Fixture f(settings_);
    f.Go();
    const QString inchPoundInlet = f.L("lblDrawThruInletCFM")->text();
    SetSi(f, true);
    QVERIFY(f.Shown());
    QVERIFY(f.Timer1()->isActive());
    QCOMPARE(f.Btn("cmdGo")->text(), QString("Shut 'em down"));
    for (Arrangement a : kArrangements)
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            QCOMPARE(f.w->findChild<ResultLabels*>()->Value(a, Quantity(q))->text(),
                     GoldenText(a, Quantity(q)));
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("61.1"));
    QCOMPARE(f.B("txtBloThruDisTemp")->text(), QString("71.1"));
    // The stop in SI restores the limits in SI.
    f.Go();
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("60.0"));
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("88.8"));
    SetSi(f, false);
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("160"));
    f.Go();
    QCOMPARE(f.L("lblDrawThruInletCFM")->text(), inchPoundInlet);
}

void TestUnits::rangesInSi_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");  // empty: accepted
    const QString indoor = "The indoor temperature must be between -1.1 and 65.5";
    const QString outdoor = "The outdoor temperature must be between -40.0 and 48.8";
    // 20 °C is 68 °F; 20 °F would be refused, 100 °F accepted.
    Row("indoor in SI only", "txtIndoorTemp", "20", "");
    Row("indoor in inch-pound only", "txtIndoorTemp", "100", indoor);
    Row("indoor highest", "txtIndoorTemp", "65.5", "");
    Row("indoor above", "txtIndoorTemp", "65.6", indoor);
    Row("outdoor lowest", "txtOutdoorTemp", "-40.0", "");
    Row("rise above", "txtDrawThruTempRise", "88.9",
        "The temperature rise must be between 0.0 and 88.8");
    Row("capacity highest", "txtDrawThruFanCapacity", "235973", "");
    Row("capacity above", "txtDrawThruFanCapacity", "235974",
        "The Draw Thru fan capacity must be between 0 and 235,973");
}

void TestUnits::rangesInSi() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    Fixture f(settings_);
    SetSi(f, true);
    InputBox* b = f.B(qPrintable(box));
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, text);
    QCOMPARE(b->text(), text);  // the SI text fits the box
    f.Btn("cmdSelectCity")->setFocus();
    Fixture::Settle();
    QCOMPARE(f.prompts.Warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(b->text(), warning.isEmpty() ? text : QString());
}

void TestUnits::userTextsRestoredExactly_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("si");  // what SI shows of it
    Row("outdoor", "txtOutdoorTemp", "-12", "-24.4");
    Row("trailing point", "txtIndoorTemp", "65.", "18.3");
    Row("two decimals", "txtIndoorTemp", "65.50", "18.6");
    Row("unit typed", "txtBaroPress", "12 ft", "4");
    // 0 °F is -17.78 °C, kept within the SI range's -17.7 so that it is never refused.
    Row("not a number", "txtBloThruDisTemp", "abc", "-17.7");
    Row("empty", "txtDrawThruFanCapacity", "", "0");
    Row("rise at its bound", "txtDrawThruTempRise", "160", "88.8");
}

// Switched to SI and back without an edit, the box holds the user's own text.
void TestUnits::userTextsRestoredExactly() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, si);
    Fixture f(settings_);
    f.B(qPrintable(box))->setText(text);
    for (int round = 0; round < 3; ++round) {
        SetSi(f, true);
        QCOMPARE(f.B(qPrintable(box))->text(), si);
        SetSi(f, false);
        QCOMPARE(f.B(qPrintable(box))->text(), text);
    }
}

void TestUnits::editedTextsConverted_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");  // in SI
    QTest::addColumn<QString>("inchPound");
    Row("whole degrees", "txtIndoorTemp", "20", "68");
    Row("tenths", "txtIndoorTemp", "21", "69.8");
    // The outdoor box takes three characters: whole degrees.
    Row("short box", "txtOutdoorTemp", "-18", "0");
    Row("bound kept", "txtOutdoorTemp", "48.8", "120");
    Row("rise", "txtBloThruTempRise", "50", "90");
    Row("metres", "txtBaroPress", "1609", "5279");
    Row("airflow", "txtBloThruFanCapacity", "5000", "10594");
}

// A text typed in SI goes back converted, and the next switch to SI shows it again.
void TestUnits::editedTextsConverted() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, inchPound);
    Fixture f(settings_);
    SetSi(f, true);
    f.B(qPrintable(box))->setText(typed);
    SetSi(f, false);
    QCOMPARE(f.B(qPrintable(box))->text(), inchPound);
    SetSi(f, true);
    QCOMPARE(f.B(qPrintable(box))->text(), typed);
}

void TestUnits::settingRemembered() {
    {
        Fixture f(settings_);
        QVERIFY(!f.A("mnuSIUnits")->isChecked());
        f.B("txtOutdoorTemp")->setText("-12");
        SetSi(f, true);
        f.A("mnuExit")->trigger();
        QCOMPARE(f.store.written,
                 (QStringList{"Outdoor", "Elevation", "Save", "Details", "Presentation"}));
    }
    QSettings store = TempSettings::Store();
    QCOMPARE(store.value("Units/System").toString(), QString("si"));
    QStringList groups = store.childGroups();
    groups.sort();
    QCOMPARE(groups, (QStringList{"Last", "Units"}));
    QCOMPARE(settings_.Get("Outdoor"), QString("-12"));
    Fixture f(settings_);
    QVERIFY(f.A("mnuSIUnits")->isChecked());
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("-24.4"));
    QCOMPARE(f.L("Label4")->text(), QString("\u00B0C"));
    SetSi(f, false);
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("-12"));  // the stored text, exactly
    QCOMPARE(TempSettings::Store().value("Units/System").toString(), QString("us"));
}

void TestUnits::exitStoresInchPound_data() {
    QTest::addColumn<QString>("outdoor");  // typed in SI; empty: left as converted
    QTest::addColumn<QString>("elevation");
    QTest::addColumn<QString>("storedOutdoor");
    QTest::addColumn<QString>("storedElevation");
    Row("unedited", "", "", "0", "0");
    Row("typed", "-18", "1609", "-0.4", "5278.87139108");
    Row("exact", "-40", "0", "-40", "0");
}

// The documented keys keep their inch-pound meaning whatever the window shows.
void TestUnits::exitStoresInchPound() {
    QFETCH(QString, outdoor);
    QFETCH(QString, elevation);
    QFETCH(QString, storedOutdoor);
    QFETCH(QString, storedElevation);
    Fixture f(settings_);
    SetSi(f, true);
    if (!outdoor.isEmpty()) f.B("txtOutdoorTemp")->setText(outdoor);
    if (!elevation.isEmpty()) f.B("txtBaroPress")->setText(elevation);
    f.A("mnuExit")->trigger();
    QCOMPARE(settings_.Get("Outdoor"), storedOutdoor);
    QCOMPARE(settings_.Get("Elevation"), storedElevation);
}

// The formulas keep their inch-pound working, and say so in one line while SI is on.
void TestUnits::formulasSayInchPound() {
    QStringList inchPound;
    {
        Fixture f(settings_);
        f.Go();
        for (const QLabel* l : Fixture::Formulas()->findChildren<QLabel*>()) inchPound << l->text();
        QVERIFY(!Fixture::Formulas()
                     ->findChild<QLabel*>("lblInchPoundNote")
                     ->isVisibleTo(Fixture::Formulas()));
    }
    Fixture f(settings_);
    SetSi(f, true);
    f.Go();
    f.Btn("cmdShowFormulas")->click();
    const QLabel* note = Fixture::Formulas()->findChild<QLabel*>("lblInchPoundNote");
    QVERIFY(note->isVisible());
    QVERIFY(!note->text().contains('\n'));
    QVERIFY(note->text().contains("inch-pound"));
    QStringList si;
    for (const QLabel* l : Fixture::Formulas()->findChildren<QLabel*>())
        if (l != note) si << l->text();
    inchPound.removeAll(note->text());
    QCOMPARE(si, inchPound);
}

void TestUnits::matchingInSi_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("si");
    QTest::addColumn<QString>("inchPound");  // the same figure: 300 kW = 1023.64 MBH
    Row("input", "mnuMatchInputCapacity",
        "Enter the desired input capacity for each heater (kW):", "300", "1023.64");
    Row("airflow", "mnuMatchAirflow",
        "Enter the desired blower airflow for each heater (L/s):", "5000", "10594.4");
}

// The prompt names the unit shown; the capacities written are those of the same figure in
// inch-pound, converted (each within the rounding of the whole cfm and the whole L/s).
void TestUnits::matchingInSi() {
    QFETCH(QString, item);
    QFETCH(QString, prompt);
    QFETCH(QString, si);
    QFETCH(QString, inchPound);
    double cfm[2] = {};
    {
        Fixture f(settings_);
        f.prompts.answers = {inchPound};
        f.A(qPrintable(item))->trigger();
        cfm[0] = f.B("txtBloThruFanCapacity")->text().toDouble();
        cfm[1] = f.B("txtDrawThruFanCapacity")->text().toDouble();
    }
    Fixture f(settings_);
    SetSi(f, true);
    f.prompts.answers = {si};
    f.A(qPrintable(item))->trigger();
    QCOMPARE(f.prompts.shown.value(0).text, prompt);
    QVERIFY(f.Shown());
    const QString boxes[] = {"txtBloThruFanCapacity", "txtDrawThruFanCapacity"};
    for (int i = 0; i < 2; ++i) {
        const double litres = f.B(qPrintable(boxes[i]))->text().toDouble();
        QVERIFY2(std::abs(litres - cfm[i] * 0.4719474) <= 1,
                 qPrintable(boxes[i] + ": " + QString::number(litres)));
    }
}

// The place dialog speaks the window's units, and its OK hands over SI texts.
void TestUnits::placeDialogFollows() {
    Fixture f(settings_);
    SetSi(f, true);
    QTest::mouseClick(f.Btn("cmdSelectCity"), Qt::LeftButton);
    frmCities* c = Fixture::Cities();
    QVERIFY(c && c->isVisible());
    QCOMPARE(c->findChild<QLineEdit*>("txtElevation")->text(), QString("186"));
    c->findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(f.B("txtBaroPress")->text(), QString("186"));
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("-7.2"));
    f.Go();
    QVERIFY(f.Shown());
    QVERIFY(f.prompts.Warnings().isEmpty());
    // 186 m is 610.2 ft, -7.2 °C is 19.04 °F.
    SetSi(f, false);
    QCOMPARE(f.B("txtBaroPress")->text(), QString("610"));
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("19"));
    QTest::mouseClick(f.Btn("cmdSelectCity"), Qt::LeftButton);
    QCOMPARE(c->findChild<QLabel*>("lblFeet")->text(), QString("ft."));
    QCOMPARE(c->findChild<QLineEdit*>("txtElevation")->text(), QString("610"));
    c->findChild<QPushButton*>("cmdCancel")->click();
}

void TestUnits::jobsInSi_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("units");   // of the job saved
    QTest::addColumn<QString>("indoor");  // the job's text
    QTest::addColumn<QString>("elevation");
    QTest::addColumn<QString>("place");
    Row("design texts", "save", "si", "18.3", "0", "");
    Row("typed in SI", "type 20", "si", "20", "0", "");
    Row("place picked, then SI", "pick", "si", "18.3", "2124", "Wyoming/Big Piney");
    Row("inch-pound job opened in SI", "open us", "us", "70", "1200", "");
    Row("SI job opened in inch-pound", "open si", "si", "20", "100", "");
}

// A job is saved in the units shown and says which; one in the other units is shown
// converted, and the next switch gives back its own texts.
void TestUnits::jobsInSi() {
    QFETCH(QString, how);
    QFETCH(QString, units);
    QFETCH(QString, indoor);
    QFETCH(QString, elevation);
    QFETCH(QString, place);
    QTemporaryDir dir;
    Fixture f(settings_);
    if (how == "pick") {
        f.Btn("cmdSelectCity")->click();
        Fixture::Cities()->findChild<QListWidget*>("lstState")->setCurrentRow(51);
        Fixture::Cities()->findChild<QListWidget*>("lstCities")->setCurrentRow(0);
        Fixture::Cities()->findChild<QPushButton*>("cmdOK")->click();
    }
    const bool openSi = how == "open si";
    if (!openSi) SetSi(f, true);
    if (how == "type 20") f.B("txtIndoorTemp")->setText("20");
    if (how.startsWith("open")) {
        Job job;
        job.units = openSi ? UnitSystem::SI : UnitSystem::US;
        job.inputs.Text(Field::IndoorTemp) = openSi ? "20" : "70";
        job.inputs.Text(Field::Elevation) = openSi ? "100" : "1200";
        QCOMPARE(WriteJob(job, dir.filePath("in.vevi")), QString());
        f.prompts.files = {dir.filePath("in.vevi")};
        f.A("mnuOpenJob")->trigger();
        // 70 °F is 21.1 °C, 1200 ft 365.8 m; 20 °C is 68 °F, 100 m 328.1 ft.
        QCOMPARE(f.B("txtIndoorTemp")->text(), QString(openSi ? "68" : "21.1"));
        QCOMPARE(f.B("txtBaroPress")->text(), QString(openSi ? "328" : "366"));
        SetSi(f, openSi);
    }
    f.prompts.files = {dir.filePath("out.vevi")};
    f.A("mnuSaveJob")->trigger();
    const JobRead read = ReadJob(dir.filePath("out.vevi"));
    QVERIFY2(read.job, qPrintable(read.error));
    QCOMPARE(QString(UnitSystemKey(read.job->units)), units);
    QCOMPARE(QString::fromStdString(read.job->inputs.FieldText(Field::IndoorTemp)), indoor);
    QCOMPARE(QString::fromStdString(read.job->inputs.FieldText(Field::Elevation)), elevation);
    QCOMPARE(read.job->place ? read.job->place->region + "/" + read.job->place->place : QString(),
             place);
}

// The copy says what the window shows, in its units.
void TestUnits::copyInSi() {
    Fixture f(settings_);
    SetSi(f, true);
    f.Go();
    f.A("mnuCopyResults")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(!kInchPound.match(data->text()).hasMatch());
    QVERIFY(!kInchPound.match(data->html()).hasMatch());
    const QStringList lines = data->text().split('\n');
    QCOMPARE(lines.value(0), "Indoor temperature\t18.3\t\u00B0C");
    const auto row = [&f](const char* quantity, const char* unit, const char* suffix) {
        return QStringList{quantity, unit, f.L(qPrintable(QString("lblDrawThru") + suffix))->text(),
                           f.L(qPrintable(QString("lblBloThru") + suffix))->text()}
            .join('\t');
    };
    QVERIFY(lines.contains(row("Inlet airflow", "L/s", "InletCFM")));
    QVERIFY(lines.contains(row("Net available for other loads", "kW", "BTUNet")));
    QVERIFY(lines.contains(row("Discharge temperature", "\u00B0C", "DisTemp")));
}

void TestUnits::exportsInSi_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shows");  // a figure of the window as the file writes it
    Row("csv", "out.csv", "3809");
    Row("text", "out.txt", "3,809");
    // The drawing's caption line gives the site's pressure in the window's units.
    Row("svg", "out.svg", "Barometric pressure: 101.32 kPa");
}

void TestUnits::exportsInSi() {
    QFETCH(QString, name);
    QFETCH(QString, shows);
    QTemporaryDir dir;
    Fixture f(settings_);
    SetSi(f, true);
    f.Go();
    f.prompts.exportPath = dir.filePath(name);
    f.A("mnuExportResults")->trigger();
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(!kInchPound.match(text).hasMatch(), qPrintable(text));
    QVERIFY(text.contains(shows));
}

void TestUnits::focusSelectsSiText_data() {
    QTest::addColumn<QString>("box");
    // Three characters of "18.3" would leave a 3 behind the first digit typed.
    Row("indoor", "txtIndoorTemp");
    Row("limit without a longest text", "txtBloThruDisTemp");
}

// The focus arriving in a box selects its whole SI text, so typing replaces it.
void TestUnits::focusSelectsSiText() {
    QFETCH(QString, box);
    Fixture f(settings_);
    SetSi(f, true);
    InputBox* b = f.B(qPrintable(box));
    b->setFocus(Qt::MouseFocusReason);
    QCOMPARE(b->selectedText(), b->text());
    QTest::keyClicks(b, "21.5");
    QCOMPARE(b->text(), QString("21.5"));
}
