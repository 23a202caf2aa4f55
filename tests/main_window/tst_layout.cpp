#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <algorithm>

#include "fixture.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "main_layout.h"
#include "tests.h"

using namespace vevi;

void TestLayout::windowAndClientArea() {
    Fixture f(settings_);
    QCOMPARE(f.w->windowTitle(), QString("Vevi Razo ro. Vozo Veri Vevirazedo"));
    QCOMPARE(f.w->centralWidget()->size(), QSize(Px(10215), Px(6765)));
    // A fixed border: the window cannot be made larger or smaller.
    QCOMPARE(f.w->minimumSize(), f.w->maximumSize());
    QVERIFY(!(f.w->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The icon comes once the first picture is up, and comes for sure.
    QTRY_VERIFY(!f.w->windowIcon().isNull());
    QVERIFY(!f.w->windowIcon().availableSizes().isEmpty() ||
            !f.w->windowIcon().pixmap(32).isNull());
}

void TestLayout::controlsAtStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    const char* deg = "\u00B0";
    auto row = [](const char* name, const QString& text, bool visible) {
        QTest::newRow(name) << QString(name) << text << visible;
    };
    row("txtIndoorTemp", "65", true);
    row("txtOutdoorTemp", "0", true);
    row("txtBaroPress", "0", true);
    row("txtDrawThruDisTemp", "140", true);
    row("txtBloThruDisTemp", "160", true);
    row("txtDrawThruTempRise", "110", true);
    row("txtBloThruTempRise", "160", true);
    row("txtDrawThruFanCapacity", "10000", true);
    row("txtBloThruFanCapacity", "10000", true);
    row("cmdSelectCity", "Select a City", true);
    row("cmdGo", "Fire 'em up!", true);
    row("cmdShowFormulas", "Show formulae", false);
    row("Label2", "Indoor Temperature", true);
    row("Label5", QString("%1F").arg(deg), true);
    row("Label36", "Elevation", true);
    row("Label35", "Ft.", true);
    row("Label18", QString("Max. Discharge Temperature (%1F)").arg(deg), true);
    row("Label15", QString("Max. Temperature Rise (%1F)").arg(deg), true);
    row("Label3", "Blower Capacity (cfm         )", true);
    row("Label44", "Blower", true);
    row("Label11", "Draw Thru", true);
    row("Label20", "Blow Thru", true);
    row("Label7", "Draw Thru System", true);
    row("Label8", "Blow Thru System", true);
    row("Label9", "MBH       x .92 =", false);
    row("Label12", "MBH       x .92 =", false);
    row("Label37", "MBH to heat cfm       to indoor temperature", false);
    row("Label46", "MBH    available for other loads", false);
    row("Label47", "MBH     available for other loads", false);
    row("Label34", "-", false);
    row("Label23", "Discharge", false);
    row("lblDrawThruInletCFM", "0", false);
    row("lblBloThruBTUNet", "0", false);
    row("lblDrawThruInletTemp", "", false);
    row("lblDrawThruFanTemp", "", true);
    row("lblBloThruFanTemp", "", true);
}

void TestLayout::controlsAtStart() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, visible);
    Fixture f(settings_);
    QWidget* w = f.w->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QString actual;
    if (auto* l = qobject_cast<QLabel*>(w))
        actual = l->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        actual = e->text();
    else if (auto* b = qobject_cast<QPushButton*>(w))
        actual = b->text();
    QCOMPARE(actual, text);
    QCOMPARE(w->isVisibleTo(f.w.get()), visible);
}

void TestLayout::geometryInTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("cmdSelectCity") << "cmdSelectCity" << QRect(3000, 240, 1455, 375);
    QTest::newRow("cmdGo") << "cmdGo" << QRect(3840, 810, 1335, 375);
    QTest::newRow("cmdShowFormulas") << "cmdShowFormulas" << QRect(8265, 1335, 1815, 375);
    // The boxes keep their left edges and grow to show their widest texts.
    QTest::newRow("txtIndoorTemp") << "txtIndoorTemp" << QRect(2280, 245, 525, 285);
    QTest::newRow("txtBaroPress") << "txtBaroPress" << QRect(2280, 915, 735, 285);
    QTest::newRow("txtDrawThruDisTemp") << "txtDrawThruDisTemp" << QRect(8400, 245, 870, 285);
    QTest::newRow("txtBloThruFanCapacity") << "txtBloThruFanCapacity" << QRect(9350, 915, 855, 285);
    QTest::newRow("Label11") << "Label11" << QRect(8085, 0, 1080, 240);
    QTest::newRow("Label20") << "Label20" << QRect(9165, 0, 1050, 240);
}

void TestLayout::geometryInTwips() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Fixture f(settings_);
    QWidget* w = f.w->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestLayout::boxesShowWidestText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    // The widest text each box takes: in range and at most its longest text; six characters
    // in the limit boxes.
    QTest::newRow("indoor") << "txtIndoorTemp"
                            << "148.8";
    QTest::newRow("outdoor") << "txtOutdoorTemp"
                             << "-38";
    QTest::newRow("elevation") << "txtBaroPress"
                               << "-12345";
    QTest::newRow("draw discharge") << "txtDrawThruDisTemp"
                                    << "888888";
    QTest::newRow("draw rise") << "txtDrawThruTempRise"
                               << "158";
    QTest::newRow("draw fan") << "txtDrawThruFanCapacity"
                              << "8888888";
    QTest::newRow("blow discharge") << "txtBloThruDisTemp"
                                    << "888888";
    QTest::newRow("blow rise") << "txtBloThruTempRise"
                               << "888888";
    QTest::newRow("blow fan") << "txtBloThruFanCapacity"
                              << "888888";
    // The same in SI: in range and at most the SI longest text.
    QTest::newRow("indoor in SI") << "txtIndoorTemp"
                                  << "65.45";
    QTest::newRow("outdoor in SI") << "txtOutdoorTemp"
                                   << "-38.8";
    QTest::newRow("draw rise in SI") << "txtDrawThruTempRise"
                                     << "88.8";
    QTest::newRow("draw fan in SI") << "txtDrawThruFanCapacity"
                                    << "235973";
}

// Shown whole: from its first character to its last nothing scrolls out of sight, and the
// text ends inside the frame, clear of the unit and the buttons beside it.
void TestLayout::boxesShowWidestText() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    Fixture f(settings_);
    if (QString(QTest::currentDataTag()).endsWith("in SI")) f.A("mnuSIUnits")->trigger();
    InputBox* b = f.B(qPrintable(box));
    b->setText(text);
    b->home(false);
    b->grab();
    const int start = b->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    b->end(false);
    b->grab();
    const int end = b->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    QCOMPARE(end - start, b->fontMetrics().horizontalAdvance(text));
    QVERIFY(end < b->width() - 1);
    for (QWidget* other : f.w->centralWidget()->findChildren<QWidget*>()) {
        const bool beside = qobject_cast<QPushButton*>(other) ||
                            (qobject_cast<QLabel*>(other) && other->y() == b->y() + Px(30));
        if (other != b && beside && other->isVisible())
            QVERIFY2(!other->geometry().intersects(b->geometry()), qPrintable(other->objectName()));
    }
}

// A small caption stands in its caption's run of blanks, close after its unit: the caption
// draws nothing where it stands. In either unit system, and however its group came to be shown
// ("si" and "details" switch the units and the Details view, "go" presses the start button).
void TestLayout::subscriptsClearOfText_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("inch-pound") << QStringList{"go"};
    QTest::newRow("SI") << QStringList{"si", "go"};
    QTest::newRow("SI after the start") << QStringList{"go", "si"};
    QTest::newRow("Details after the start") << QStringList{"details", "go", "details"};
    QTest::newRow("Details after the start in SI") << QStringList{"details", "si", "go", "details"};
}

void TestLayout::subscriptsClearOfText() {
    QFETCH(QStringList, steps);
    Fixture f(settings_);
    f.A("mnuViewDetails")->setChecked(true);  // every group shown
    for (const QString& step : steps) {
        if (step == "si") f.A("mnuSIUnits")->trigger();
        if (step == "details") f.A("mnuViewDetails")->trigger();
        if (step == "go") f.Go();
    }
    QVERIFY(f.A("mnuViewDetails")->isChecked());
    const QColor ink(Qt::black);
    for (const layout::LabelSpec& s : layout::Labels()) {
        if (!s.after) continue;
        QLabel* small = f.L(s.name);
        QLabel* caption = f.L((&s - 1)->name);
        const QRect where = small->geometry().translated(-caption->pos()) & caption->rect();
        const QImage image = caption->grab().toImage();
        for (int y = where.top(); y <= where.bottom(); ++y)
            for (int x = where.left(); x <= where.right(); ++x)
                QVERIFY2(qGray(image.pixel(x, y)) > 160,
                         qPrintable(QString("%1 at %2,%3").arg(s.name).arg(x).arg(y)));
        // And it stands close after its unit: the caption's last ink left of it is near.
        const int left = small->x() - caption->x();
        int inkRight = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < std::min(left, image.width()); ++x)
                if (qGray(image.pixel(x, y)) <= 160) inkRight = std::max(inkRight, x);
        QVERIFY2(inkRight >= 0 && left - inkRight <= 5, qPrintable(s.name));
    }
}

// The labels the first picture does not show are built after it, or by a start before it.
// Either way each stands in the table's place among the client's widgets, which is the order
// they are painted and read out in.
void TestLayout::labelsInTableOrder_data() {
    QTest::addColumn<bool>("shown");
    QTest::newRow("after the first picture") << true;
    QTest::newRow("by a start before it") << false;
}

void TestLayout::labelsInTableOrder() {
    QFETCH(bool, shown);
    Fixture f(settings_, shown);
    if (!shown) {
        QVERIFY(f.L("Label50") == nullptr);
        f.Go();
        QCOMPARE_NE(f.L("lblBloThruBTUNet")->text(), QString("0"));  // written
    }
    QStringList table;
    for (const layout::LabelSpec& s : layout::Labels()) table << s.name;
    QStringList children;
    for (QObject* child : f.w->centralWidget()->children())
        if (child->isWidgetType()) children << child->objectName();
    QCOMPARE(children.mid(children.indexOf(table.first()), table.size()), table);
    QCOMPARE(children.count(table.last()), 1);
}

void TestLayout::diagramAtStart() {
    Fixture f(settings_);
    DiagramCanvas* c = f.Canvas();
    QCOMPARE(c->Geometry("Shape1"), QRectF(2145, 1830, 3015, 1215));
    QCOMPARE(c->Geometry("Shape2"), QRectF(2145, 4470, 2205, 900));
    QCOMPARE(c->Geometry("Image3"), QRectF(3900, 1860, 975, 855));
    QCOMPARE(c->Geometry("Image4"), QRectF(2160, 4485, 975, 855));
    QCOMPARE(c->Geometry("imgDrawThruFlame"), QRectF(2550, 1950, 480, 480));
    QCOMPARE(c->Geometry("imgBloThruFlame"), QRectF(3135, 4575, 600, 480));
    QVERIFY(!c->IsVisible("imgDrawThruFlame"));
    QVERIFY(!c->IsVisible("imgBloThruFlame"));
    QCOMPARE(c->Line("Line3").p2(), QPointF(1065, 2790));
    QCOMPARE(c->Line("Line25"), QLineF(4410, 2100, 4110, 2385));
    QCOMPARE(c->Line("Line31"), QLineF(2700, 4815, 2340, 4950));
    for (int n = 23; n <= 38; ++n) {
        const bool setA = (n <= 26) || (n >= 35);
        QCOMPARE(c->IsVisible(QStringLiteral("Line%1").arg(n)), setA);
    }
    for (const char* stub : {"Shape3_0", "Shape3_1", "Shape3_2", "Shape3_3"})
        QVERIFY(c->IsVisible(stub));
    QVERIFY(!c->IsVisible("Line39"));
    QVERIFY(!c->IsVisible("Line40"));
    // The pictures load from the resources.
    const QImage image = f.w->centralWidget()->grab().toImage();
    QVERIFY(!image.isNull());
}

void TestLayout::menuTree_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("checked");  // -1: not checkable
    auto row = [](const char* n, const char* p, const char* c, bool e, int k) {
        QTest::newRow(n) << QString(n) << QString(p) << QString(c) << e << k;
    };
    row("mnuFile", "", "&File", true, -1);
    row("mnuPrintGraphics", "mnuFile", "Print &Graphics", false, -1);
    row("mnuColor", "mnuPrintGraphics", "&Color", true, -1);
    row("mnuBW", "mnuPrintGraphics", "&B&&W", true, -1);
    row("mnuPrintFormulas", "mnuFile", "Print &Formulas", false, -1);
    row("mnuExportResults", "mnuFile", "&Export Results\u2026", false, -1);
    row("mnuCopyResults", "mnuFile", "&Copy Results", false, -1);
    row("mnuExit", "mnuFile", "E&xit", true, -1);
    row("mnuView", "", "&View", true, -1);
    row("mnuViewDetails", "mnuView", "&Details", true, 1);
    row("mnuViewPresentation", "mnuView", "&Presentation", true, 0);
    row("mnuSIUnits", "mnuView", "&SI Units", true, 0);
    row("mnuSpecial", "", "&Special", true, -1);
    row("mnuMatchCapacity", "mnuSpecial", "Match &Capacity", true, -1);
    row("mnuMatchInputCapacity", "mnuMatchCapacity", "Input", true, -1);
    row("mnuMatchOutputCapacity", "mnuMatchCapacity", "Output", true, -1);
    row("mnuMatchNetCapacity", "mnuMatchCapacity", "Net", true, -1);
    row("mnuMatchAirflow", "mnuSpecial", "Match &Airflow", true, -1);
    row("mnuSaveSettings", "mnuSpecial", "Save Settings on Exit", true, 1);
    row("mnuHelp", "", "&Help", true, -1);
    row("mnuAbout", "mnuHelp", "&About", true, -1);
    row("mnuUserGuide", "mnuHelp", "User &Guide", true, -1);
    row("mnuAboutQt", "mnuHelp", "About &Qt", true, -1);
}

void TestLayout::menuTree() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(int, checked);
    Fixture f(settings_);
    QAction* a = f.A(qPrintable(name));
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->isEnabled(), enabled);
    QCOMPARE(a->isCheckable(), checked >= 0);
    if (checked >= 0) QCOMPARE(a->isChecked(), checked == 1);
    // The item stands in its parent menu (or on the menu bar), in the documented tree.
    const QList<QAction*> siblings =
        parent.isEmpty() ? f.w->menuBar()->actions() : f.w->findChild<QMenu*>(parent)->actions();
    QVERIFY(siblings.contains(a));
}

void TestLayout::accessibility() {
    Fixture f(settings_);
    QCOMPARE(f.w->accessibleDescription(), QString("frmHalvex"));
    for (QWidget* w : f.w->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) continue;
        QCOMPARE(w->accessibleDescription(), name);
    }
    QCOMPARE(f.B("txtOutdoorTemp")->accessibleName(), QString("Outdoor temperature, \u00B0F"));
    QCOMPARE(f.B("txtBaroPress")->accessibleName(), QString("Elevation, feet"));
    // Labels and buttons keep their text as their name.
    QVERIFY(f.L("Label7")->accessibleName().isEmpty());
    QVERIFY(f.Btn("cmdGo")->accessibleName().isEmpty());
}

void TestLayout::startUpSettings_data() {
    QTest::addColumn<QStringList>("stored");  // key=value pairs
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("details");
    QTest::addColumn<bool>("presentation");
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("elevation");
    QTest::newRow("first run") << QStringList() << true << true << false << "0"
                               << "0";
    QTest::newRow("stored values") << QStringList{"Save=True", "Outdoor=-12", "Elevation=5280"}
                                   << true << true << false << "-12"
                                   << "5280";
    QTest::newRow("cut to the box")
        << QStringList{"Outdoor=-12.5", "Elevation=1234567"} << true << true << false << "-12"
        << "123456";
    QTest::newRow("save off") << QStringList{"Save=False", "Outdoor=-12", "Elevation=5280"} << false
                              << true << false << "0"
                              << "0";
    QTest::newRow("both views") << QStringList{"Details=True", "Presentation=True"} << true << true
                                << true << "0"
                                << "0";
    QTest::newRow("no view") << QStringList{"Details=False", "Presentation=False"} << true << false
                             << false << "0"
                             << "0";
    QTest::newRow("numeric flags")
        << QStringList{"Save=0", "Details=0", "Presentation=-1"} << false << false << true << "0"
        << "0";
    // Hand-edited files: the flags' words in any letter case keep the user's choice.
    QTest::newRow("lower-case flags")
        << QStringList{"Save=false", "Details=false", "Presentation=true"} << false << false << true
        << "0"
        << "0";
    QTest::newRow("junk flags read as defaults")
        << QStringList{"Save=maybe", "Details=", "Presentation=1e400"} << true << true << false
        << "0"
        << "0";
    QTest::newRow("junk numbers kept as text")
        << QStringList{"Outdoor=abc", "Elevation=1e400"} << true << true << false << "abc"
        << "1e400";
}

void TestLayout::startUpSettings() {
    QFETCH(QStringList, stored);
    QFETCH(bool, save);
    QFETCH(bool, details);
    QFETCH(bool, presentation);
    QFETCH(QString, outdoor);
    QFETCH(QString, elevation);
    for (const QString& pair : stored) {
        const int eq = pair.indexOf('=');
        settings_.Set(pair.left(eq), pair.mid(eq + 1));
    }
    Fixture f(settings_);
    QCOMPARE(f.A("mnuSaveSettings")->isChecked(), save);
    QCOMPARE(f.A("mnuViewDetails")->isChecked(), details);
    QCOMPARE(f.A("mnuViewPresentation")->isChecked(), presentation);
    QCOMPARE(f.B("txtOutdoorTemp")->text(), outdoor);
    QCOMPARE(f.B("txtBaroPress")->text(), elevation);
    QCOMPARE(f.B("txtIndoorTemp")->text(), QString("65"));
    QCOMPARE(f.Shown(), 0);
    QCOMPARE(f.Focus(), f.Btn("cmdSelectCity"));
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestLayout::exitWritesSettingsOnce_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TestLayout::exitWritesSettingsOnce() {
    QFETCH(bool, byMenu);
    Fixture f(settings_);
    if (byMenu)
        f.A("mnuExit")->trigger();
    else
        f.w->close();
    QCOMPARE(f.store.written,
             (QStringList{"Outdoor", "Elevation", "Save", "Details", "Presentation"}));
    QCOMPARE(f.quits, 1);
    QVERIFY(!f.w->isVisible());
}

void TestLayout::savedTexts_data() {
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("elevation");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("storedOutdoor");
    QTest::addColumn<QString>("storedElevation");
    QTest::newRow("plain") << "-12"
                           << "5280" << true << "-12"
                           << "5280";
    QTest::newRow("decimals") << "65."
                              << "65.50" << true << "65"
                              << "65.5";
    QTest::newRow("unit and empty") << ""
                                    << "12 ft" << false << "0"
                                    << "12";
    QTest::newRow("letters") << "abc"
                             << "abc" << true << "0"
                             << "0";
    QTest::newRow("overflow") << "1e9"
                              << "1e999" << true << "1000000000"
                              << "0";
}

void TestLayout::savedTexts() {
    QFETCH(QString, outdoor);
    QFETCH(QString, elevation);
    QFETCH(bool, save);
    QFETCH(QString, storedOutdoor);
    QFETCH(QString, storedElevation);
    {
        Fixture f(settings_);
        f.B("txtOutdoorTemp")->setText(outdoor);
        f.B("txtBaroPress")->setText(elevation);
        f.A("mnuSaveSettings")->setChecked(save);
        f.A("mnuViewPresentation")->trigger();
        f.A("mnuExit")->trigger();
    }
    QCOMPARE(settings_.Get("Outdoor"), storedOutdoor);
    QCOMPARE(settings_.Get("Elevation"), storedElevation);
    QCOMPARE(settings_.Get("Save"), QString(save ? "True" : "False"));
    QCOMPARE(settings_.Get("Details"), QString("False"));
    QCOMPARE(settings_.Get("Presentation"), QString("True"));
    // The next start shows the stored texts only while the item is checked.
    Fixture next(settings_);
    QCOMPARE(next.B("txtBaroPress")->text(), save ? storedElevation.left(6) : QString("0"));
    QCOMPARE(next.A("mnuSaveSettings")->isChecked(), save);
}

void TestLayout::corruptedSettings_data() {
    QTest::addColumn<QString>("value");
    for (const char* v :
         {"", "abc", "99999999999999999999", "-99999999999999999999", "1e400", "-1e400", "52", "-2",
          "3.5", "nan", "inf", "True", "\xC3\xA9\xE2\x82\xAC", "1,2,3"})
        QTest::newRow(v) << QString::fromUtf8(v);
}

void TestLayout::corruptedSettings() {
    QFETCH(QString, value);
    for (const char* key :
         {"Save", "Details", "Presentation", "Outdoor", "Elevation", "State", "City"})
        settings_.Set(key, value);
    Fixture f(settings_);
    // The boxes hold at most their longest text, whatever was stored.
    QVERIFY(f.B("txtOutdoorTemp")->text().size() <= 3);
    QVERIFY(f.B("txtBaroPress")->text().size() <= 6);
    // A start either runs or is refused with a warning; it never shows a non-number.
    f.Go();
    if (f.Shown()) {
        for (const char* name : {"lblDrawThruBTUOut", "lblBloThruBTUNet", "lblBloThruDisCFM"}) {
            const QString text = f.L(name)->text();
            QVERIFY2(!text.contains("nan") && !text.contains("inf"), qPrintable(text));
        }
        f.Go();
    } else {
        QCOMPARE(f.prompts.Warnings().size(), 1);
    }
    // The location dialog opens on a valid place and hands back a usable elevation.
    f.Btn("cmdSelectCity")->click();
    QVERIFY(f.Cities()->isVisible());
    f.Cities()->findChild<QPushButton*>("cmdOK")->click();
    QVERIFY(f.w->isEnabled());
    f.A("mnuExit")->trigger();
    QCOMPARE(f.quits, 1);
    // What was written back reads as plain numbers and flags.
    for (const char* key : {"Outdoor", "Elevation"}) {
        bool ok = false;
        settings_.Get(key).toDouble(&ok);
        QVERIFY2(ok, qPrintable(settings_.Get(key)));
    }
    for (const char* key : {"Save", "Details", "Presentation"})
        QVERIFY(settings_.Get(key) == "True" || settings_.Get(key) == "False");
}

void TestLayout::unusableSettingsFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbage bytes") << "garbage";
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("a named pipe in its place") << "fifo";
}

void TestLayout::unusableSettingsFile() {
    QFETCH(QString, kind);
    QFile::remove(settings_.File());
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(settings_.File()));
    } else if (kind == "fifo") {
        // Opening it would wait for a writer that never comes.
        QCOMPARE(::mkfifo(QFile::encodeName(settings_.File()).constData(), 0600), 0);
    } else {
        QFile file(settings_.File());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i) junk.append(char((i * 7919) % 256));
        file.write(junk);
    }
    {
        Fixture f(settings_);
        QCOMPARE(f.B("txtOutdoorTemp")->text().size() <= 3, true);
        if (kind != "garbage") {
            QVERIFY(f.A("mnuSaveSettings")->isChecked());
            QCOMPARE(f.B("txtOutdoorTemp")->text(), "0");
        }
        f.Go();
        f.w->close();  // cannot be written: the program still ends
        QCOMPARE(f.quits, 1);
    }
    // Nothing was written in its place.
    if (kind != "garbage") QVERIFY(!QFileInfo(settings_.File()).isFile());
    QDir(settings_.File()).removeRecursively();
    QFile::remove(settings_.File());
}

void TestLayout::aboutBox() {
    Fixture f(settings_);
    f.A("mnuAbout")->trigger();
    f.A("mnuAbout")->trigger();
    frmAbout* about = f.About();
    QVERIFY(about && about->isVisible());
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmAbout" && top->isVisible()) ++shown;
    QCOMPARE(shown, 1);
    about->findChild<QPushButton*>("Cmd_OK")->click();
    QVERIFY(!about->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
}

void TestLayout::focusReturnsToSelectCity() {
    Fixture f(settings_);
    f.Go();
    f.Btn("cmdShowFormulas")->click();
    QTRY_VERIFY(f.Formulas()->isVisible());
    f.Formulas()->findChild<QPushButton*>("cmdShowGraphics")->click();
    QVERIFY(!f.Formulas()->isVisible());
    QTRY_COMPARE(f.Focus(), f.Btn("cmdSelectCity"));
}
