#include <QAccessible>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <cmath>

#include "contrast.h"
#include "fixture.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "frm_guide.h"
#include "tests.h"

using namespace vevi;

namespace {

// A key as the user presses it: to the open menu, or else to the control with the focus.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    QVERIFY2(target, "no control to press a key on");
    QTest::keyClick(target, Qt::Key(key), modifiers);
    Fixture::Settle();
}

void Type(const QString& text) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// A dark desktop theme for the length of a test: Fusion with light text on near-black.
struct DarkDesktop {
    QString style = QApplication::style()->name();
    QPalette before = QApplication::palette();
    DarkDesktop() {
        QApplication::setStyle("Fusion");
        QPalette dark = QApplication::style()->standardPalette();
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(0x22, 0x20, 0x20));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() {
        QApplication::setStyle(style);
        QApplication::setPalette(before);
    }
};

// The colour most of the area shows: what the text stands on.
QColor Behind(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most)) most = it.key();
    return QColor(most);
}

// The contrast of the area's most contrasting pixel against what it stands on: the ink.
double InkContrast(const QImage& image, QRect area, QColor behind) {
    double best = 1;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast(QColor(image.pixel(x, y)), behind));
    return best;
}

// The page rendered back without smoothing, one pixel a point; null when the tool is missing.
QImage RenderPage(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    if (tool.isEmpty()) return QImage();
    QProcess render;
    render.start(tool,
                 {"-png", "-r", "72", "-aa", "no", "-aaVector", "no", "-singlefile", pdf, pdf});
    render.waitForFinished();
    return QImage(pdf + ".png");
}

}  // namespace

void TestKeys::keyboardOnly() {
    Fixture f(settings_);
    QCOMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // The location dialog: Enter on "Select a City", Escape.
    Press(Qt::Key_Return);
    QVERIFY(f.Cities() && f.Cities()->isVisible());
    QVERIFY(!f.w->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), f.Cities());
    Press(Qt::Key_Escape);
    QVERIFY(!f.Cities()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // All nine boxes: Tab into the first, the documented chain, and Shift+Tab back to the two
    // Blow Thru limits that no key of the chain leads into.
    Press(Qt::Key_Tab);
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
    for (const char* text : {"70", "5", "1000", "150", "100", "12000"}) {
        Type(text);
        Press(Qt::Key_Return);
    }
    QCOMPARE(f.Focus(), f.B("txtBloThruFanCapacity"));
    Type("11000");
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.Focus(), f.B("txtBloThruTempRise"));
    Type("140");
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.Focus(), f.B("txtBloThruDisTemp"));
    Type("155");
    for (int i = 0; i < 3; ++i) Press(Qt::Key_Return);
    const QStringList filled = {
        "txtIndoorTemp",         "txtOutdoorTemp",      "txtBaroPress",
        "txtDrawThruDisTemp",    "txtDrawThruTempRise", "txtDrawThruFanCapacity",
        "txtBloThruFanCapacity", "txtBloThruTempRise",  "txtBloThruDisTemp"};
    const QStringList texts = {"70", "5", "1000", "150", "100", "12000", "11000", "140", "155"};
    for (int i = 0; i < filled.size(); ++i) QCOMPARE(f.B(qPrintable(filled[i]))->text(), texts[i]);
    QVERIFY(f.prompts.shown.isEmpty());
    // Enter on the start button.
    QCOMPARE(f.Focus(), f.Btn("cmdGo"));
    Press(Qt::Key_Return);
    QCOMPARE(f.Shown(), 1);
    QCOMPARE(f.Focus(), f.Btn("cmdShowFormulas"));
    // The formulas: Enter on "Show formulae", Enter on "Show graphics".
    Press(Qt::Key_Return);
    QVERIFY(f.Formulas()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Formulas()->findChild<QPushButton*>("cmdShowGraphics"));
    Press(Qt::Key_Return);
    QVERIFY(!f.Formulas()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // The About box: Alt+H, A, then Enter on its OK.
    Press(Qt::Key_H, Qt::AltModifier);
    auto* help = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(help);
    QStringList items;
    for (QAction* a : help->actions()) items << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(items, (QStringList{"&About", "-", "User &Guide", "About &Qt"}));
    Press(Qt::Key_A);
    QVERIFY(f.About() && f.About()->isVisible());
    QTRY_COMPARE(f.Focus(), f.About()->findChild<QPushButton*>("Cmd_OK"));
    Press(Qt::Key_Return);
    QVERIFY(!f.About()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // The user guide: F1, Escape.
    Press(Qt::Key_F1);
    QVERIFY(f.Guide() && f.Guide()->isVisible());
    QVERIFY(f.Guide()->Browser()->toPlainText().contains("Shift+Tab"));
    QTRY_COMPARE(QApplication::activeWindow(), f.Guide());
    Press(Qt::Key_Escape);
    QVERIFY(!f.Guide()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    // Exit, with the settings written as by "E&xit".
    Press(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(f.quits, 1);
    QCOMPARE(f.store.written,
             (QStringList{"Outdoor", "Elevation", "Save", "Details", "Presentation"}));
    QCOMPARE(settings_.Get("Outdoor"), QString("5"));
    QCOMPARE(settings_.Get("Elevation"), QString("1000"));
}

void TestKeys::shiftTab_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("results");  // "Show formulae" is shown only with results
    QTest::addColumn<QString>("to");
    auto row = [](const char* from, bool results, const char* to) {
        QTest::addRow("%s%s", from, results ? " with results" : "")
            << QString(from) << results << QString(to);
    };
    row("txtIndoorTemp", false, "txtBloThruFanCapacity");
    row("txtIndoorTemp", true, "cmdShowFormulas");
    row("txtOutdoorTemp", false, "txtIndoorTemp");
    row("txtBaroPress", false, "txtOutdoorTemp");
    row("cmdSelectCity", false, "txtBaroPress");
    row("cmdGo", false, "cmdSelectCity");
    row("txtDrawThruDisTemp", false, "cmdGo");
    row("txtBloThruDisTemp", false, "txtDrawThruDisTemp");
    row("txtDrawThruTempRise", false, "txtBloThruDisTemp");
    row("txtBloThruTempRise", false, "txtDrawThruTempRise");
    row("txtDrawThruFanCapacity", false, "txtBloThruTempRise");
    row("txtBloThruFanCapacity", false, "txtDrawThruFanCapacity");
    row("cmdShowFormulas", true, "txtBloThruFanCapacity");
}

void TestKeys::shiftTab() {
    QFETCH(QString, from);
    QFETCH(bool, results);
    QFETCH(QString, to);
    Fixture f(settings_);
    if (results) f.Go();
    QWidget* start = f.w->findChild<QWidget*>(from);
    start->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.Focus()->objectName(), to);
    // The same from a keyboard that sends Shift with Tab itself.
    start->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(f.Focus()->objectName(), to);
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(f.Shown(), results ? 1 : 0);
}

void TestKeys::shiftTabLeavesBox() {
    Fixture f(settings_);
    f.B("txtOutdoorTemp")->setFocus(Qt::OtherFocusReason);
    f.B("txtOutdoorTemp")->selectAll();
    Type("125");
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.prompts.Warnings(),
             QStringList{"The outdoor temperature must be between -40 and 120"});
    QCOMPARE(f.B("txtOutdoorTemp")->text(), QString());
    QCOMPARE(f.Focus(), f.B("txtOutdoorTemp"));
}

void TestKeys::buttonKeys_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");  // what the key did
    auto row = [](const char* name, const char* button, int key, int modifiers, const char* after) {
        QTest::newRow(name) << QString(button) << key << modifiers << QString(after);
    };
    row("Enter on Select a City", "cmdSelectCity", Qt::Key_Return, 0, "frmCities");
    row("keypad Enter on Select a City", "cmdSelectCity", Qt::Key_Enter, Qt::KeypadModifier,
        "frmCities");
    row("Enter on Fire 'em up!", "cmdGo", Qt::Key_Return, 0, "results");
    row("keypad Enter on Fire 'em up!", "cmdGo", Qt::Key_Enter, Qt::KeypadModifier, "results");
    row("Enter on Show formulae", "cmdShowFormulas", Qt::Key_Return, 0, "frmFormulas");
    row("Ctrl+Enter presses nothing", "cmdGo", Qt::Key_Return, Qt::ControlModifier, "cmdGo");
    row("Tab from Select a City", "cmdSelectCity", Qt::Key_Tab, 0, "txtIndoorTemp");
    row("Tab from Fire 'em up!", "cmdGo", Qt::Key_Tab, 0, "txtIndoorTemp");
    row("Tab from Show formulae", "cmdShowFormulas", Qt::Key_Tab, 0, "cmdGo");
}

void TestKeys::buttonKeys() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    Fixture f(settings_);
    if (button == "cmdShowFormulas") f.Go();
    const int resultsBefore = f.Shown();
    f.Btn(qPrintable(button))->setFocus(Qt::OtherFocusReason);
    Press(key, Qt::KeyboardModifiers(modifiers));
    if (after == "frmCities") {
        QVERIFY(f.Cities() && f.Cities()->isVisible());
        f.Cities()->findChild<QPushButton*>("cmdCancel")->click();
    } else if (after == "frmFormulas") {
        QVERIFY(f.Formulas()->isVisible());
    } else if (after == "results") {
        QCOMPARE(f.Shown(), 1);
    } else {
        QCOMPARE(f.Focus()->objectName(), after);
        QCOMPARE(f.Shown(), resultsBefore);
    }
}

void TestKeys::printKey_data() {
    QTest::addColumn<bool>("results");
    QTest::newRow("results shown") << true;
    QTest::newRow("no results: Print Graphics is disabled") << false;
}

void TestKeys::printKey() {
    QFETCH(bool, results);
    Fixture f(settings_);
    if (results) f.Go();
    f.Btn("cmdSelectCity")->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_P, Qt::ControlModifier);
    // The scripted printer dialog cancels.
    QCOMPARE(f.prompts.shown.size(), results ? 1 : 0);
    if (results) QCOMPARE(f.prompts.shown[0].text, QString("Heater comparison"));
    // Shown beside the item in the menu, where the menu is offered.
    if (results) QCOMPARE(f.A("mnuColor")->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(f.A("mnuExit")->shortcut(), QKeySequence("Ctrl+Q"));
    QCOMPARE(f.A("mnuUserGuide")->shortcut(), QKeySequence("F1"));
}

void TestKeys::focusMark() {
    Fixture f(settings_);
    QPushButton* city = f.Btn("cmdSelectCity");
    // The program put the focus here at start-up: the style draws its focus mark.
    QCOMPARE(f.Focus(), city);
    const QImage focused = city->grab().toImage();
    Press(Qt::Key_Tab);
    QCOMPARE(f.Focus(), f.B("txtIndoorTemp"));
    QVERIFY(focused != city->grab().toImage());
    // A focus moved by the program (Enter on the last box) shows it as well.
    QPushButton* go = f.Btn("cmdGo");
    const QImage unfocused = go->grab().toImage();
    f.B("txtBloThruFanCapacity")->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Return);
    QCOMPARE(f.Focus(), go);
    QVERIFY(unfocused != go->grab().toImage());
}

void TestKeys::screenReaderNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("heardAfterStop");
    const int text = QAccessible::StaticText;
    QTest::newRow("inlet airflow")
        << "frmHalvex"
        << "lblDrawThruInletCFM" << text << "Draw Thru inlet airflow 8,070 cfm"
        << "Draw Thru inlet airflow 0 cfm";
    QTest::newRow("net capacity") << "frmHalvex"
                                  << "lblBloThruBTUNet" << text
                                  << "Blow Thru net available for other loads 1180 MBH"
                                  << "Blow Thru net available for other loads 1180 MBH";
    QTest::newRow("temperature carries its unit")
        << "frmHalvex"
        << "lblDrawThruDisTemp" << text << "Draw Thru discharge temperature @ 110\u00B0F"
        << "";
    QTest::newRow("caption") << "frmHalvex"
                             << "Label7" << text << "Draw Thru System"
                             << "Draw Thru System";
    QTest::newRow("formulas window") << "frmFormulas"
                                     << "frmFormulas" << int(QAccessible::Window) << "Formulas"
                                     << "Formulas";
    QTest::newRow("About picture")
        << "frmAbout"
        << "Pic_ApplicationIcon" << int(QAccessible::Graphic) << "Program icon"
        << "Program icon";
}

void TestKeys::screenReaderNames() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, heard);
    QFETCH(QString, heardAfterStop);
    Fixture f(settings_);
    f.Go();
    f.A("mnuAbout")->trigger();
    QWidget* top = window == "frmAbout"      ? static_cast<QWidget*>(f.About())
                   : window == "frmFormulas" ? static_cast<QWidget*>(f.Formulas())
                                             : f.w.get();
    QWidget* control = top->objectName() == name ? top : top->findChild<QWidget*>(name);
    QVERIFY(control);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    QVERIFY(reader);
    QCOMPARE(int(reader->role()), role);
    QCOMPARE(reader->text(QAccessible::Name), heard);
    // Automation finds every control by its object name.
    QCOMPARE(reader->text(QAccessible::Description), name);
    f.Go();
    QCOMPARE(reader->text(QAccessible::Name), heardAfterStop);
}

void TestKeys::darkTheme_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("labels");  // at least this many shown with a text
    QTest::newRow("main window") << "frmHalvex" << 40;
    QTest::newRow("formulas window") << "frmFormulas" << 40;
    QTest::newRow("About box") << "frmAbout" << 4;
    QTest::newRow("location dialog") << "frmCities" << 9;
}

void TestKeys::darkTheme() {
    QFETCH(QString, window);
    QFETCH(int, labels);
    DarkDesktop dark;
    Fixture f(settings_);
    f.Go();
    QWidget* top = f.w.get();
    if (window == "frmFormulas") {
        f.Btn("cmdShowFormulas")->click();
        top = f.Formulas();
    } else if (window == "frmAbout") {
        f.A("mnuAbout")->trigger();
        top = f.About();
    } else if (window == "frmCities") {
        f.Btn("cmdSelectCity")->click();
        top = f.Cities();
    }
    const QImage image = top->grab().toImage();
    QCOMPARE(image.devicePixelRatio(), 1.0);
    int checked = 0;
    for (const QLabel* label : top->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(top) || label->text().trimmed().isEmpty()) continue;
        const QRect area(label->mapTo(top, QPoint()), label->size());
        const QColor behind = Behind(image, area);
        const QColor text = label->palette().color(label->foregroundRole());
        // The documented magenta reaches 3.1:1 at best, on white; a lighter background could
        // not give any colour as light as it 4.5:1.
        const double least = text == QColor(255, 0, 255) ? 3.0 : 4.5;
        const QString what = label->objectName() + " " + label->text();
        QVERIFY2(Contrast(text, behind) >= least,
                 qPrintable(what + QString(": %1 on %2, %3:1")
                                       .arg(text.name(), behind.name())
                                       .arg(Contrast(text, behind))));
        QVERIFY2(InkContrast(image, area, behind) >= least, qPrintable(what));
        ++checked;
    }
    QVERIFY2(checked >= labels, qPrintable(QString::number(checked)));
    if (window == "frmHalvex") {
        // The diagram's rules against the paper they stand on.
        const QPoint rule = f.Canvas()->mapTo(top, QPoint(Px(5000), Px(1260)));
        QVERIFY(Contrast(QColor(image.pixel(rule)), QColor(image.pixel(rule + QPoint(0, 4)))) >=
                3.0);
    }
}

void TestKeys::darkThemePrint() {
    DarkDesktop dark;
    Fixture f(settings_);
    f.Go();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("bw.pdf");
    QRectF printable;  // points, from the page's top left corner
    f.prompts.printer = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        printable = p.pageLayout().paintRectPoints();
        return true;
    };
    f.A("mnuBW")->trigger();
    const QImage page = RenderPage(pdf);
    if (page.isNull()) QSKIP("pdftoppm is not installed");
    QCOMPARE(Behind(page, page.rect()), QColor(Qt::white));
    // Where the window's client area lands on the page: fitted and centred.
    const QWidget* client = f.w->centralWidget();
    const double scale =
        std::min(printable.width() / client->width(), printable.height() / client->height());
    const QPointF origin =
        printable.topLeft() + QPointF(printable.width() - client->width() * scale,
                                      printable.height() - client->height() * scale) /
                                  2;
    int labels = 0;
    for (const QLabel* label : client->findChildren<QLabel*>()) {
        if (!label->objectName().startsWith("lbl") || !label->isVisibleTo(client) ||
            label->text().isEmpty())
            continue;
        const QRectF on(label->mapTo(client, QPoint()), label->size());
        const QRect area = QRectF(origin + on.topLeft() * scale, on.size() * scale).toAlignedRect();
        QCOMPARE(Behind(page, area), QColor(Qt::white));
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(page.pixel(x, y)) < 64) ++dark;
        QVERIFY2(dark > 0, qPrintable(label->objectName()));
        ++labels;
    }
    QCOMPARE(labels, 20);
}
