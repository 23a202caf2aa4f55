#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

#include "comparison.h"
#include "frm_formulas.h"
#include "results.h"
#include "tests.h"
#include "twips.h"

using namespace vevi;

namespace {

// What the start of a comparison writes into this window with the program's default inputs.
std::vector<FormulaText> DefaultTexts() {
    ComparisonInputs inputs;
    SharedValues shared;
    const auto result = ComputeComparison(inputs, shared);
    return ReportComparison(inputs, *result, shared).formulas;
}

void Fill(frmFormulas& window, const std::vector<FormulaText>& texts) {
    for (const FormulaText& t : texts)
        window.SetFigure(t.arrangement, t.slot, QString::fromStdString(t.text));
}

// A figure's label by its objectName, as the tests name them.
QLabel* Named(const frmFormulas& window, const QString& name) {
    if (name.isEmpty()) return nullptr;
    return window.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

// Sets the figure whose label has this objectName.
void SetNamed(frmFormulas& window, const QString& name, const QString& text) {
    if (name.isEmpty()) return;
    for (Arrangement a : kArrangements)
        for (std::size_t i = 0; i < kFormulaSlotCount; ++i)
            if (window.Figure(a, FormulaSlot(i)) && FigureName(a, FormulaSlot(i)) == name)
                return window.SetFigure(a, FormulaSlot(i), text);
    QFAIL(qPrintable("no figure " + name));
}

using Texts = std::vector<FormulaText>;

// A density symbol drawn into the blanks of another text.
bool IsGapSymbol(const QLabel* label) {
    return label->text() == "p" &&
           std::ranges::any_of(label->parentWidget()->findChildren<QLabel*>(), [&](QLabel* l) {
               return l != label && l->geometry().contains(label->geometry());
           });
}

// A fixed text, or a written label by name, whose top lies between top and bottom pixels.
QLabel* Find(const frmFormulas& window, const QString& item, int top, int bottom) {
    if (item.startsWith("lbl")) return Named(window, item);
    QList<QLabel*> found;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->objectName().isEmpty() && label->text() == item && !IsGapSymbol(label) &&
            label->y() >= top && label->y() <= bottom)
            found.append(label);
    }
    return found.size() == 1 ? found.front() : nullptr;
}

QFrame* RuleUnder(const frmFormulas& window, const QLabel* numerator) {
    const int middle = numerator->geometry().center().x();
    for (QFrame* frame : window.findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = frame->geometry();
        if (!qobject_cast<QLabel*>(frame) && r.top() > numerator->geometry().bottom() &&
            r.top() - numerator->y() < 30 && r.left() <= middle && r.right() >= middle)
            return frame;
    }
    return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<vevi::FormulaText>)

void TestFormulasWindow::windowAndButton() {
    frmFormulas window(nullptr);
    QVERIFY(window.isWindow());
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.windowTitle(), "Formulas");
    QCOMPARE(window.size(), QSize(Px(10110), Px(5025)));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* button = window.findChild<QPushButton*>("cmdShowGraphics");
    QVERIFY(button);
    QCOMPARE(button->text(), "Show graphics");
    QCOMPARE(button->geometry(), TwipsRect(8265, 0, 1815, 375));

    QCOMPARE(window.accessibleDescription(), "frmFormulas");
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) QCOMPARE(w->accessibleDescription(), w->objectName());
}

// Every label the comparison writes is there, takes the text exactly, and no other is named.
void TestFormulasWindow::writtenLabels() {
    frmFormulas window(nullptr);
    QStringList written;
    for (const FormulaText& t : DefaultTexts()) {
        QLabel* label = window.Figure(t.arrangement, t.slot);
        QVERIFY(label);
        const QString text = QString::fromStdString(t.text);
        window.SetFigure(t.arrangement, t.slot, text);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->objectName(), FigureName(t.arrangement, t.slot));
        written.append(label->objectName());
    }
    QStringList named;
    // Every named label is a figure, but the note on the units of the working.
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->objectName().isEmpty() && label->objectName() != "lblInchPoundNote")
            named.append(label->objectName());
    written.sort();
    named.sort();
    QCOMPARE(named, written);
}

// Lines left to right, between the tops of their first and last rows in twips; "a|b" is a
// fraction of a over b.
void TestFormulasWindow::formulaLines_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QStringList>("items");
    const QString degrees = QStringLiteral(" (\u00B0F)");
    const QString inlet = "460 + Inlet Temperature" + degrees;
    const QString discharge = "460 + Discharge Temperature" + degrees;
    QTest::newRow("titles") << 0 << 2580 << QStringList{"Draw Thru System", "Blow Thru System"};
    QTest::newRow("draw inlet") << 150 << 435
                                << QStringList{"CFMi  =  CFMd  x ", inlet + "|" + discharge,
                                               "lblDrawThruCFMd",
                                               "lblDrawThruInletTempR|lblDrawThruDischargeTempR_0",
                                               "lblDrawThruInletCFM"};
    QTest::newRow("draw density") << 1225 << 1470
                                  << QStringList{
                                         "p",
                                         "(Air Density @ blower) = 1.32605 x ",
                                         "Barometric Pressure|460 + Temperature @ Fan" + degrees,
                                         "= 1.32605 x ",
                                         "lblDrawThruBaroPress|lblDrawThruAirTemp",
                                         "= ",
                                         "lblDrawThruAirDensity"};
    QTest::newRow("draw output") << 1735 << 1980
                                 << QStringList{"MBH Output =",
                                                "CFMb x    x Specific Heat x Min/Hr x "
                                                "Temperature Rise|Btu/hr / MBH",
                                                "=", "lblOutputMBHFormula|1000",
                                                "lblDrawThruOutputMBH"};
    QTest::newRow("blow discharge")
        << 2745 << 3015
        << QStringList{"CFMd  =  CFMi  x ", discharge + "|" + inlet, "lblBloThruCFMd",
                       "lblBloThruDischargeTempR_0|lblBloThruInletTempR", "lblBloThruDischargeCFM"};
    QTest::newRow("blow input") << 4800 << 4800
                                << QStringList{"MBH Input = MBH Output / Burner Efficiency = ",
                                               "lblBloThruInputMBHFormula", "lblBloThruInputMBH"};
}

void TestFormulasWindow::formulaLines() {
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QStringList, items);
    frmFormulas window(nullptr);
    Fill(window, DefaultTexts());
    const int slack = 4;  // pixels: the tops are approximate
    int previousRight = -1;
    for (const QString& item : items) {
        const QStringList parts = item.split('|');
        QLabel* label = Find(window, parts.front(), Px(top) - slack, Px(bottom) + slack);
        QVERIFY2(label, qPrintable(parts.front()));
        QVERIFY(label->y() >= Px(top) - slack && label->y() <= Px(bottom) + slack);
        QRect column = label->geometry();
        if (parts.size() == 2) {
            QLabel* below = Find(window, parts.back(), Px(bottom) - slack, Px(bottom) + slack);
            QVERIFY2(below, qPrintable(parts.back()));
            QVERIFY(qAbs(label->y() - Px(top)) <= slack);
            QVERIFY(qAbs(below->geometry().center().x() - label->geometry().center().x()) <= 1);
            column |= below->geometry();
        }
        if (top != 0) QVERIFY2(column.left() > previousRight, qPrintable(item));
        previousRight = column.right();
    }
}

void TestFormulasWindow::fractionRuleSpansWiderText_data() {
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::addColumn<QString>("numeratorText");
    QTest::addColumn<QString>("denominatorText");
    QTest::newRow("wider numerator") << "lblDrawThruInletTempR"
                                     << "lblDrawThruDischargeTempR_0"
                                     << "460 + 1234567890"
                                     << "460 + 1";
    QTest::newRow("wider denominator") << "lblBloThruBaroPress"
                                       << "lblBloThruAirTemp"
                                       << "29.92"
                                       << "460  +  -123456789";
    QTest::newRow("over a fixed text") << "lblOutputMBHFormula"
                                       << ""
                                       << "1"
                                       << "";
}

void TestFormulasWindow::fractionRuleSpansWiderText() {
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    QFETCH(QString, numeratorText);
    QFETCH(QString, denominatorText);
    frmFormulas window(nullptr);
    SetNamed(window, numerator, numeratorText);
    SetNamed(window, denominator, denominatorText);
    QLabel* top = Named(window, numerator);
    QFrame* rule = RuleUnder(window, top);
    QVERIFY(rule);
    QRect spanned = top->geometry();
    if (QLabel* bottom = Named(window, denominator)) {
        QVERIFY(rule->geometry().bottom() < bottom->y());
        spanned |= bottom->geometry();
    }
    QVERIFY(rule->x() <= spanned.left() && rule->geometry().right() >= spanned.right());
}

void TestFormulasWindow::longerTextPushesLine() {
    frmFormulas window(nullptr);
    Fill(window, DefaultTexts());
    QLabel* cfm = Named(window, "lblDrawThruCFMd");
    QLabel* fraction = Named(window, "lblDrawThruInletTempR");
    QLabel* result = Named(window, "lblDrawThruInletCFM");
    const int width = cfm->width();
    const int fractionX = fraction->x();
    const int resultX = result->x();

    // The blanks at the end of "= 10000  x  " take room like any other character.
    SetNamed(window, "lblDrawThruCFMd", "= 10000  x");
    QVERIFY(cfm->width() < width);
    SetNamed(window, "lblDrawThruCFMd", "= 1000000000  x  ");
    QVERIFY(fraction->x() - fractionX >= cfm->width() - width - 1);
    QVERIFY(result->x() - resultX >= cfm->width() - width - 1);

    // A wider denominator widens its fraction and pushes the result along; shorter texts
    // bring everything back.
    SetNamed(window, "lblDrawThruDischargeTempR_0", "460 +  110.123456789");
    QVERIFY(result->x() > Named(window, "lblDrawThruDischargeTempR_0")->geometry().right());
    Fill(window, DefaultTexts());
    QCOMPARE(result->x(), resultX);
}

void TestFormulasWindow::nothingOverlaps_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<bool>("fitsWindow");
    QTest::newRow("design texts") << Texts{} << true;
    QTest::newRow("default comparison") << DefaultTexts() << true;
    Texts longer;
    for (FormulaText t : DefaultTexts()) {
        t.text += "8888";
        longer.push_back(t);
    }
    QTest::newRow("longer texts") << longer << false;
}

void TestFormulasWindow::nothingOverlaps() {
    QFETCH(Texts, texts);
    QFETCH(bool, fitsWindow);
    frmFormulas window(nullptr);
    Fill(window, texts);
    const QRect button = window.findChild<QPushButton*>("cmdShowGraphics")->geometry();
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    for (QLabel* a : labels) {
        if (IsGapSymbol(a)) continue;
        const QString what = a->objectName() + " " + a->text();
        QVERIFY2(!a->geometry().intersects(button), qPrintable(what));
        if (fitsWindow) QVERIFY2(window.rect().contains(a->geometry()), qPrintable(what));
        for (QLabel* b : labels) {
            QVERIFY2(a == b || IsGapSymbol(b) || !a->geometry().intersects(b->geometry()),
                     qPrintable(what + " / " + b->objectName() + " " + b->text()));
        }
    }
}

// The density symbols of the two output lines stand in the four blanks of their numerator,
// clear of the characters on both sides.
void TestFormulasWindow::densityInGap() {
    frmFormulas window(nullptr);
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    int found = 0;
    for (QLabel* host : labels) {
        const int gap = host->text().indexOf("    ");
        if (gap < 0) continue;
        const QFontMetrics fm(host->font());
        const int gapLeft = host->x() + fm.horizontalAdvance(host->text().left(gap));
        const auto symbol = std::ranges::find_if(
            labels, [&](QLabel* l) { return l->text() == "p" && l->y() == host->y(); });
        QVERIFY(symbol != labels.end());
        const QLabel* p = *symbol;
        QVERIFY(p->x() >= gapLeft);
        QVERIFY(p->geometry().right() < gapLeft + fm.horizontalAdvance("    "));

        // Its ink, as the label draws it, is whole and keeps a blank column from the ink of
        // the text on either side (an italic letter reaches left of its origin).
        const QRect ink = QFontMetrics(p->font()).boundingRect(p->text()).translated(
            p->x() + p->contentsRect().left(), 0);
        QVERIFY(ink.left() >= p->x() && ink.right() <= p->geometry().right());
        const QString before = host->text().left(gap);
        const QString after = host->text().mid(gap + 4);
        const int beforeEnd =
            host->x() + std::max(fm.horizontalAdvance(before), fm.boundingRect(before).right() + 1);
        const int afterStart =
            gapLeft + fm.horizontalAdvance("    ") + fm.boundingRect(after).left();
        QVERIFY2(ink.left() > beforeEnd, "touches the text before the gap");
        QVERIFY2(ink.right() < afterStart - 1, "touches the text after the gap");
        ++found;
    }
    QCOMPARE(found, 2);
}

void TestFormulasWindow::showGraphics() {
    QWidget main;
    frmFormulas window(&main);
    QSignalSpy shown(&window, &frmFormulas::graphicsShown);
    SetNamed(window, "lblDrawThruAirDensity", "0.0696 lbs./cu. ft.");
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdShowGraphics"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(shown.count(), 1);

    // Shown again, and closed by the program: only hidden, texts kept, no second signal.
    window.show();
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(Named(window, "lblDrawThruAirDensity")->text(), "0.0696 lbs./cu. ft.");
}

void TestFormulasWindow::followsMainWindowOnActivation_data() {
    QTest::addColumn<bool>("anchored");
    QTest::newRow("offsets from the outer frame") << false;
    QTest::newRow("Show graphics over Show formulae") << true;
}

void TestFormulasWindow::followsMainWindowOnActivation() {
    QFETCH(bool, anchored);
    // A main window whose buttons stand below a menu bar, as the real one's do.
    QWidget main;
    main.setGeometry(100, 120, 700, 500);
    auto* client = new QWidget(&main);
    client->setGeometry(0, 23, 700, 477);
    auto* showFormulas = new QPushButton("Show formulae", client);
    showFormulas->setGeometry(TwipsRect(8265, 1335, 1815, 375));
    main.show();
    frmFormulas window(&main);
    if (anchored) window.SetAnchor(showFormulas);
    const QPushButton* showGraphics = window.findChild<QPushButton*>("cmdShowGraphics");
    auto placed = [&] { return anchored ? showGraphics->mapToGlobal(QPoint()) : window.pos(); };
    auto expected = [&] {
        return anchored ? showFormulas->mapToGlobal(QPoint())
                        : main.frameGeometry().topLeft() + QPoint(Px(70), Px(1960));
    };
    window.show();
    QCOMPARE(placed(), expected());

    // Moving the main window leaves the panel until it is activated again.
    const QPoint before = placed();
    main.move(260, 180);
    QCOMPARE(placed(), before);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    QCOMPARE(placed(), expected());

    window.hide();
    main.move(40, 60);
    window.show();
    QCOMPARE(placed(), expected());
}
