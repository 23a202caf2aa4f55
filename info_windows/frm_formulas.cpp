#include "frm_formulas.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "accessibility.h"
#include "fonts.h"
#include "palettes.h"
#include "twips.h"

namespace vevi {
namespace {

// Geometry in twips.
constexpr double kClientWidth = 10110;
constexpr auto kInchPoundNote = "Worked in inch-pound units (\u00B0F, in. Hg, cfm, MBH)";
constexpr int kInchPoundNoteMargin = 8;  // pixels from the right edge and the separator
constexpr double kClientHeight = 5025;
constexpr double kTitleLeft = 120;
constexpr double kLineLeft = 240;
constexpr double kSeparatorTop = 2505;
constexpr double kBloThruTop = 2580;
// Offset of this window from the main window's outer frame, which lays it over the diagram.
constexpr double kOffsetLeft = 70;
constexpr double kOffsetTop = 1960;

// Space between the items of a line, in pixels; the texts carry their own blanks as well.
constexpr int kItemGap = 3;

// The density stands in the gap of these four blanks in the output formula.
const QString kDensityGap = QStringLiteral("    ");
const QString kDensitySymbol = QStringLiteral("p");

QFont LabelFont() {
    return MakeFont(FontFace::Arial, 8.25);
}

QFont SymbolFont() {
    return MakeFont(FontFace::Arial, 8.25, true, true);
}

// Sized after the font's advance, so that leading and trailing blanks take their room too.
template <class Enum>
std::size_t Index(Enum value) {
    return static_cast<std::size_t>(value);
}

void FitToText(QLabel* label) {
    const QFontMetrics fm(label->font());
    const int width =
        std::max(fm.horizontalAdvance(label->text()), fm.boundingRect(label->text()).right() + 1);
    label->resize(width, fm.height());
}

// A frameless plain widget reaches the accessibility bridge as a filler; this one is a window
// that a screen reader announces by its title.
QAccessibleInterface* AccessibleWindow(const QString&, QObject* object) {
    auto* window = qobject_cast<frmFormulas*>(object);
    return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

// Sized to the glyphs' ink as well as their advance: an italic letter can reach left of its
// origin, which the label would otherwise cut off, so a margin makes room for it.
void FitToInk(QLabel* label) {
    const QFontMetrics fm(label->font());
    const QRect ink = fm.boundingRect(label->text());
    const int margin = std::max(0, -ink.left());
    label->setContentsMargins(margin, 0, 0, 0);
    label->resize(margin + std::max(fm.horizontalAdvance(label->text()), ink.right() + 1),
                  fm.height());
}

}  // namespace

frmFormulas::frmFormulas(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
    setObjectName("frmFormulas");
    setWindowTitle("Formulas");
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    // Laid over the main window's diagram, it is drawn on the same white.
    setPalette(PaperPalette());
    ShowFocusMarks(this);
    [[maybe_unused]] static const bool announced =
        (QAccessible::installFactory(AccessibleWindow), true);

    cmdShowGraphics_ = new QPushButton("Show graphics", this);
    cmdShowGraphics_->setObjectName("cmdShowGraphics");
    cmdShowGraphics_->setFont(MakeFont(FontFace::MsSansSerif, 8.25, true));
    cmdShowGraphics_->setGeometry(TwipsRect(8265, 0, 1815, 375));
    connect(cmdShowGraphics_, &QPushButton::clicked, this, &frmFormulas::cmdShowGraphics_Click);

    BuildSection(0, "Draw Thru System", Arrangement::DrawThru);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Plain);
    separator->setGeometry(0, Px(kSeparatorTop), width(), 1);

    BuildSection(kBloThruTop, "Blow Thru System", Arrangement::BloThru);

    // At the right end of the Draw Thru section's last line, which ends far short of it.
    inchPoundNote_ = new QLabel(QString::fromUtf8(kInchPoundNote), this);
    inchPoundNote_->setObjectName("lblInchPoundNote");
    inchPoundNote_->setFont(LabelFont());
    FitToText(inchPoundNote_);
    inchPoundNote_->move(width() - inchPoundNote_->width() - kInchPoundNoteMargin,
                         Px(kSeparatorTop) - inchPoundNote_->height() - kInchPoundNoteMargin / 2);
    inchPoundNote_->hide();

    LayoutLines();
    DescribeNamedControls(this);
}

void frmFormulas::ShowInchPoundNote(bool shown) {
    inchPoundNote_->setVisible(shown);
}

QLabel* frmFormulas::AddLabel(std::optional<FormulaSlot> slot, const QString& text) {
    auto* label = new QLabel(text, this);
    if (slot) {
        label->setObjectName(FigureName(section_, *slot));
        figures_[Index(section_)][Index(*slot)] = label;
    }
    label->setFont(LabelFont());
    label->setTextFormat(Qt::PlainText);
    FitToText(label);
    return label;
}

frmFormulas::Item frmFormulas::Text(std::optional<FormulaSlot> slot, const QString& text) {
    Item item;
    item.text = AddLabel(slot, text);
    return item;
}

frmFormulas::Item frmFormulas::Fraction(std::optional<FormulaSlot> numeratorSlot,
                                        const QString& numeratorText,
                                        std::optional<FormulaSlot> denominatorSlot,
                                        const QString& denominatorText) {
    Item item;
    item.numerator = AddLabel(numeratorSlot, numeratorText);
    item.denominator = AddLabel(denominatorSlot, denominatorText);
    item.rule = new QFrame(this);
    item.rule->setFrameShape(QFrame::HLine);
    item.rule->setFrameShadow(QFrame::Plain);
    return item;
}

void frmFormulas::AddLine(double numeratorTop, double denominatorTop, std::vector<Item> items) {
    Line line;
    line.numeratorTop = Px(numeratorTop);
    line.denominatorTop = Px(denominatorTop);
    line.items = std::move(items);
    lines_.push_back(std::move(line));
}

// One arrangement's title (its top in twips) and its five formula lines.
void frmFormulas::BuildSection(int top, const QString& title, Arrangement arrangement) {
    const bool draw = arrangement == Arrangement::DrawThru;
    section_ = arrangement;

    QLabel* heading = AddLabel(std::nullopt, title);
    heading->setFont(MakeFont(FontFace::Arial, 8.25, true, false, true));
    FitToText(heading);
    heading->move(Px(kTitleLeft), Px(top));

    AddAirflowLines(draw);
    AddHeatLines(draw);
}

// The first two lines differ between the arrangements in what stands over what.
void frmFormulas::AddAirflowLines(bool draw) {
    using F = FormulaSlot;
    const QString inletTemp = QStringLiteral("460 + Inlet Temperature (\u00B0F)");
    const QString dischargeTemp = QStringLiteral("460 + Discharge Temperature (\u00B0F)");
    const QString spaceTemp = QStringLiteral("460 + Space Temperature (\u00B0F)");
    if (draw) {
        AddLine(
            150, 435,
            {Text({}, "CFMi  =  CFMd  x "), Fraction({}, inletTemp, {}, dischargeTemp),
             Text(F::CFMd, "="), Fraction(F::InletTempR, "460 + 0", F::DischargeTempR_0, "460 + 0"),
             Text(F::InletCFM, "0")});
        AddLine(
            685, 960,
            {Text({}, "NCFM  =  CFMd  x "), Fraction({}, spaceTemp, {}, dischargeTemp),
             Text(F::CFMs, "="), Fraction(F::SpaceTempR, "460 + 0", F::DischargeTempR_1, "460 + 0"),
             Text(F::SpaceCFM, "0")});
    } else {
        AddLine(
            2745, 3015,
            {Text({}, "CFMd  =  CFMi  x "), Fraction({}, dischargeTemp, {}, inletTemp),
             Text(F::CFMd, "="), Fraction(F::DischargeTempR_0, "460 + 0", F::InletTempR, "460 + 0"),
             Text(F::DischargeCFM, "0")});
        AddLine(
            3300, 3555,
            {Text({}, "CFMs  =  CFMd  x "), Fraction({}, spaceTemp, {}, dischargeTemp),
             Text(F::CFMs, "="), Fraction(F::SpaceTempR, "460 + 0", F::DischargeTempR_1, "460 + 0"),
             Text(F::SpaceCFM, "0")});
    }
}

// The density, output and input lines differ between the arrangements only in names.
void frmFormulas::AddHeatLines(bool draw) {
    using F = FormulaSlot;
    const Item density = Text({}, kDensitySymbol);
    density.text->setFont(SymbolFont());
    FitToText(density.text);
    AddLine(draw ? 1225 : 3805, draw ? 1470 : 4050,
            {density, Text({}, "(Air Density @ blower) = 1.32605 x "),
             Fraction({}, "Barometric Pressure", {}, "460 + Temperature @ Fan (\u00B0F)"),
             Text({}, "= 1.32605 x "), Fraction(F::BaroPress, "0", F::AirTemp, "460  +  0"),
             Text({}, "= "), Text(F::AirDensity, "0")});

    const Item output =
        Fraction({}, "CFMb x" + kDensityGap + "x Specific Heat x Min/Hr x Temperature Rise", {},
                 "Btu/hr / MBH");
    AddLine(draw ? 1735 : 4335, draw ? 1980 : 4590,
            {Text({}, "MBH Output ="), output, Text({}, "="),
             Fraction(F::OutputMBHFormula, "000", {}, "1000"), Text(F::OutputMBH, "=")});
    lines_.back().gapHost = output.numerator;
    lines_.back().gapSymbol = AddLabel({}, kDensitySymbol);
    lines_.back().gapSymbol->setFont(SymbolFont());
    FitToInk(lines_.back().gapSymbol);

    AddLine(draw ? 2205 : 4800, draw ? 2205 : 4800,
            {Text({}, "MBH Input = MBH Output / Burner Efficiency = "),
             Text(F::InputMBHFormula, "000"), Text(F::InputMBH, "0")});
}

QString FigureName(Arrangement arrangement, FormulaSlot slot) {
    static constexpr std::array<const char*, kFormulaSlotCount> kSuffixes = {
        "CFMd",     "CFMs",         "InletTempR",       "DischargeTempR_0", "DischargeTempR_1",
        "InletCFM", "DischargeCFM", "SpaceTempR",       "SpaceCFM",         "BaroPress",
        "AirTemp",  "AirDensity",   "OutputMBHFormula", "OutputMBH",        "InputMBHFormula",
        "InputMBH"};
    // The Draw Thru output numerator keeps its name without the arrangement.
    if (arrangement == Arrangement::DrawThru && slot == FormulaSlot::OutputMBHFormula)
        return QStringLiteral("lblOutputMBHFormula");
    const QString prefix = arrangement == Arrangement::DrawThru ? "lblDrawThru" : "lblBloThru";
    return prefix + kSuffixes[Index(slot)];
}

QLabel* frmFormulas::Figure(Arrangement arrangement, FormulaSlot slot) const {
    return figures_[Index(arrangement)][Index(slot)];
}

void frmFormulas::SetFigure(Arrangement arrangement, FormulaSlot slot, const QString& text) {
    QLabel* label = Figure(arrangement, slot);
    Q_ASSERT(label);  // the engine writes only the figures an arrangement shows
    if (!label) return;
    label->setText(text);
    FitToText(label);
    for (Line& line : lines_) {
        for (const Item& item : line.items) {
            if (item.text == label || item.numerator == label || item.denominator == label) {
                LayoutLine(line);
                return;
            }
        }
    }
}

// Left to right from the line's start. A fraction is as wide as its wider text, both texts
// centred over each other with the rule between; single texts stand centred on the rule.
void frmFormulas::LayoutLine(Line& line) {
    const bool hasFraction =
        std::any_of(line.items.begin(), line.items.end(), [](const Item& i) { return i.rule; });
    const int textHeight = QFontMetrics(LabelFont()).height();
    const int ruleY = (line.numeratorTop + textHeight + line.denominatorTop) / 2;

    int x = Px(kLineLeft);
    for (const Item& item : line.items) {
        if (item.text) {
            FitToText(item.text);
            const int top = hasFraction ? ruleY - item.text->height() / 2 : line.numeratorTop;
            item.text->move(x, top);
            x += item.text->width() + kItemGap;
            continue;
        }
        FitToText(item.numerator);
        FitToText(item.denominator);
        const int w = std::max(item.numerator->width(), item.denominator->width());
        item.numerator->move(x + (w - item.numerator->width()) / 2, line.numeratorTop);
        item.denominator->move(x + (w - item.denominator->width()) / 2, line.denominatorTop);
        item.rule->setGeometry(x, ruleY, w, 1);
        x += w + kItemGap;
    }

    if (line.gapSymbol) {
        // The symbol's ink is centred between the ink of the characters on either side of the
        // gap: centring its advance in the blanks let the italic letter touch the "x" before.
        const QLabel* host = line.gapHost;
        const QFontMetrics fm(host->font());
        const int gapStart = host->text().indexOf(kDensityGap);
        const QString before = host->text().left(gapStart);
        const QString after = host->text().mid(gapStart + kDensityGap.size());
        const int clearFrom =
            std::max(fm.horizontalAdvance(before), fm.boundingRect(before).right() + 1);
        const int clearTo =
            fm.horizontalAdvance(before + kDensityGap) + fm.boundingRect(after).left();
        const QRect ink = QFontMetrics(line.gapSymbol->font()).boundingRect(line.gapSymbol->text());
        const int inkLeft = clearFrom + (clearTo - clearFrom - ink.width()) / 2;
        line.gapSymbol->move(
            host->x() + inkLeft - line.gapSymbol->contentsRect().left() - ink.left(), host->y());
        line.gapSymbol->raise();
    }
}

void frmFormulas::LayoutLines() {
    for (Line& line : lines_) LayoutLine(line);
}

bool frmFormulas::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            Form_Activate();
            break;
        // Placed before the first paint too, so that the window does not jump on activation.
        case QEvent::Show:
            if (!event->spontaneous()) Form_Activate();
            LayoutLines();
            break;
        // A label's text set directly, while the window is visible, asks for this.
        case QEvent::LayoutRequest:
            LayoutLines();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void frmFormulas::SetAnchor(QWidget* button) {
    anchor_ = button;
}

void frmFormulas::Form_Activate() {
    if (anchor_) {
        // The offsets from the main window's outer frame hold only for the frame they were
        // measured on; placing the client area from the button itself holds for any frame,
        // and none. This window's own frame, if the window manager gives it one, comes on top.
        const QPoint client =
            anchor_->mapToGlobal(QPoint()) - cmdShowGraphics_->mapTo(this, QPoint());
        move(client - (geometry().topLeft() - frameGeometry().topLeft()));
        return;
    }
    if (!mainWindow_) return;
    move(mainWindow_->frameGeometry().topLeft() + QPoint(Px(kOffsetLeft), Px(kOffsetTop)));
}

void frmFormulas::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, as in a dialog; the button alone ignores it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && cmdShowGraphics_->hasFocus()) {
        if (!event->isAutoRepeat()) cmdShowGraphics_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmFormulas::ShowGraphicsButton(bool visible) {
    cmdShowGraphics_->setVisible(visible);
}

void frmFormulas::cmdShowGraphics_Click() {
    hide();
    emit graphicsShown();
}

// The window is only ever hidden. A close by the user (the window has no border, but the
// platform may still offer one) goes back to the diagram as "Show graphics" does; a close by
// the program, as at the end of the run, just hides it.
void frmFormulas::closeEvent(QCloseEvent* event) {
    event->accept();
    if (event->spontaneous()) cmdShowGraphics_Click();
}

}  // namespace vevi
