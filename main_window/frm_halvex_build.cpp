// Building the main window from its tables: the diagram, labels, boxes, buttons and menus.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "field_rules.h"
#include "fonts.h"
#include "frm_halvex.h"
#include "input_box.h"
#include "twips.h"

namespace vevi {
namespace {

const QColor kStubGrey(192, 192, 192);
// A small caption stands this far right of its unit and below its caption's baseline (pixels).
constexpr int kSubscriptGap = 2;
constexpr int kSubscriptDrop = 3;

// The spokes of the two blower wheels (x1, y1, x2, y2 in twips); set A shows at creation.
struct Spoke {
    const char* name;
    Arrangement wheel;
    bool setA;
    double x1, y1, x2, y2;
};
// clang-format off
constexpr Spoke kSpokes[] = {
    {"Line23", Arrangement::DrawThru, true,  4260, 2040, 4260, 2460},
    {"Line24", Arrangement::DrawThru, true,  4065, 2250, 4455, 2250},
    {"Line25", Arrangement::DrawThru, true,  4410, 2100, 4110, 2385},
    {"Line26", Arrangement::DrawThru, true,  4110, 2115, 4395, 2385},
    {"Line27", Arrangement::DrawThru, false, 4170, 2085, 4335, 2445},
    {"Line28", Arrangement::DrawThru, false, 4320, 2070, 4185, 2460},
    {"Line29", Arrangement::DrawThru, false, 4095, 2190, 4455, 2340},
    {"Line30", Arrangement::DrawThru, false, 4440, 2175, 4080, 2310},
    {"Line35", Arrangement::BloThru,  true,  2370, 4755, 2655, 5025},
    {"Line36", Arrangement::BloThru,  true,  2670, 4740, 2370, 5025},
    {"Line37", Arrangement::BloThru,  true,  2325, 4890, 2715, 4890},
    {"Line38", Arrangement::BloThru,  true,  2520, 4680, 2520, 5100},
    {"Line31", Arrangement::BloThru,  false, 2700, 4815, 2340, 4950},
    {"Line32", Arrangement::BloThru,  false, 2355, 4830, 2715, 4980},
    {"Line33", Arrangement::BloThru,  false, 2580, 4710, 2445, 5100},
    {"Line34", Arrangement::BloThru,  false, 2430, 4725, 2595, 5085},
};
// clang-format on

// A caption whose run of blanks before character `gapEnd` is drawn wider, so that a small
// caption fits in it; its text stays as written.
class CaptionLabel : public QLabel {
public:
    using QLabel::QLabel;
    void WidenGap(qsizetype gapEnd, int extra) {
        gapEnd_ = gapEnd;
        extra_ = extra;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (extra_ <= 0) return QLabel::paintEvent(event);
        QPainter painter(this);
        const QRect r = contentsRect();
        const QString head = text().left(gapEnd_);
        const int flags = int(alignment());
        style()->drawItemText(&painter, r, flags, palette(), isEnabled(), head, foregroundRole());
        const int shift = fontMetrics().horizontalAdvance(head) + extra_;
        style()->drawItemText(&painter, r.adjusted(shift, 0, 0, 0), flags, palette(), isEnabled(),
                              text().mid(gapEnd_), foregroundRole());
    }

private:
    qsizetype gapEnd_ = 0;
    int extra_ = 0;
};

QFont FontFor(layout::Style style) {
    switch (style) {
        case layout::Style::Small:
            return MakeFont(FontFace::Arial, 6);
        case layout::Style::Heading:
            return MakeFont(FontFace::Arial, 9.75, true, false, true);
        default:
            return MakeFont(FontFace::Arial, 9.75, true);
    }
}

}  // namespace

void frmHalvex::SetTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText,
               colour.isValid() ? colour : label->window()->palette().color(QPalette::WindowText));
    label->setPalette(p);
}

void frmHalvex::CreateDiagram() {
    canvas_ = new DiagramCanvas(centralWidget());
    canvas_->setGeometry(0, 0, Px(layout::kClientWidth), Px(layout::kClientHeight));
    DiagramCanvas& c = *canvas_;
    // Duct stubs: the grey fill first, its edge lines over it.
    c.AddRect("Shape3_0", 2145, 1470, 240, 360, kStubGrey);
    c.AddRect("Shape3_1", 2145, 3030, 240, 360, kStubGrey);
    c.AddRect("Shape3_2", 2145, 4110, 240, 360, kStubGrey);
    c.AddRect("Shape3_3", 2145, 5355, 240, 360, kStubGrey);
    c.AddLine("Line1", 0, 1260, layout::kClientWidth, 1260);
    c.AddLine("Line2", 0, 3840, layout::kClientWidth, 3840);
    // Draw Thru: cabinet, inlet hood, stubs, burner, blower.
    c.AddRect("Shape1", 2145, 1830, 5160 - 2145, 3045 - 1830);
    c.AddLine("Line3", 2145, 1830, 1065, 2790);
    c.AddLine("Line4", 2145, 3045, 1065, 2790);
    c.AddLine("Line9", 2145, 1470, 2145, 1830);
    c.AddLine("Line10", 2385, 1470, 2385, 1830);
    c.AddLine("Line11", 2145, 3030, 2145, 3390);
    c.AddLine("Line12", 2385, 3030, 2385, 3390);
    drawThruFlame_ =
        c.AddPicture("imgDrawThruFlame", ":/pictures/flame.svg", 2550, 1950, 480, 480, false);
    c.AddLine("Line17", 2475, 2130, 2475, 2250);
    c.AddLine("Line19", 2475, 2190, 3045, 1920);
    c.AddLine("Line20", 2475, 2190, 3045, 2460);
    c.AddPicture("Image3", ":/pictures/blower_draw_thru.svg", 3900, 1860, 975, 855);
    // Blow Thru: cabinet, inlet hood, stubs, blower, burner.
    c.AddRect("Shape2", 2145, 4470, 4350 - 2145, 5370 - 4470);
    c.AddLine("Line5", 2145, 4470, 1500, 4800);
    c.AddLine("Line6", 1500, 4800, 1000, 5115);
    c.AddLine("Line7", 2145, 5370, 1500, 5250);
    c.AddLine("Line8", 1500, 5250, 1000, 5115);
    c.AddLine("Line13", 2145, 4110, 2145, 4470);
    c.AddLine("Line14", 2385, 4110, 2385, 4470);
    c.AddLine("Line15", 2145, 5355, 2145, 5715);
    c.AddLine("Line16", 2385, 5355, 2385, 5715);
    c.AddPicture("Image4", ":/pictures/blower_blow_thru.svg", 2160, 4485, 975, 855);
    bloThruFlame_ =
        c.AddPicture("imgBloThruFlame", ":/pictures/flame.svg", 3135, 4575, 600, 480, false);
    c.AddLine("Line18", 3060, 4755, 3060, 4875);
    c.AddLine("Line21", 3060, 4815, 3630, 4545);
    c.AddLine("Line22", 3060, 4815, 3630, 5085);
    // Fan wheels: hubs and the two spoke sets.
    c.AddEllipse("Shape4", 4215, 2205, 90, 90, palette().color(QPalette::WindowText));
    c.AddEllipse("Shape5", 2475, 4845, 90, 90, palette().color(QPalette::WindowText));
    for (const Spoke& s : kSpokes) {
        WheelSpokes& wheel = s.wheel == Arrangement::DrawThru ? drawThruWheel_ : bloThruWheel_;
        (s.setA ? wheel.setA : wheel.setB)
            .push_back(c.AddLine(s.name, s.x1, s.y1, s.x2, s.y2, s.setA));
    }
    // The rules of the subtraction output - air load = net.
    netRules_ = {c.AddLine("Line39", 5250, 3540, 6030, 3540, false),
                 c.AddLine("Line40", 5250, 6300, 6030, 6300, false)};
}

void frmHalvex::CreateLabels() {
    QWidget* client = centralWidget();
    QLabel* previous = nullptr;
    for (const layout::LabelSpec& s : layout::Labels()) {
        auto* label = new CaptionLabel(QString::fromUtf8(s.text), client);
        label->setObjectName(s.name);
        label->setFont(FontFor(s.style));
        label->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        label->setAlignment((s.align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignTop);
        SetTextColour(label, s.color);
        const bool hidden = s.group == layout::Group::Common || s.group == layout::Group::Detail ||
                            s.group == layout::Group::Net;
        label->setVisible(!hidden);
        if (s.after) PlaceSubscript(label, previous, s.after);
        if (s.value) {
            const auto a = static_cast<std::size_t>(s.value->arrangement);
            values_[a][static_cast<std::size_t>(s.value->quantity)] = label;
        }
        if (s.group == layout::Group::DischargeRow) dischargeRowCaption_ = label;
        if (s.group == layout::Group::RiseRow) riseRowCaption_ = label;
        labels_.push_back(label);
        previous = label;
    }
}

// Lowered right after `after` of its caption, so that it reads as a subscript of the unit.
// Where the caption's run of blanks is too short for it in the fonts at hand, the blanks are
// widened, so that the text goes on clear of it.
void frmHalvex::PlaceSubscript(QLabel* small, QLabel* caption, const char* after) {
    const QFontMetrics fm(caption->font());
    const QString prefix = QString::fromUtf8(after);
    int x = caption->x() + fm.horizontalAdvance(prefix);
    if (caption->alignment() & Qt::AlignRight)
        x += caption->width() - fm.horizontalAdvance(caption->text());
    small->adjustSize();
    small->move(x + kSubscriptGap,
                caption->y() + fm.ascent() - QFontMetrics(small->font()).ascent() + kSubscriptDrop);
    if (caption->alignment() & Qt::AlignRight) return;
    const QString text = caption->text();
    qsizetype gapEnd = prefix.size();
    while (gapEnd < text.size() && text[gapEnd] == ' ') ++gapEnd;
    if (gapEnd == prefix.size() || gapEnd == text.size()) return;
    const int overlap = small->geometry().right() + 1 + kSubscriptGap -
                        (caption->x() + fm.horizontalAdvance(text.left(gapEnd)));
    if (overlap > 0) static_cast<CaptionLabel*>(caption)->WidenGap(gapEnd, overlap);
}

void frmHalvex::CreateBoxes() {
    for (const layout::BoxSpec& s : layout::Boxes()) {
        auto* box = new InputBox(s, centralWidget());
        box->setFont(MakeFont(FontFace::Arial, 9.75, true));
        box->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        box->setAccessibleName(QString::fromUtf8(s.accessibleName));
        box->PutText(RuleOf(s.field).designText);
        connect(box, &InputBox::focusArrived, this, [this, box] { InputBox_GotFocus(box); });
        connect(box, &InputBox::moveRequested, this,
                [this, box](layout::Target to) { InputBox_KeyMove(box, to); });
        connect(box, &QLineEdit::textChanged, this, &frmHalvex::InputBox_Change);
        boxes_[static_cast<std::size_t>(s.field)] = box;
    }
}

void frmHalvex::CreateButtons() {
    for (const layout::ButtonSpec& s : layout::Buttons()) {
        auto* button = new QPushButton(s.text, centralWidget());
        button->setObjectName(s.name);
        button->setFont(MakeFont(FontFace::MsSansSerif, 8.25, true));
        button->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        button->setFocusPolicy(Qt::ClickFocus);
        button->setAutoDefault(false);
        button->setVisible(s.visible);
        switch (s.button) {
            case layout::Button::SelectCity:
                cmdSelectCity_ = button;
                connect(button, &QPushButton::clicked, this, &frmHalvex::cmdSelectCity_Click);
                break;
            case layout::Button::Go:
                cmdGo_ = button;
                connect(button, &QPushButton::clicked, this, &frmHalvex::cmdGo_Click);
                break;
            case layout::Button::ShowFormulas:
                cmdShowFormulas_ = button;
                connect(button, &QPushButton::clicked, this, &frmHalvex::cmdShowFormulas_Click);
                break;
        }
    }
}

QAction* frmHalvex::Item(QMenu* menu, const char* name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    return a;
}

namespace {

QMenu* Submenu(QWidget* parent, const char* name, const QString& text) {
    auto* menu = new QMenu(text, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace

QAction* frmHalvex::OnClick(QAction* action, void (frmHalvex::*handler)()) {
    connect(action, &QAction::triggered, this, handler);
    GiveShortcut(action, handler);
    return action;
}

void frmHalvex::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");
    CreateFileMenu(bar);
    CreateViewMenu(bar);
    CreateSpecialMenu(bar);
    CreateHelpMenu(bar);
}

void frmHalvex::CreateFileMenu(QMenuBar* bar) {
    QMenu* file = Submenu(bar, "mnuFile", "&File");
    bar->addMenu(file);
    CreateJobItems(file);
    mnuPrintGraphics_ = Submenu(file, "mnuPrintGraphics", "Print &Graphics");
    file->addMenu(mnuPrintGraphics_);
    // Disabled on the menu itself: a menu only follows its action while the window is enabled,
    // and enabling the window again after the location dialog would enable it too.
    mnuPrintGraphics_->setEnabled(false);
    OnClick(Item(mnuPrintGraphics_, "mnuColor", "&Color"), &frmHalvex::mnuColor_Click);
    OnClick(Item(mnuPrintGraphics_, "mnuBW", "&B&&W"), &frmHalvex::mnuBW_Click);
    mnuPrintFormulas_ = OnClick(Item(file, "mnuPrintFormulas", "Print &Formulas"),
                                &frmHalvex::mnuPrintFormulas_Click);
    mnuPrintFormulas_->setEnabled(false);
    CreateResultsCommands(file);
    OnClick(Item(file, "mnuExit", "E&xit"), &frmHalvex::mnuExit_Click);
}

void frmHalvex::CreateViewMenu(QMenuBar* bar) {
    QMenu* view = Submenu(bar, "mnuView", "&View");
    bar->addMenu(view);
    mnuViewDetails_ =
        OnClick(Item(view, "mnuViewDetails", "&Details"), &frmHalvex::mnuViewDetails_Click);
    mnuViewDetails_->setCheckable(true);
    mnuViewDetails_->setChecked(true);
    mnuViewPresentation_ = OnClick(Item(view, "mnuViewPresentation", "&Presentation"),
                                   &frmHalvex::mnuViewPresentation_Click);
    mnuViewPresentation_->setCheckable(true);
}

void frmHalvex::CreateSpecialMenu(QMenuBar* bar) {
    QMenu* special = Submenu(bar, "mnuSpecial", "&Special");
    bar->addMenu(special);
    QMenu* matchCapacity = Submenu(special, "mnuMatchCapacity", "Match &Capacity");
    special->addMenu(matchCapacity);
    OnClick(Item(matchCapacity, "mnuMatchInputCapacity", "Input"),
            &frmHalvex::mnuMatchInputCapacity_Click);
    OnClick(Item(matchCapacity, "mnuMatchOutputCapacity", "Output"),
            &frmHalvex::mnuMatchOutputCapacity_Click);
    OnClick(Item(matchCapacity, "mnuMatchNetCapacity", "Net"),
            &frmHalvex::mnuMatchNetCapacity_Click);
    OnClick(Item(special, "mnuMatchAirflow", "Match &Airflow"), &frmHalvex::mnuMatchAirflow_Click);
    // The toolkit inverts the check mark of a checkable item on each click.
    mnuSaveSettings_ = Item(special, "mnuSaveSettings", "Save Settings on Exit");
    mnuSaveSettings_->setCheckable(true);
    mnuSaveSettings_->setChecked(true);
}

void frmHalvex::CreateHelpMenu(QMenuBar* bar) {
    QMenu* help = Submenu(bar, "mnuHelp", "&Help");
    bar->addMenu(help);
    OnClick(Item(help, "mnuAbout", "&About"), &frmHalvex::mnuAbout_Click);
    help->addSeparator();
    OnClick(Item(help, "mnuUserGuide", "User &Guide"), &frmHalvex::mnuUserGuide_Click);
    OnClick(Item(help, "mnuAboutQt", "About &Qt"), &frmHalvex::mnuAboutQt_Click);
}

}  // namespace vevi
