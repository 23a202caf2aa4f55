#include <QClipboard>

#include "fixture.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "tests.h"

using namespace vevi;

namespace {

// Types a text into a box as a user would: focus, select all, type.
void TypeInto(Fixture& f, const char* box, const QString& text) {
    InputBox* b = f.B(box);
    b->setFocus(Qt::MouseFocusReason);
    b->selectAll();
    if (text.isEmpty())
        QTest::keyClick(b, Qt::Key_Delete);
    else
        QTest::keyClicks(b, text);
}

// Leaves the box with Enter and lets the range check run.
void Leave(Fixture& f, const char* box) {
    QTest::keyClick(f.B(box), Qt::Key_Return);
    Fixture::Settle();
}

}  // namespace

void TestInputs::enterOutOfRange() {
    Fixture f(settings_);
    QWidget* focusDuringWarning = nullptr;
    f.prompts.onWarn = [&] { focusDuringWarning = f.Focus(); };
    TypeInto(f, "txtOutdoorTemp", "125");
    Leave(f, "txtOutdoorTemp");
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.shown[0].kind, QString("warn"));
    QCOMPARE(f.prompts.shown[0].text,
             QString("The outdoor temperature must be between -40 and 120"));
    QCOMPARE(f.prompts.shown[0].title, QString("Invalid Value"));
    // The focus had moved on toward the elevation box before the warning.
    QCOMPARE(focusDuringWarning, f.B("txtBaroPress"));
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString());
    QCOMPARE(f.Focus(), f.B("txtOutdoorTemp"));
}

void TestInputs::bounds_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");  // empty: accepted
    const QString outdoor = "The outdoor temperature must be between -40 and 120";
    const QString indoor = "The indoor temperature must be between 30 and 150";
    const QString elevation = "The elevation must be between -10,000 and 145,365 ft";
    auto row = [](const char* name, const char* box, const char* text, const QString& w) {
        QTest::newRow(name) << QString(box) << QString(text) << w;
    };
    row("outdoor -40", "txtOutdoorTemp", "-40", "");
    row("outdoor 120", "txtOutdoorTemp", "120", "");
    row("outdoor -41", "txtOutdoorTemp", "-41", outdoor);
    row("outdoor 121", "txtOutdoorTemp", "121", outdoor);
    row("outdoor abc", "txtOutdoorTemp", "abc", "");
    row("indoor 30", "txtIndoorTemp", "30", "");
    row("indoor 150", "txtIndoorTemp", "150", "");
    row("indoor 29.9", "txtIndoorTemp", "29.9", indoor);
    row("indoor 150.1", "txtIndoorTemp", "150.1", indoor);
    row("indoor abc", "txtIndoorTemp", "abc", indoor);
    row("draw discharge 0", "txtDrawThruDisTemp", "0", "");
    row("draw discharge 160", "txtDrawThruDisTemp", "160", "");
    row("draw discharge 161", "txtDrawThruDisTemp", "161",
        "The Draw Thru discharge temperature must be between 0 and 160");
    row("draw discharge 12abc", "txtDrawThruDisTemp", "12abc", "");
    row("blow discharge 160.5", "txtBloThruDisTemp", "160.5",
        "The Blow Thru discharge temperature must be between 0 and 160");
    row("blow discharge -1", "txtBloThruDisTemp", "-1",
        "The Blow Thru discharge temperature must be between 0 and 160");
    row("draw rise 160", "txtDrawThruTempRise", "160", "");
    row("draw rise -1", "txtDrawThruTempRise", "-1",
        "The temperature rise must be between 0 and 160");
    row("blow rise 1e3", "txtBloThruTempRise", "1e3",
        "The Blow Thru temperature rise must be between 0 and 160");
    row("blow rise abc", "txtBloThruTempRise", "abc", "");
    row("draw fan 0", "txtDrawThruFanCapacity", "0", "");
    row("draw fan 500000", "txtDrawThruFanCapacity", "500000", "");
    row("draw fan 500001", "txtDrawThruFanCapacity", "500001",
        "The Draw Thru fan capacity must be between 0 and 500,000");
    row("blow fan 500000", "txtBloThruFanCapacity", "500000", "");
    row("blow fan 500001", "txtBloThruFanCapacity", "500001",
        "The Blow Thru fan capacity must be between 0 and 500,000");
    row("blow fan -1", "txtBloThruFanCapacity", "-1",
        "The Blow Thru fan capacity must be between 0 and 500,000");
    row("elevation 99999", "txtBaroPress", "99999", "");
    row("elevation -500", "txtBaroPress", "-500", "");
    row("elevation abc", "txtBaroPress", "abc", "");
    row("elevation 145365", "txtBaroPress", "145365", "");
    row("elevation -10000", "txtBaroPress", "-10000", "");
    row("elevation 145366", "txtBaroPress", "145366", elevation);
    row("elevation -10001", "txtBaroPress", "-10001", elevation);
    row("elevation 1e999", "txtBaroPress", "1e999", elevation);
    row("elevation -1e300", "txtBaroPress", "-1e300", elevation);
}

void TestInputs::bounds() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    Fixture f(settings_);
    TypeInto(f, qPrintable(box), text);
    f.Btn("cmdSelectCity")->setFocus(Qt::MouseFocusReason);  // a leave by the mouse
    Fixture::Settle();
    if (warning.isEmpty()) {
        QCOMPARE(f.prompts.Warnings(), QStringList());
        QCOMPARE(f.B(qPrintable(box))->text(), text);  // left exactly as typed
    } else {
        QCOMPARE(f.prompts.Warnings(), QStringList{warning});
        QCOMPARE(f.prompts.shown[0].title, QString("Invalid Value"));
        QCOMPARE(f.B(qPrintable(box))->text(), QString());
        QCOMPARE(f.Focus(), f.B(qPrintable(box)));
    }
}

void TestInputs::emptiedIndoorRejectedAgain() {
    Fixture f(settings_);
    TypeInto(f, "txtIndoorTemp", "200");
    Leave(f, "txtIndoorTemp");
    QCOMPARE(f.prompts.Warnings().size(), 1);
    Leave(f, "txtIndoorTemp");
    QCOMPARE(f.prompts.Warnings().size(), 2);
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
    // Every other box passes with its emptied text.
    TypeInto(f, "txtIndoorTemp", "70");
    TypeInto(f, "txtOutdoorTemp", "999");
    Fixture::Settle();
    Leave(f, "txtOutdoorTemp");
    Leave(f, "txtOutdoorTemp");
    QCOMPARE(f.prompts.Warnings().size(), 3);
    QCOMPARE(f.Focus(), f.B("txtBaroPress"));
}

void TestInputs::oneWarningPerLeave() {
    Fixture f(settings_);
    // The box about to get the focus holds a bad value of its own: it does not warn when
    // the focus is put back into the refused box.
    f.B("txtBaroPress")->setText("999999");
    int nested = 0;
    f.prompts.onWarn = [&] { nested += f.prompts.Warnings().size() > 1; };
    TypeInto(f, "txtOutdoorTemp", "125");
    Leave(f, "txtOutdoorTemp");
    QCOMPARE(f.prompts.Warnings(),
             QStringList{"The outdoor temperature must be between -40 and 120"});
    QCOMPARE(nested, 0);
    QCOMPARE(f.Focus(), f.B("txtOutdoorTemp"));
}

void TestInputs::otherWindowIsNoLeave() {
    Fixture f(settings_);
    TypeInto(f, "txtOutdoorTemp", "125");
    // The About box taking the focus is not a leave.
    f.A("mnuAbout")->trigger();
    QTest::qWait(50);
    Fixture::Settle();
    QCOMPARE(f.prompts.Warnings(), QStringList());
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString("125"));
}

void TestInputs::returnFromOtherWindowLeavesOnce_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("about box") << "about";
    QTest::newRow("formulas window") << "formulas";
}

void TestInputs::returnFromOtherWindowLeavesOnce() {
    QFETCH(QString, window);
    Fixture f(settings_);
    f.Go();
    TypeInto(f, "txtIndoorTemp", "200");  // stops the display; the box is not left
    f.Go();
    Fixture::Settle();
    QCOMPARE(f.prompts.Warnings().size(), 1);  // the click on the button left it
    f.prompts.shown.clear();
    TypeInto(f, "txtIndoorTemp", "200");
    if (window == "about") {
        f.A("mnuAbout")->trigger();
        QTest::qWait(20);
        f.About()->findChild<QPushButton*>("Cmd_OK")->click();
    } else {
        f.Formulas()->show();
        f.Formulas()->activateWindow();
        QTest::qWait(20);
        f.Formulas()->cmdShowGraphics_Click();
    }
    QTest::qWait(20);
    Fixture::Settle();
    // Coming back moves the focus to "Select a City": one leave, one warning, focus back.
    QCOMPARE(f.prompts.Warnings(),
             QStringList{"The indoor temperature must be between 30 and 150"});
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
}

void TestInputs::clickOnGoAfterRefusedLeave() {
    Fixture f(settings_);
    TypeInto(f, "txtDrawThruFanCapacity", "900000");
    QTest::mouseClick(f.Btn("cmdGo"), Qt::LeftButton);
    Fixture::Settle();
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QCOMPARE(f.Shown(), 0);  // the click that left the box starts nothing
    QCOMPARE(f.Focus(), f.B("txtDrawThruFanCapacity"));
}

void TestInputs::limitBoxShowingActualValueIsNotChecked() {
    Fixture f(settings_);
    // Outdoor 56 above a discharge limit of 0: the actual rise shown is -56.
    f.B("txtOutdoorTemp")->setText("56");
    f.B("txtBloThruDisTemp")->setText("0");
    f.Go();
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("-56"));
    f.B("txtBloThruTempRise")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(f.B("txtBloThruTempRise"), Qt::Key_Up);  // leaves the box
    Fixture::Settle();
    // The program's own figure is no input to refuse; the display and the limit stay.
    QCOMPARE(f.prompts.Warnings(), QStringList());
    QCOMPARE(f.Shown(), 1);
    f.Go();
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("160"));
}

void TestInputs::longestText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("longest");  // 0: no limit
    QTest::newRow("indoor") << "txtIndoorTemp" << 5;
    QTest::newRow("outdoor") << "txtOutdoorTemp" << 3;
    QTest::newRow("elevation") << "txtBaroPress" << 6;
    QTest::newRow("draw discharge") << "txtDrawThruDisTemp" << 0;
    QTest::newRow("draw rise") << "txtDrawThruTempRise" << 3;
    QTest::newRow("draw fan") << "txtDrawThruFanCapacity" << 7;
    QTest::newRow("blow discharge") << "txtBloThruDisTemp" << 0;
    QTest::newRow("blow rise") << "txtBloThruTempRise" << 0;
    QTest::newRow("blow fan") << "txtBloThruFanCapacity" << 6;
}

void TestInputs::longestText() {
    QFETCH(QString, box);
    QFETCH(int, longest);
    Fixture f(settings_);
    const QString typed = "1234567890";
    TypeInto(f, qPrintable(box), typed);
    QCOMPARE(f.B(qPrintable(box))->text(), longest ? typed.left(longest) : typed);
    // A paste puts in its first characters up to the longest text, where the cursor stands.
    f.B(qPrintable(box))->setText("");
    QApplication::clipboard()->setText(typed);
    QTest::keyClick(f.B(qPrintable(box)), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.B(qPrintable(box))->text(), longest ? typed.left(longest) : typed);
    if (longest > 1) {
        f.B(qPrintable(box))->setText("ab");
        f.B(qPrintable(box))->setCursorPosition(1);
        QTest::keyClick(f.B(qPrintable(box)), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.B(qPrintable(box))->text(), "a" + typed.left(longest - 2) + "b");
    }
    // A text the program puts in is cut the same way.
    f.B(qPrintable(box))->PutText("-40.5abcdefgh");
    QCOMPARE(f.B(qPrintable(box))->text(),
             longest ? QString("-40.5abcdefgh").left(longest) : QString("-40.5abcdefgh"));
}

void TestInputs::selectionOnFocus_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::newRow("draw fan 250000") << "txtDrawThruFanCapacity"
                                     << "250000"
                                     << "250000";
    QTest::newRow("elevation 123456") << "txtBaroPress"
                                      << "123456"
                                      << "12345";
    QTest::newRow("indoor 65.55") << "txtIndoorTemp"
                                  << "65.55"
                                  << "65.";
    QTest::newRow("blow discharge") << "txtBloThruDisTemp"
                                    << "155.5"
                                    << "155";
    QTest::newRow("blow fan") << "txtBloThruFanCapacity"
                              << "123456"
                              << "123456";
    QTest::newRow("empty") << "txtOutdoorTemp"
                           << ""
                           << "";
}

void TestInputs::selectionOnFocus() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    Fixture f(settings_);
    f.B(qPrintable(box))->setText(text);
    f.B(qPrintable(box))->setFocus(Qt::OtherFocusReason);
    QCOMPARE(f.B(qPrintable(box))->selectedText(), selected);
    QCOMPARE(f.B(qPrintable(box))->selectionStart(), selected.isEmpty() ? -1 : 0);
}

void TestInputs::entryChain_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("indoor") << "txtIndoorTemp"
                            << "txtOutdoorTemp";
    QTest::newRow("outdoor") << "txtOutdoorTemp"
                             << "txtBaroPress";
    QTest::newRow("elevation") << "txtBaroPress"
                               << "txtDrawThruDisTemp";
    QTest::newRow("draw discharge") << "txtDrawThruDisTemp"
                                    << "txtDrawThruTempRise";
    QTest::newRow("draw rise") << "txtDrawThruTempRise"
                               << "txtDrawThruFanCapacity";
    QTest::newRow("draw fan") << "txtDrawThruFanCapacity"
                              << "txtBloThruFanCapacity";
    QTest::newRow("blow discharge") << "txtBloThruDisTemp"
                                    << "txtBloThruTempRise";
    QTest::newRow("blow rise") << "txtBloThruTempRise"
                               << "txtBloThruFanCapacity";
    QTest::newRow("blow fan") << "txtBloThruFanCapacity"
                              << "cmdGo";
}

void TestInputs::entryChain() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        Fixture f(settings_);
        f.B("txtBaroPress")->setText("123456");
        const QString before = f.B(qPrintable(from))->text();
        f.B(qPrintable(from))->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.B(qPrintable(from)), key);
        Fixture::Settle();
        QCOMPARE(f.Focus()->objectName(), to);
        QCOMPARE(f.B(qPrintable(from))->text(), before);  // neither key enters the text
        if (from == "txtOutdoorTemp") QCOMPARE(f.B("txtBaroPress")->selectedText(), "1234");
    }
}

void TestInputs::arrows_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("down");
    QTest::addColumn<QString>("up");
    QTest::newRow("indoor") << "txtIndoorTemp"
                            << "txtIndoorTemp"
                            << "txtOutdoorTemp";
    QTest::newRow("outdoor") << "txtOutdoorTemp"
                             << "txtIndoorTemp"
                             << "txtOutdoorTemp";
    QTest::newRow("elevation") << "txtBaroPress"
                               << "txtDrawThruDisTemp"
                               << "txtIndoorTemp";
    QTest::newRow("draw discharge") << "txtDrawThruDisTemp"
                                    << "txtDrawThruTempRise"
                                    << "frmCities";
    QTest::newRow("draw rise") << "txtDrawThruTempRise"
                               << "txtDrawThruFanCapacity"
                               << "txtDrawThruDisTemp";
    QTest::newRow("draw fan") << "txtDrawThruFanCapacity"
                              << "txtBloThruFanCapacity"
                              << "txtDrawThruTempRise";
    QTest::newRow("blow discharge") << "txtBloThruDisTemp"
                                    << "txtBloThruTempRise"
                                    << "txtDrawThruFanCapacity";
    QTest::newRow("blow rise") << "txtBloThruTempRise"
                               << "txtBloThruFanCapacity"
                               << "txtDrawThruFanCapacity";
    QTest::newRow("blow fan") << "txtBloThruFanCapacity"
                              << "cmdGo"
                              << "txtDrawThruFanCapacity";
}

void TestInputs::arrows() {
    QFETCH(QString, from);
    QFETCH(QString, down);
    QFETCH(QString, up);
    for (const auto& [key, target] : {std::pair{Qt::Key_Down, down}, std::pair{Qt::Key_Up, up}}) {
        for (Qt::KeyboardModifiers mods :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
            Fixture f(settings_);
            f.B(qPrintable(from))->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(f.B(qPrintable(from)), key, mods);
            Fixture::Settle();
            if (target == "frmCities") {
                QVERIFY(f.Cities() && f.Cities()->isVisible());
                QVERIFY(!f.w->isEnabled());
                f.Cities()->hide();
                f.w->setEnabled(true);
            } else {
                QCOMPARE(f.Focus()->objectName(), target);
            }
        }
    }
}

void TestInputs::tabOnButtons() {
    Fixture f(settings_);
    f.Go();
    QCOMPARE(f.Focus(), f.Btn("cmdShowFormulas"));
    QTest::keyClick(f.Btn("cmdShowFormulas"), Qt::Key_Tab);
    QCOMPARE(f.Focus(), f.Btn("cmdGo"));
    // Elsewhere Tab is no stop of the toolkit's own order: a button without a documented
    // target leads into the first box.
    QTest::keyClick(f.Btn("cmdGo"), Qt::Key_Tab);
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
}

void TestInputs::changeStopsDisplay_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("after");
    QTest::newRow("plain box keeps the character") << "txtOutdoorTemp"
                                                   << "05";
    QTest::newRow("limit box shows its limit") << "txtBloThruDisTemp"
                                               << "160";
    QTest::newRow("rise box shows its limit") << "txtBloThruTempRise"
                                              << "160";
}

void TestInputs::changeStopsDisplay() {
    QFETCH(QString, box);
    QFETCH(QString, after);
    Fixture f(settings_);
    f.Go();
    InputBox* b = f.B(qPrintable(box));
    b->setFocus(Qt::MouseFocusReason);
    b->deselect();
    b->end(false);
    QTest::keyClick(b, Qt::Key_5);
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.Btn("cmdGo")->text(), QString("Fire 'em up"));
    QVERIFY(!f.Timer1()->isActive());
    QCOMPARE(b->text(), after);
    QVERIFY(!f.Visible("lblDrawThruBTUOut"));
}

void TestInputs::elevationRefusedAtStart_data() {
    QTest::addColumn<QString>("elevation");
    QTest::addColumn<bool>("starts");
    QTest::newRow("1e999") << "1e999" << false;
    QTest::newRow("-1e300") << "-1e300" << false;
    QTest::newRow("200000") << "200000" << false;
    QTest::newRow("99999") << "99999" << true;
    QTest::newRow("abc") << "abc" << true;
}

void TestInputs::elevationRefusedAtStart() {
    QFETCH(QString, elevation);
    QFETCH(bool, starts);
    settings_.Set("Elevation", elevation);
    Fixture f(settings_);
    QCOMPARE(f.B("txtBaroPress")->text(), elevation.left(6));
    f.Go();
    QCOMPARE(f.Shown(), starts ? 1 : 0);
    const QStringList expected =
        starts ? QStringList()
               : QStringList{"The elevation must be between -10,000 and 145,365 ft"};
    QCOMPARE(f.prompts.Warnings(), expected);
    QCOMPARE(f.Timer1()->isActive(), starts);
    // Every matching command refuses it the same way and writes nothing.
    for (const char* item : {"mnuMatchOutputCapacity", "mnuMatchAirflow"}) {
        f.prompts.shown.clear();
        f.prompts.answers = {"10"};
        f.A(item)->trigger();
        QCOMPARE(f.prompts.Warnings(), expected);
        QCOMPARE(f.Shown(), starts ? 1 : 0);
        if (!starts) QCOMPARE(f.B("txtBloThruFanCapacity")->text(), QString("10000"));
    }
}

void TestInputs::matching_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("blo");
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("shown");  // label=text pairs after the start
    QTest::addColumn<bool>("running");
    QTest::newRow("output") << "mnuMatchOutputCapacity"
                            << "Enter the desired output capacity for each heater (MBH):"
                            << "1000"
                            << "8051"
                            << "9802"
                            << "lblBloThruBTUOut=1000,lblDrawThruBTUOut=1000" << false;
    QTest::newRow("input, running") << "mnuMatchInputCapacity"
                                    << "Enter the desired input capacity for each heater (MBH):"
                                    << "1,000 MBH"
                                    << "7407"
                                    << "9018"
                                    << "lblBloThruBTUOut=920,lblDrawThruBTUOut=920" << true;
    QTest::newRow("net") << "mnuMatchNetCapacity"
                         << "Enter the desired net capacity for each heater (MBH):"
                         << "500"
                         << "11502"
                         << "14003"
                         << "lblBloThruBTUNet=500,lblDrawThruBTUNet=500" << true;
    QTest::newRow("airflow") << "mnuMatchAirflow"
                             << "Enter the desired blower airflow for each heater (cfm):"
                             << "12,345.6"
                             << "12346"
                             << "12346"
                             << "lblBloThruInletCFM=12,346,lblDrawThruDisCFM=12,346" << false;
}

void TestInputs::matching() {
    QFETCH(QString, item);
    QFETCH(QString, prompt);
    QFETCH(QString, answer);
    QFETCH(QString, blo);
    QFETCH(QString, draw);
    QFETCH(QString, shown);
    QFETCH(bool, running);
    Fixture f(settings_);
    for (const char* box :
         {"txtBloThruTempRise", "txtBloThruDisTemp", "txtDrawThruTempRise", "txtDrawThruDisTemp"})
        f.B(box)->setText("100");
    if (running) f.Go();
    f.prompts.answers = {answer};
    f.A(qPrintable(item))->trigger();
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.shown[0].text, prompt);
    QCOMPARE(f.prompts.shown[0].title, QString("Enter Data"));
    QCOMPARE(f.Shown(), 1);
    QCOMPARE(f.B("txtBloThruFanCapacity")->text(), blo);
    QCOMPARE(f.B("txtDrawThruFanCapacity")->text(), draw);
    for (const QString& pair : shown.split(',')) {
        if (!pair.contains('=')) continue;
        const QString name = pair.section('=', 0, 0);
        QString text = pair.section('=', 1);
        if (name.endsWith("CFM")) text = "12,346";
        QCOMPARE(f.L(qPrintable(name))->text(), text);
    }
    // The user's limits were read, not the actual values a running display showed.
    QCOMPARE(f.B("txtBloThruTempRise")->text(), QString("100"));
}

void TestInputs::matchingAnswersThatChangeNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("cancel") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("text") << "lots";
}

void TestInputs::matchingAnswersThatChangeNothing() {
    QFETCH(QString, answer);
    for (const char* item : {"mnuMatchInputCapacity", "mnuMatchOutputCapacity",
                             "mnuMatchNetCapacity", "mnuMatchAirflow"}) {
        Fixture f(settings_);
        f.Go();
        f.prompts.answers = {answer};
        f.A(item)->trigger();
        QCOMPARE(f.Shown(), 0);  // a running comparison is left stopped
        QCOMPARE(f.B("txtBloThruFanCapacity")->text(), QString("10000"));
        QCOMPARE(f.B("txtDrawThruFanCapacity")->text(), QString("10000"));
        QCOMPARE(f.B("txtBloThruDisTemp")->text(), QString("160"));
        QCOMPARE(f.prompts.Warnings(), QStringList());
    }
}

void TestInputs::matchingZeroDivisor() {
    Fixture f(settings_);
    f.B("txtDrawThruTempRise")->setText("0");
    f.prompts.answers = {"1000"};
    f.A("mnuMatchOutputCapacity")->trigger();
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.B("txtBloThruFanCapacity")->text(), QString("10000"));
    QCOMPARE(f.B("txtDrawThruFanCapacity")->text(), QString("10000"));
    // Net with a discharge equal to the indoor temperature.
    f.B("txtDrawThruTempRise")->setText("110");
    f.B("txtBloThruDisTemp")->setText("65");
    f.prompts.answers = {"500"};
    f.A("mnuMatchNetCapacity")->trigger();
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.B("txtBloThruFanCapacity")->text(), QString("10000"));
}

void TestInputs::matchingTooLong() {
    Fixture f(settings_);
    f.prompts.answers = {"1234567"};
    f.A("mnuMatchAirflow")->trigger();
    QCOMPARE(f.prompts.Warnings().size(), 1);
    QVERIFY(f.prompts.Warnings()[0].contains("Blow Thru"));
    QVERIFY(!f.prompts.Warnings()[0].contains("Draw Thru"));
    QCOMPARE(f.prompts.shown.last().title, QString("Invalid Value"));
    QCOMPARE(f.B("txtBloThruFanCapacity")->text(), QString("10000"));
    QCOMPARE(f.B("txtDrawThruFanCapacity")->text(), QString("10000"));
    QCOMPARE(f.Shown(), 0);
}
