#include <QPaintEvent>

#include "fixture.h"
#include "frm_formulas.h"
#include "tests.h"

using namespace vevi;

namespace {

const QStringList kValueLabels = {
    "lblDrawThruInletCFM",   "lblDrawThruDisCFM",    "lblDrawThruSpaceCFM",  "lblDrawThruInletTemp",
    "lblDrawThruDisTemp",    "lblDrawThruSpaceTemp", "lblDrawThruBTUIn",     "lblDrawThruBTUOut",
    "lblDrawThruBTUAirLoad", "lblDrawThruBTUNet",    "lblBloThruInletCFM",   "lblBloThruDisCFM",
    "lblBloThruSpaceCFM",    "lblBloThruInletTemp",  "lblBloThruDisTemp",    "lblBloThruSpaceTemp",
    "lblBloThruBTUIn",       "lblBloThruBTUOut",     "lblBloThruBTUAirLoad", "lblBloThruBTUNet"};
const QStringList kCaptions = {"Label6",  "Label9",  "Label10", "Label12", "Label13", "Label14",
                               "Label16", "Label17", "Label19", "Label21", "Label22", "Label23",
                               "Label24", "Label25", "Label26", "Label27", "Label28", "Label29",
                               "Label30", "Label31", "Label32", "Label33", "Label34", "Label37",
                               "Label45", "Label46", "Label47", "Label48", "Label49", "Label50"};
const QStringList kPresentation = {"lblDrawThruDisCFM",
                                   "lblDrawThruDisTemp",
                                   "lblBloThruInletCFM",
                                   "lblBloThruInletTemp",
                                   "lblDrawThruBTUIn",
                                   "lblDrawThruBTUOut",
                                   "lblBloThruBTUIn",
                                   "lblBloThruBTUOut",
                                   "Label6",
                                   "Label9",
                                   "Label10",
                                   "Label12",
                                   "Label13",
                                   "Label14",
                                   "Label22",
                                   "Label23",
                                   "Label25",
                                   "Label29",
                                   "Label30",
                                   "Label31"};
const QStringList kNet = {"lblDrawThruBTUAirLoad",
                          "lblDrawThruBTUNet",
                          "lblBloThruBTUAirLoad",
                          "lblBloThruBTUNet",
                          "Label16",
                          "Label17",
                          "Label34",
                          "Label37",
                          "Label45",
                          "Label46",
                          "Label47",
                          "Label48",
                          "Label49",
                          "Label50"};

QStringList VisibleOf(const Fixture& f, const QStringList& names) {
    QStringList shown;
    for (const QString& n : names)
        if (f.Visible(qPrintable(n))) shown << n;
    return shown;
}

}  // namespace

void TestResults::startWritesEveryLabel() {
    Fixture f(settings_);
    f.Go();
    const QString deg = "\u00B0F";
    const QList<QPair<QString, QString>> expected = {{"lblDrawThruInletCFM", "8,070"},
                                                     {"lblDrawThruDisCFM", "10,000"},
                                                     {"lblDrawThruSpaceCFM", "9,211"},
                                                     {"lblDrawThruBTUOut", "1103"},
                                                     {"lblDrawThruBTUIn", "1199"},
                                                     {"lblDrawThruBTUAirLoad", "652"},
                                                     {"lblDrawThruBTUNet", "451"},
                                                     {"lblDrawThruInletTemp", "@ 0" + deg},
                                                     {"lblDrawThruDisTemp", "@  110" + deg},
                                                     {"lblDrawThruSpaceTemp", "@ 65" + deg},
                                                     {"lblBloThruInletCFM", "10,000"},
                                                     {"lblBloThruDisCFM", "13,478"},
                                                     {"lblBloThruSpaceCFM", "11,413"},
                                                     {"lblBloThruBTUOut", "1987"},
                                                     {"lblBloThruBTUIn", "2160"},
                                                     {"lblBloThruBTUAirLoad", "807"},
                                                     {"lblBloThruBTUNet", "1180"},
                                                     {"lblBloThruInletTemp", "@ 0" + deg},
                                                     {"lblBloThruDisTemp", "@  160" + deg},
                                                     {"lblBloThruSpaceTemp", "@ 65" + deg},
                                                     {"lblDrawThruFanTemp", ""},
                                                     {"lblBloThruFanTemp", ""}};
    for (const auto& [name, text] : expected) QCOMPARE(f.L(qPrintable(name))->text(), text);
}

void TestResults::startWritesFormulas() {
    Fixture f(settings_);
    QVERIFY(!f.Formulas());
    f.Go();
    // Filled even though it was never shown.
    frmFormulas* fw = f.Formulas();
    QVERIFY(fw);
    QVERIFY(!fw->isVisible());
    const QList<QPair<QString, QString>> expected = {
        {"lblDrawThruCFMd", "= 10000  x  "},
        {"lblDrawThruInletTempR", "460 + 0"},
        {"lblDrawThruDischargeTempR_0", "460 +  110"},
        {"lblDrawThruDischargeTempR_1", "460 +  110"},
        {"lblDrawThruInletCFM", "  =  8,070 CFM"},
        {"lblDrawThruSpaceCFM", "  =  9,211 NCFM"},
        {"lblDrawThruAirTemp", "460  +   110"},
        {"lblOutputMBHFormula", "10000 x 0.0696 x 0.24 x 60 x 110"},
        {"lblDrawThruInputMBH", "1199 MBH"},
        {"lblBloThruCFMs", "= 13,478  x  "},
        {"lblBloThruBaroPress", "29.92"},
        {"lblBloThruOutputMBHFormula", "10,000 x 0.0863 x 0.24 x 60 x 160"},
        {"lblBloThruInputMBH", "2160 MBH"}};
    for (const auto& [name, text] : expected) QCOMPARE(fw->findChild<QLabel*>(name)->text(), text);
    // The formulas window's own labels, not the main window's namesakes.
    QCOMPARE(f.L("lblDrawThruInletCFM")->text(), QString("8,070"));
}

void TestResults::startState() {
    Fixture f(settings_);
    f.Go();
    QCOMPARE(f.Shown(), 1);
    QCOMPARE(f.Btn("cmdGo")->text(), QString("Shut 'em down"));
    QVERIFY(f.Btn("cmdShowFormulas")->isVisible());
    QCOMPARE(f.Focus(), f.Btn("cmdShowFormulas"));
    QVERIFY(f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(f.A("mnuPrintFormulas")->isEnabled());
    QVERIFY(f.Timer1()->isActive());
    QCOMPARE(f.Timer1()->interval(), 250);
}

void TestResults::flames_data() {
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("drawLimits");  // max discharge, max rise
    QTest::addColumn<QString>("bloLimits");
    QTest::addColumn<QRectF>("draw");
    QTest::addColumn<QRectF>("blo");
    QTest::newRow("defaults") << "0"
                              << "140,110"
                              << "160,160" << QRectF(2550, 1981.25, 459.375, 408.125)
                              << QRectF(3135, 4580, 600, 480);
    QTest::newRow("zero rise") << "0"
                               << "0,0"
                               << "160,0" << QRectF(2550, 2050, 150, 250)
                               << QRectF(3135, 4680, 150, 250);
    // A negative rise shows the zero-rise flame, never a negative or empty picture.
    QTest::newRow("negative rise")
        << "100"
        << "80,50"
        << "20,160" << QRectF(2550, 2050, 150, 250) << QRectF(3135, 4680, 150, 250);
}

void TestResults::flames() {
    QFETCH(QString, outdoor);
    QFETCH(QString, drawLimits);
    QFETCH(QString, bloLimits);
    QFETCH(QRectF, draw);
    QFETCH(QRectF, blo);
    Fixture f(settings_);
    f.B("txtOutdoorTemp")->setText(outdoor);
    f.B("txtDrawThruDisTemp")->setText(drawLimits.section(',', 0, 0));
    f.B("txtDrawThruTempRise")->setText(drawLimits.section(',', 1, 1));
    f.B("txtBloThruDisTemp")->setText(bloLimits.section(',', 0, 0));
    f.B("txtBloThruTempRise")->setText(bloLimits.section(',', 1, 1));
    f.Go();
    QCOMPARE(f.Canvas()->Geometry("imgDrawThruFlame"), draw);
    QCOMPARE(f.Canvas()->Geometry("imgBloThruFlame"), blo);
    QVERIFY(f.Canvas()->IsVisible("imgDrawThruFlame"));
    QVERIFY(f.Canvas()->IsVisible("imgBloThruFlame"));
}

void TestResults::viewsAfterStart_data() {
    QTest::addColumn<bool>("details");
    QTest::addColumn<bool>("presentation");
    QTest::newRow("details") << true << false;
    QTest::newRow("presentation") << false << true;
    QTest::newRow("both checked: details") << true << true;
    QTest::newRow("neither checked: presentation") << false << false;
}

void TestResults::viewsAfterStart() {
    QFETCH(bool, details);
    QFETCH(bool, presentation);
    Fixture f(settings_);
    f.A("mnuViewDetails")->setChecked(details);
    f.A("mnuViewPresentation")->setChecked(presentation);
    f.Go();
    const QStringList all = kValueLabels + kCaptions;
    if (details) {
        QCOMPARE(VisibleOf(f, all), all);
        QVERIFY(f.Canvas()->IsVisible("Line39") && f.Canvas()->IsVisible("Line40"));
    } else {
        QStringList expected;
        for (const QString& n : all)
            if (kPresentation.contains(n)) expected << n;
        QCOMPARE(VisibleOf(f, all), expected);
        QVERIFY(!f.Canvas()->IsVisible("Line39"));
    }
    QVERIFY(f.Visible("lblDrawThruFanTemp") && f.Visible("lblBloThruFanTemp"));
    QCOMPARE(f.L("Label18")->text(), QString("Actual Discharge Temperature (\u00B0F)"));
    QCOMPARE(f.L("Label15")->text(), QString("Actual Temperature Rise (\u00B0F)"));
}

void TestResults::switchingViews() {
    Fixture f(settings_);
    f.Go();
    f.A("mnuViewPresentation")->trigger();
    QVERIFY(!f.A("mnuViewDetails")->isChecked());
    QVERIFY(f.A("mnuViewPresentation")->isChecked());
    QCOMPARE(f.Shown(), 1);  // the rewrite of the limit boxes stops nothing
    // The detail set goes; the net set stays from the Details layout.
    QCOMPARE(VisibleOf(f, kNet), kNet);
    QVERIFY(!f.Visible("lblDrawThruInletCFM"));
    QVERIFY(!f.Visible("Label19"));
    QVERIFY(f.Canvas()->IsVisible("Line39"));
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("110"));
    f.A("mnuViewDetails")->trigger();
    QVERIFY(f.Visible("lblDrawThruInletCFM"));
    QCOMPARE(f.Shown(), 1);
    // Stopped, a view command only moves the check marks.
    f.Go();
    f.A("mnuViewPresentation")->trigger();
    QCOMPARE(VisibleOf(f, kValueLabels + kCaptions), QStringList());
}

void TestResults::stopRestores() {
    Fixture f(settings_);
    f.B("txtBloThruDisTemp")->setText("95");
    f.B("txtDrawThruTempRise")->setText("12a");
    f.Go();
    QCOMPARE(f.B("txtBloThruDisTemp")->text(), QString("95"));
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("95"));
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("12"));
    const QString formulaBefore = f.Formulas()->findChild<QLabel*>("lblBloThruAirDensity")->text();
    f.Go();
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.B("txtBloThruDisTemp")->text(), QString("95"));
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("160"));
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("140"));
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("12a"));
    QCOMPARE(f.L("Label18")->text(), QString("Max. Discharge Temperature (\u00B0F)"));
    QCOMPARE(f.L("Label15")->text(), QString("Max. Temperature Rise (\u00B0F)"));
    QCOMPARE(f.Btn("cmdGo")->text(), QString("Fire 'em up"));
    QVERIFY(!f.Btn("cmdShowFormulas")->isVisible());
    QVERIFY(!f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(!f.A("mnuPrintFormulas")->isEnabled());
    QVERIFY(!f.Timer1()->isActive());
    QCOMPARE(VisibleOf(f, kValueLabels + kCaptions), QStringList());
    QVERIFY(!f.Canvas()->IsVisible("imgDrawThruFlame"));
    QVERIFY(!f.Canvas()->IsVisible("Line40"));
    QCOMPARE(f.L("lblDrawThruInletCFM")->text(), QString("0"));
    QCOMPARE(f.L("lblBloThruDisTemp")->text(), QString());
    QCOMPARE(f.L("lblBloThruBTUAirLoad")->text(), QString("807"));  // not reset
    QCOMPARE(f.Formulas()->findChild<QLabel*>("lblBloThruAirDensity")->text(), formulaBefore);
}

void TestResults::limitBoxesShowWholeValues() {
    Fixture f(settings_);
    // An actual rise of 137.5 shows whole, though the rise box holds three characters.
    f.B("txtOutdoorTemp")->setText("-40");
    f.B("txtDrawThruDisTemp")->setText("97.5");
    f.B("txtDrawThruTempRise")->setText("150");
    f.Go();
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("137.5"));
    QCOMPARE(f.B("txtDrawThruDisTemp")->text(), QString("97.5"));
    f.Go();
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("150"));
    // Typing still stops at the longest text.
    f.B("txtDrawThruTempRise")->setFocus();
    f.B("txtDrawThruTempRise")->selectAll();
    QTest::keyClicks(f.B("txtDrawThruTempRise"), "1375");
    QCOMPARE(f.B("txtDrawThruTempRise")->text(), QString("137"));
}

void TestResults::wheels() {
    Fixture f(settings_);
    DiagramCanvas* c = f.Canvas();
    auto set = [&](int first, int last) {
        QList<bool> v;
        for (int n = first; n <= last; ++n) v << c->IsVisible(QStringLiteral("Line%1").arg(n));
        return v;
    };
    const QList<bool> on(4, true), off(4, false);
    // The first tick leaves the Draw Thru wheel as it is and turns the Blow Thru wheel.
    f.Diagram()->TurnWheels();
    QCOMPARE(set(23, 26), on);
    QCOMPARE(set(27, 30), off);
    QCOMPARE(set(31, 34), on);
    QCOMPARE(set(35, 38), off);
    QCOMPARE(f.Diagram()->WheelPhase(), 1);
    f.Diagram()->TurnWheels();
    QCOMPARE(set(23, 26), off);
    QCOMPARE(set(27, 30), on);
    QCOMPARE(set(31, 34), off);
    QCOMPARE(set(35, 38), on);
    QCOMPARE(f.Diagram()->WheelPhase(), 0);
    // The phase carries over a stop and a new start.
    f.Diagram()->TurnWheels();
    f.Go();
    f.Go();
    QCOMPARE(f.Diagram()->WheelPhase(), 1);
    QCOMPARE(set(31, 34), on);
    f.Go();
    QCOMPARE(f.Diagram()->WheelPhase(), 1);
}

namespace {
// Records the areas the canvas is asked to repaint.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};
}  // namespace

void TestResults::timerRepaintsOnlyWheels() {
    Fixture f(settings_);
    f.Go();
    QCoreApplication::processEvents();
    PaintSpy spy;
    f.Canvas()->installEventFilter(&spy);
    f.Diagram()->TurnWheels();
    QCoreApplication::processEvents();
    const QRect wheels = TwipsRect(2300, 2000, 2200, 3150);  // both wheels and a margin
    QVERIFY(!spy.painted.isEmpty());
    QVERIFY2(wheels.contains(spy.painted.boundingRect()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(spy.painted.boundingRect().x())
                            .arg(spy.painted.boundingRect().y())
                            .arg(spy.painted.boundingRect().width())
                            .arg(spy.painted.boundingRect().height())));
    QVERIFY(spy.painted.boundingRect().width() * spy.painted.boundingRect().height() <
            f.Canvas()->width() * f.Canvas()->height() / 8);
}

void TestResults::formulasWindow() {
    Fixture f(settings_);
    f.Go();
    f.Btn("cmdShowFormulas")->click();
    frmFormulas* fw = f.Formulas();
    QTRY_VERIFY(fw->isVisible());
    QVERIFY(fw->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(fw->windowTitle(), QString("Formulas"));
    fw->findChild<QPushButton*>("cmdShowGraphics")->click();
    QVERIFY(!fw->isVisible());
    // Shown again with the same texts; the next start fills it anew even while hidden.
    f.Btn("cmdShowFormulas")->click();
    QCOMPARE(fw->findChild<QLabel*>("lblDrawThruInputMBH")->text(), QString("1199 MBH"));
    fw->hide();
    f.Go();
    f.B("txtDrawThruFanCapacity")->setText("20000");
    f.Go();
    QCOMPARE(fw->findChild<QLabel*>("lblDrawThruInputMBH")->text(), QString("2397 MBH"));
}
