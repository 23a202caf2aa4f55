#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QWindow>

#include "fixture.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "tests.h"

using namespace vevi;

namespace {

frmCities* Open(Fixture& f) {
    QTest::mouseClick(f.Btn("cmdSelectCity"), Qt::LeftButton);
    return f.Cities();
}

void Pick(frmCities* c, int state, int city) {
    c->findChild<QListWidget*>("lstState")->setCurrentRow(state);
    c->findChild<QListWidget*>("lstCities")->setCurrentRow(city);
}

}  // namespace

void TestLocation::okCopiesAndStopsDisplay() {
    Fixture f(settings_);
    f.Go();
    frmCities* c = Open(f);
    QVERIFY(c && c->isVisible());
    QVERIFY(!f.w->isEnabled());
    QVERIFY(!f.w->menuBar()->isEnabled());
    QVERIFY(c->isEnabled());          // disabling the main window leaves the dialog usable
    QVERIFY(f.Timer1()->isActive());  // a comparison on display keeps animating
    Pick(c, 51, 0);                   // Wyoming, Big Piney
    c->findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(f.B("txtBaroPress")->text(), QString("6969"));
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("-22"));
    QCOMPARE(f.Shown(), 0);  // the copy is a change: the display stops
    QVERIFY(f.w->isEnabled());
    QVERIFY(!c->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    QCOMPARE(settings_.Get("State"), QString("51"));
    QCOMPARE(settings_.Get("City"), QString("0"));
}

void TestLocation::okWithoutSaving() {
    Fixture f(settings_);
    f.A("mnuSaveSettings")->trigger();  // unchecked now
    frmCities* c = Open(f);
    Pick(c, 5, 0);  // Alamosa
    c->findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(f.B("txtBaroPress")->text(), QString("7543"));
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("-17"));
    QCOMPARE(settings_.Get("State"), QString());
    QCOMPARE(settings_.Get("City"), QString());
}

void TestLocation::closingEnablesMainWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close button") << "close";
}

void TestLocation::closingEnablesMainWindow() {
    QFETCH(QString, how);
    Fixture f(settings_);
    f.B("txtOutdoorTemp")->setText("12");
    frmCities* c = Open(f);
    Pick(c, 0, 1);
    if (how == "cancel")
        c->findChild<QPushButton*>("cmdCancel")->click();
    else if (how == "escape")
        QTest::keyClick(c, Qt::Key_Escape);
    else
        c->close();
    QVERIFY(!c->isVisible());
    QVERIFY(f.w->isEnabled());
    QVERIFY(f.w->menuBar()->isEnabled());
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("12"));  // nothing copied
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // Shown again, the same dialog refills from the city still selected.
    frmCities* again = Open(f);
    QCOMPARE(again, c);
    QCOMPARE(c->findChild<QLineEdit*>("txtElevation")->text(), QString("630"));
    c->findChild<QPushButton*>("cmdCancel")->click();
}

void TestLocation::elevationFromDialogRefusedAtStart() {
    Fixture f(settings_);
    frmCities* c = Open(f);
    c->findChild<QListWidget*>("lstState")->setCurrentRow(3);  // no city selected
    c->findChild<QLineEdit*>("txtElevation")->setText("1e999");
    c->findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(f.B("txtBaroPress")->text(), QString("1e999"));
    f.Go();
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.prompts.Warnings(),
             QStringList{"The elevation must be between -10,000 and 145,365 ft"});
}

void TestLocation::printMenusStayDisabledAfterDialog() {
    Fixture f(settings_);
    frmCities* c = Open(f);
    QVERIFY(!f.A("mnuPrintGraphics")->isEnabled());
    c->findChild<QPushButton*>("cmdCancel")->click();
    // Enabling the window again must not enable the print items of a stopped comparison.
    QVERIFY(!f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(!f.A("mnuPrintFormulas")->isEnabled());
    QVERIFY(!f.A("mnuExportResults")->isEnabled());
    QVERIFY(!f.A("mnuCopyResults")->isEnabled());
    f.Go();
    Open(f);
    f.Cities()->findChild<QPushButton*>("cmdCancel")->click();
    QVERIFY(f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(f.A("mnuPrintFormulas")->isEnabled());
    QVERIFY(f.A("mnuExportResults")->isEnabled());
    QVERIFY(f.A("mnuCopyResults")->isEnabled());
}

void TestLocation::selectCityAfterRefusedLeave() {
    Fixture f(settings_);
    f.B("txtIndoorTemp")->setFocus(Qt::MouseFocusReason);
    f.B("txtIndoorTemp")->selectAll();
    QTest::keyClicks(f.B("txtIndoorTemp"), "200");
    QTest::mouseClick(f.Btn("cmdSelectCity"), Qt::LeftButton);
    Fixture::Settle();
    // The click that left the refused box opens nothing; the focus is back in the box.
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QVERIFY(!f.Cities() || !f.Cities()->isVisible());
    QVERIFY(f.w->isEnabled());
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
}

// While the dialog is up nothing else takes input or can be brought over it: the formulas
// window and the About box wait too, and the dialog stays above the main window.
void TestLocation::otherWindowsWaitForDialog() {
    Fixture f(settings_);
    f.Go();
    f.Btn("cmdShowFormulas")->click();
    f.A("mnuAbout")->trigger();
    QWidget* formulas = f.Formulas();
    QWidget* about = f.About();
    frmCities* c = Open(f);
    QVERIFY(c->isEnabled());
    QVERIFY(!formulas->isEnabled());
    QVERIFY(!about->isEnabled());
    QCOMPARE(c->windowHandle()->transientParent(), f.w->windowHandle());
    c->findChild<QPushButton*>("cmdCancel")->click();
    QVERIFY(formulas->isEnabled());
    QVERIFY(about->isEnabled());
    QVERIFY(f.w->isEnabled());
}
