#include "frm_halvex.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <utility>

#include "accessibility.h"
#include "comparison.h"
#include "diagram_canvas.h"
#include "fonts.h"
#include "formulas.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "main_layout.h"
#include "number_text.h"
#include "print_widget.h"
#include "prompts.h"
#include "results.h"
#include "settings_store.h"
#include "twips.h"

namespace vevi {
namespace {

constexpr auto kCaption = "Vevi Razo ro. Vozo Veri Vevirazedo";
constexpr auto kInvalidValue = "Invalid Value";
constexpr auto kEnterData = "Enter Data";
constexpr int kTimerIntervalMs = 250;
constexpr double kLargestRise = 160;  // the largest rise the limit boxes accept

const QStringList kCommonSet = {"lblDrawThruDisCFM",
                                "lblDrawThruDisTemp",
                                "lblDrawThruBTUIn",
                                "lblDrawThruBTUOut",
                                "lblBloThruInletCFM",
                                "lblBloThruInletTemp",
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
const QStringList kDetailSet = {"lblDrawThruInletCFM",
                                "lblDrawThruSpaceCFM",
                                "lblDrawThruInletTemp",
                                "lblDrawThruSpaceTemp",
                                "lblBloThruDisCFM",
                                "lblBloThruSpaceCFM",
                                "lblBloThruDisTemp",
                                "lblBloThruSpaceTemp",
                                "Label19",
                                "Label21",
                                "Label24",
                                "Label26",
                                "Label27",
                                "Label28",
                                "Label32",
                                "Label33"};
const QStringList kNetSet = {"lblDrawThruBTUAirLoad",
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
const QStringList kNetRules = {"Line39", "Line40"};
const QStringList kResultSuffixes = {"InletCFM",  "DisCFM", "SpaceCFM", "InletTemp",  "DisTemp",
                                     "SpaceTemp", "BTUOut", "BTUIn",    "BTUAirLoad", "BTUNet"};
const QStringList kDiagramCaptions = {
    "Label6",  "Label9",  "Label10", "Label12", "Label13", "Label14", "Label16", "Label17",
    "Label19", "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
    "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34", "Label37",
    "Label45", "Label46", "Label47", "Label48", "Label49", "Label50"};
// The labels black-and-white printing sets in the window-text colour, in their order.
const QStringList kColouredSuffixes = {"InletCFM", "DisCFM",     "SpaceCFM", "BTUIn",
                                       "BTUOut",   "BTUAirLoad", "BTUNet"};

// The two spoke sets of each wheel (x1, y1, x2, y2 in twips); set A shows at creation.
struct Spoke {
    const char* name;
    double x1, y1, x2, y2;
};
constexpr Spoke kSpokes[] = {
    {"Line23", 4260, 2040, 4260, 2460}, {"Line24", 4065, 2250, 4455, 2250},
    {"Line25", 4410, 2100, 4110, 2385}, {"Line26", 4110, 2115, 4395, 2385},
    {"Line27", 4170, 2085, 4335, 2445}, {"Line28", 4320, 2070, 4185, 2460},
    {"Line29", 4095, 2190, 4455, 2340}, {"Line30", 4440, 2175, 4080, 2310},
    {"Line35", 2370, 4755, 2655, 5025}, {"Line36", 2670, 4740, 2370, 5025},
    {"Line37", 2325, 4890, 2715, 4890}, {"Line38", 2520, 4680, 2520, 5100},
    {"Line31", 2700, 4815, 2340, 4950}, {"Line32", 2355, 4830, 2715, 4980},
    {"Line33", 2580, 4710, 2445, 5100}, {"Line34", 2430, 4725, 2595, 5085},
};

QStringList LineRange(int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) names << QStringLiteral("Line%1").arg(i);
    return names;
}

// The spoke sets each tick switches, named once.
const QStringList kDrawThruSetA = LineRange(23, 26);
const QStringList kDrawThruSetB = LineRange(27, 30);
const QStringList kBloThruSetB = LineRange(31, 34);
const QStringList kBloThruSetA = LineRange(35, 38);

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

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText,
               colour.isValid() ? colour : QApplication::palette().color(QPalette::WindowText));
    label->setPalette(p);
}

}  // namespace

frmHalvex::frmHalvex(Prompts* prompts, SettingsStore* settings)
    : QMainWindow(nullptr),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtPrompts>(this)),
      ownSettings_(settings ? nullptr : std::make_unique<SettingsStore>()),
      prompts_(prompts ? prompts : ownPrompts_.get()),
      settings_(settings ? settings : ownSettings_.get()),
      quit_([] { QCoreApplication::exit(0); }) {
    setObjectName("frmHalvex");
    setWindowTitle(kCaption);
    setWindowIcon(QIcon(":/pictures/vevi.svg"));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
    setCentralWidget(client);

    CreateDiagram();
    CreateControls();
    CreateMenus();
    // A fixed border: the client area never changes size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &frmHalvex::Timer1_Timer);

    // Coming back from another window of the program puts the focus on "Select a City".
    focusWatch_ = connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        QWindow* before = previousFocusWindow_;
        previousFocusWindow_ = now;
        if (!now || now != windowHandle()) return;
        // One return from a secondary window moves the focus once, whichever notices it first.
        const bool handled = std::exchange(returnFocusDone_, false);
        if (!before || handled) return;
        for (QWidget* w : SecondaryWindows())
            if (w->windowHandle() == before) cmdSelectCity_->setFocus();
    });

    focusLeaveWatch_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusMoved(now); });

    DescribeNamedControls(this);
}

frmHalvex::~frmHalvex() {
    // Closing hands the focus on while the window is half destroyed.
    disconnect(focusWatch_);
    disconnect(focusLeaveWatch_);
    for (InputBox* box : std::as_const(boxes_)) box->DetachHandler();
}

void frmHalvex::CreateDiagram() {
    canvas_ = new DiagramCanvas(centralWidget());
    canvas_->setGeometry(0, 0, Px(layout::kClientWidth), Px(layout::kClientHeight));
    const QColor grey(192, 192, 192);
    DiagramCanvas& c = *canvas_;
    // Duct stubs: the grey fill first, its edge lines over it.
    c.AddRect("Shape3_0", 2145, 1470, 240, 360, grey);
    c.AddRect("Shape3_1", 2145, 3030, 240, 360, grey);
    c.AddRect("Shape3_2", 2145, 4110, 240, 360, grey);
    c.AddRect("Shape3_3", 2145, 5355, 240, 360, grey);
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
    c.AddPicture("imgBloThruFlame", ":/pictures/flame.svg", 3135, 4575, 600, 480, false);
    c.AddLine("Line18", 3060, 4755, 3060, 4875);
    c.AddLine("Line21", 3060, 4815, 3630, 4545);
    c.AddLine("Line22", 3060, 4815, 3630, 5085);
    // Fan wheels: hubs and the two spoke sets.
    c.AddEllipse("Shape4", 4215, 2205, 90, 90, palette().color(QPalette::WindowText));
    c.AddEllipse("Shape5", 2475, 4845, 90, 90, palette().color(QPalette::WindowText));
    for (const Spoke& s : kSpokes) {
        const bool setA = kDrawThruSetA.contains(s.name) || kBloThruSetA.contains(s.name);
        c.AddLine(s.name, s.x1, s.y1, s.x2, s.y2, setA);
    }
    // The rules of the subtraction output - air load = net.
    c.AddLine("Line39", 5250, 3540, 6030, 3540, false);
    c.AddLine("Line40", 5250, 6300, 6030, 6300, false);
}

void frmHalvex::CreateControls() {
    QWidget* client = centralWidget();
    for (int i = 0; i < layout::kLabelCount; ++i) {
        const layout::LabelSpec& s = layout::kLabels[i];
        auto* label = new QLabel(QString::fromUtf8(s.text), client);
        label->setObjectName(s.name);
        label->setFont(FontFor(s.style));
        label->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        label->setAlignment((s.align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignTop);
        SetTextColour(label, s.color);
        label->setVisible(s.visible);
        labels_.insert(s.name, label);
    }
    PlaceSubscripts();

    for (int i = 0; i < kInputRuleCount; ++i) {
        const layout::BoxSpec& s = layout::kBoxes[i];
        auto* box = new InputBox(kInputRules[i], *this, client);
        Q_ASSERT(box->objectName() == s.name);
        box->setFont(MakeFont(FontFace::Arial, 9.75, true));
        box->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        box->setAccessibleName(QString::fromUtf8(s.accessibleName));
        box->SetText(s.text);
        boxes_.insert(s.name, box);
    }

    for (int i = 0; i < layout::kButtonCount; ++i) {
        const layout::ButtonSpec& s = layout::kButtons[i];
        auto* button = new QPushButton(s.text, client);
        button->setObjectName(s.name);
        button->setFont(MakeFont(FontFace::MsSansSerif, 8.25, true));
        button->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
        button->setFocusPolicy(Qt::ClickFocus);
        button->setAutoDefault(false);
        button->setVisible(s.visible);
    }
    cmdSelectCity_ = client->findChild<QPushButton*>("cmdSelectCity");
    cmdGo_ = client->findChild<QPushButton*>("cmdGo");
    cmdShowFormulas_ = client->findChild<QPushButton*>("cmdShowFormulas");
    connect(cmdSelectCity_, &QPushButton::clicked, this, &frmHalvex::cmdSelectCity_Click);
    connect(cmdGo_, &QPushButton::clicked, this, &frmHalvex::cmdGo_Click);
    connect(cmdShowFormulas_, &QPushButton::clicked, this, &frmHalvex::cmdShowFormulas_Click);
    cmdShowFormulas_->installEventFilter(this);
}

void frmHalvex::PlaceSubscripts() {
    for (int i = 0; i < layout::kSubscriptCount; ++i) {
        const layout::SubscriptSpec& s = layout::kSubscripts[i];
        QLabel* small = labels_.value(s.name);
        QLabel* caption = labels_.value(s.caption);
        const QFontMetrics fm(caption->font());
        int x = caption->x() + fm.horizontalAdvance(QString::fromUtf8(s.prefix));
        if (caption->alignment() & Qt::AlignRight)
            x += caption->width() - fm.horizontalAdvance(caption->text());
        small->adjustSize();
        // Lowered so that it reads as a subscript of the unit before it.
        small->move(x + 2, caption->y() + fm.ascent() - QFontMetrics(small->font()).ascent() + 3);
    }
}

void frmHalvex::CreateMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        actions_.insert(name, a);
        return a;
    };
    auto submenu = [this](QWidget* parent, const char* name, const QString& text) {
        auto* menu = new QMenu(text, parent);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        actions_.insert(name, menu->menuAction());
        return menu;
    };
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");

    QMenu* file = submenu(bar, "mnuFile", "&File");
    bar->addMenu(file);
    mnuPrintGraphics_ = submenu(file, "mnuPrintGraphics", "Print &Graphics");
    file->addMenu(mnuPrintGraphics_);
    // Disabled on the menu itself: a menu only follows its action while the window is enabled,
    // and enabling the window again after the location dialog would enable it too.
    mnuPrintGraphics_->setEnabled(false);
    connect(action(mnuPrintGraphics_, "mnuColor", "&Color"), &QAction::triggered, this,
            &frmHalvex::mnuColor_Click);
    connect(action(mnuPrintGraphics_, "mnuBW", "&B&&W"), &QAction::triggered, this,
            &frmHalvex::mnuBW_Click);
    QAction* printFormulas = action(file, "mnuPrintFormulas", "Print &Formulas");
    printFormulas->setEnabled(false);
    connect(printFormulas, &QAction::triggered, this, &frmHalvex::mnuPrintFormulas_Click);
    connect(action(file, "mnuExit", "E&xit"), &QAction::triggered, this, &frmHalvex::mnuExit_Click);

    QMenu* view = submenu(bar, "mnuView", "&View");
    bar->addMenu(view);
    QAction* details = action(view, "mnuViewDetails", "&Details");
    details->setCheckable(true);
    details->setChecked(true);
    connect(details, &QAction::triggered, this, &frmHalvex::mnuViewDetails_Click);
    QAction* presentation = action(view, "mnuViewPresentation", "&Presentation");
    presentation->setCheckable(true);
    connect(presentation, &QAction::triggered, this, &frmHalvex::mnuViewPresentation_Click);

    QMenu* special = submenu(bar, "mnuSpecial", "&Special");
    bar->addMenu(special);
    QMenu* matchCapacity = submenu(special, "mnuMatchCapacity", "Match &Capacity");
    special->addMenu(matchCapacity);
    connect(action(matchCapacity, "mnuMatchInputCapacity", "Input"), &QAction::triggered, this,
            &frmHalvex::mnuMatchInputCapacity_Click);
    connect(action(matchCapacity, "mnuMatchOutputCapacity", "Output"), &QAction::triggered, this,
            &frmHalvex::mnuMatchOutputCapacity_Click);
    connect(action(matchCapacity, "mnuMatchNetCapacity", "Net"), &QAction::triggered, this,
            &frmHalvex::mnuMatchNetCapacity_Click);
    connect(action(special, "mnuMatchAirflow", "Match &Airflow"), &QAction::triggered, this,
            &frmHalvex::mnuMatchAirflow_Click);
    // The toolkit inverts the check mark of a checkable item on each click.
    QAction* save = action(special, "mnuSaveSettings", "Save Settings on Exit");
    save->setCheckable(true);
    save->setChecked(true);

    QMenu* help = submenu(bar, "mnuHelp", "&Help");
    bar->addMenu(help);
    connect(action(help, "mnuAbout", "&About"), &QAction::triggered, this,
            &frmHalvex::mnuAbout_Click);
}

InputBox* frmHalvex::Box(const char* name) const {
    return boxes_.value(name);
}
QLabel* frmHalvex::Label(const QString& name) const {
    return labels_.value(name);
}
QAction* frmHalvex::Action(const char* name) const {
    return actions_.value(name);
}

// ---- Start-up and exit ----

void frmHalvex::Form_Load() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        const QSize frame = sizeHint();
        // Each difference rounded to whole twips first, the halving truncated toward zero.
        const double left = std::trunc(std::round(ToTwips(s.width() - frame.width())) / 2);
        const double top = std::trunc(std::round(ToTwips(s.height() - frame.height())) / 2);
        move(s.left() + Px(left), s.top() + Px(top));
    }
    Action("mnuSaveSettings")->setChecked(settings_->ReadFlag("Save", true));
    Action("mnuViewDetails")->setChecked(settings_->ReadFlag("Details", true));
    Action("mnuViewPresentation")->setChecked(settings_->ReadFlag("Presentation", false));
    if (Action("mnuSaveSettings")->isChecked()) {
        Box("txtOutdoorTemp")->SetText(settings_->Read("Outdoor", "0"));
        Box("txtBaroPress")->SetText(settings_->Read("Elevation", "0"));
    } else {
        Box("txtOutdoorTemp")->SetText("0");
        Box("txtBaroPress")->SetText("0");
    }
    show();
    activateWindow();
    cmdSelectCity_->setFocus();
}

void frmHalvex::SaveSettings() {
    auto number = [this](const char* box) {
        return QString::fromStdString(
            PlainNumberText(LeadingNumber(Box(box)->text().toStdString())));
    };
    settings_->Write("Outdoor", number("txtOutdoorTemp"));
    settings_->Write("Elevation", number("txtBaroPress"));
    settings_->WriteFlag("Save", Action("mnuSaveSettings")->isChecked());
    settings_->WriteFlag("Details", Action("mnuViewDetails")->isChecked());
    settings_->WriteFlag("Presentation", Action("mnuViewPresentation")->isChecked());
    // A store that cannot be written must not keep the program from closing.
    settings_->Flush();
}

void frmHalvex::mnuExit_Click() {
    SaveSettings();
    EndProgram();
}

void frmHalvex::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        SaveSettings();
        EndProgram();
    }
    event->accept();
}

void frmHalvex::EndProgram() {
    exiting_ = true;
    timer1_->stop();
    for (QWidget* w : SecondaryWindows()) w->hide();
    hide();
    quit_();
}

// ---- The comparison ----

bool frmHalvex::ElevationUsable() {
    const double elevation = LeadingNumber(Box("txtBaroPress")->text().toStdString());
    if (elevation >= kLowestElevation && elevation <= kHighestElevation) return true;
    prompts_->Warn(Box("txtBaroPress")->Rules().warning, kInvalidValue);
    return false;
}

ComparisonInputs frmHalvex::InputsFromBoxes() const {
    // In the order of the rules table.
    static constexpr Field kFields[] = {
        Field::IndoorTemp,      Field::OutdoorTemp,      Field::Elevation,
        Field::DrawThruDisTemp, Field::DrawThruTempRise, Field::DrawThruFanCapacity,
        Field::BloThruDisTemp,  Field::BloThruTempRise,  Field::BloThruFanCapacity};
    static_assert(std::size(kFields) == 9);
    ComparisonInputs inputs;
    for (int i = 0; i < kInputRuleCount; ++i)
        inputs.Text(kFields[i]) = Box(kInputRules[i].name)->text().toStdString();
    return inputs;
}

void frmHalvex::cmdGo_Click() {
    // A click that took the focus from a box whose value is then refused does nothing.
    if (!RunPendingCheck()) return;
    if (resultsShown_)
        StopComparison();
    else
        StartComparison();
}

void frmHalvex::StartComparison() {
    if (!ElevationUsable()) return;
    timer1_->start();
    const ComparisonInputs inputs = InputsFromBoxes();
    const auto result = ComputeComparison(inputs, shared_);
    if (!result) {
        timer1_->stop();
        prompts_->Warn("The values entered give no result that can be shown", kInvalidValue);
        return;
    }
    const ComparisonReport report = ReportComparison(inputs, *result, shared_);
    static const char* const kQuantityNames[] = {"InletCFM", "DisCFM", "SpaceCFM", "BTUOut", "BTUIn", "BTUAirLoad", "BTUNet", "InletTemp", "DisTemp", "SpaceTemp"};
    for (Arrangement a : kArrangements) {
        const QString prefix = a == Arrangement::DrawThru ? "lblDrawThru" : "lblBloThru";
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            Label(prefix + kQuantityNames[q])->setText(QString::fromStdString(report.Value(a, Quantity(q)).text));
        for (const FormulaText& t : report.formulas)
            if (t.arrangement == a)
                Formulas()->SetFigure(t.arrangement, t.slot, QString::fromStdString(t.text));
    }
    SizeDrawThruFlame();
    SizeBloThruFlame();
    LayoutResults();
    resultsShown_ = 1;
    cmdGo_->setText("Shut 'em down");
    cmdShowFormulas_->show();
    mnuPrintGraphics_->setEnabled(true);
    Action("mnuPrintFormulas")->setEnabled(true);
    cmdShowFormulas_->setFocus();
}

void frmHalvex::StopComparison() {
    timer1_->stop();
    ClearResults();
    resultsShown_ = 0;
    cmdGo_->setText("Fire 'em up");
    mnuPrintGraphics_->setEnabled(false);
    Action("mnuPrintFormulas")->setEnabled(false);
    cmdShowFormulas_->hide();
}

void frmHalvex::SizeFlame(const char* name, double rise, double top0, double top1) {
    // A negative rise would give a negative picture: it shows at the zero-rise size.
    const double r = std::max(rise, 0.0) / kLargestRise;
    const float height = static_cast<float>((480 - 250) * r + 250);
    const float top = static_cast<float>((top1 - top0) * r + top0);
    const float width = static_cast<float>((600 - 150) * r + 150);
    const QRectF before = canvas_->Geometry(name);
    canvas_->SetGeometry(name, QRectF(before.left(), top, width, height));
    canvas_->SetVisible(name, true);
}

void frmHalvex::SizeDrawThruFlame() {
    SizeFlame("imgDrawThruFlame", shared_.DrawThruRise, 2050, 1950);
}

void frmHalvex::SizeBloThruFlame() {
    SizeFlame("imgBloThruFlame", shared_.BloThruRise, 4680, 4580);
}

void frmHalvex::SetLabelsVisible(const QStringList& names, bool visible) {
    for (const QString& name : names) Label(name)->setVisible(visible);
}

void frmHalvex::WriteLimit(const char* box, double value) {
    // The actual value is shown whole: cut to the box's length it would be a wrong figure.
    Box(box)->SetTextWhole(QString::fromStdString(PlainNumberText(value)));
}

void frmHalvex::LayoutResults() {
    ++stopGuard_;
    SetLabelsVisible(kCommonSet, true);
    Label("Label18")->setText("Actual Discharge Temperature (\u00B0F)");
    WriteLimit("txtBloThruDisTemp", shared_.BloThruDischarge);
    WriteLimit("txtBloThruTempRise", shared_.BloThruRise);
    Label("Label15")->setText("Actual Temperature Rise (\u00B0F)");
    WriteLimit("txtDrawThruDisTemp", shared_.DrawThruDischarge);
    WriteLimit("txtDrawThruTempRise", shared_.DrawThruRise);
    if (Action("mnuViewDetails")->isChecked()) {
        SetLabelsVisible(kDetailSet, true);
        SetLabelsVisible(kNetSet, true);
        for (const QString& rule : kNetRules) canvas_->SetVisible(rule, true);
    } else {
        SetLabelsVisible(kDetailSet, false);
    }
    --stopGuard_;
}

void frmHalvex::ClearResults() {
    ++stopGuard_;
    for (const char* arrangement : {"lblDrawThru", "lblBloThru"}) {
        for (const char* suffix : {"InletCFM", "DisCFM", "SpaceCFM", "BTUOut", "BTUIn"})
            Label(QString(arrangement) + suffix)->setText("0");
        for (const char* suffix : {"InletTemp", "FanTemp", "DisTemp", "SpaceTemp"})
            Label(QString(arrangement) + suffix)->clear();
    }
    canvas_->SetVisible("imgDrawThruFlame", false);
    canvas_->SetVisible("imgBloThruFlame", false);
    for (const char* arrangement : {"lblDrawThru", "lblBloThru"})
        for (const QString& suffix : kResultSuffixes) Label(QString(arrangement) + suffix)->hide();
    Label("Label18")->setText("Max. Discharge Temperature (\u00B0F)");
    Box("txtBloThruDisTemp")->SetText(QString::fromStdString(shared_.SavedBloThruDisTemp));
    Box("txtBloThruTempRise")->SetText(QString::fromStdString(shared_.SavedBloThruTempRise));
    Label("Label15")->setText("Max. Temperature Rise (\u00B0F)");
    Box("txtDrawThruDisTemp")->SetText(QString::fromStdString(shared_.SavedDrawThruDisTemp));
    Box("txtDrawThruTempRise")->SetText(QString::fromStdString(shared_.SavedDrawThruTempRise));
    SetLabelsVisible(kDiagramCaptions, false);
    for (const QString& rule : kNetRules) canvas_->SetVisible(rule, false);
    --stopGuard_;
}

void frmHalvex::Timer1_Timer() {
    const bool phase0 = wheelPhase_ == 0;
    for (const QString& n : kDrawThruSetA) canvas_->SetVisible(n, phase0);
    for (const QString& n : kDrawThruSetB) canvas_->SetVisible(n, !phase0);
    for (const QString& n : kBloThruSetB) canvas_->SetVisible(n, phase0);
    for (const QString& n : kBloThruSetA) canvas_->SetVisible(n, !phase0);
    wheelPhase_ = phase0 ? 1 : 0;
}

// ---- Views ----

void frmHalvex::mnuViewDetails_Click() {
    Action("mnuViewDetails")->setChecked(true);
    Action("mnuViewPresentation")->setChecked(false);
    if (resultsShown_) LayoutResults();
}

void frmHalvex::mnuViewPresentation_Click() {
    Action("mnuViewDetails")->setChecked(false);
    Action("mnuViewPresentation")->setChecked(true);
    if (resultsShown_) LayoutResults();
}

// ---- Input boxes ----

void frmHalvex::InputBox_GotFocus(InputBox* box) {
    box->setSelection(0, std::min<int>(box->Rules().selectOnFocus, box->text().size()));
}

void frmHalvex::InputBox_KeyMove(InputBox* box, const char* target) {
    const QString to = target;
    if (to == "OpenLocationDialog") {
        OpenLocationDialog();
    } else if (to == "cmdGo") {
        cmdGo_->setFocus(Qt::TabFocusReason);
    } else {
        InputBox* next = Box(target);
        next->setFocus(Qt::TabFocusReason);
        if (box->objectName() == "txtOutdoorTemp")
            next->setSelection(0, std::min<int>(4, next->text().size()));
    }
}

void frmHalvex::InputBox_Change(InputBox*) {
    if (resultsShown_ && stopGuard_ == 0) StopComparison();
}

bool frmHalvex::IsLimitBox(const InputBox* box) {
    static const QStringList kLimitBoxes = {"txtBloThruDisTemp", "txtBloThruTempRise",
                                            "txtDrawThruDisTemp", "txtDrawThruTempRise"};
    return kLimitBoxes.contains(box->objectName());
}

void frmHalvex::FocusMoved(QWidget* now) {
    // Only a move to another control of this window is a leave. A message box, a dialog or
    // another application taking the focus is not; the leave is the focus arriving at
    // another control here, even when other windows had it in between.
    if (!now || now->window() != this) return;
    QWidget* previous = lastFocus_;
    lastFocus_ = now;
    auto* box = qobject_cast<InputBox*>(previous);
    if (!box || box == now || refocusing_ || pendingCheck_) return;
    // While results are shown the limit boxes hold the actual values the program wrote, not
    // the user's limits (any edit would have stopped the display): nothing to check.
    if (resultsShown_ && IsLimitBox(box)) return;
    pendingCheck_ = box;
    QMetaObject::invokeMethod(
        this, [this] { RunPendingCheck(); }, Qt::QueuedConnection);
}

bool frmHalvex::RunPendingCheck() {
    InputBox* box = pendingCheck_;
    if (!box) return true;
    const InputRules& rules = box->Rules();
    const double value = LeadingNumber(box->text().toStdString());
    if (value >= rules.lowest && value <= rules.highest) {
        pendingCheck_ = nullptr;
        return true;
    }
    prompts_->Warn(rules.warning, kInvalidValue);
    box->SetText(QString());
    refocusing_ = true;
    box->setFocus(Qt::OtherFocusReason);
    lastFocus_ = box;  // the box about to get the focus did not lose it: no check of its own
    refocusing_ = false;
    pendingCheck_ = nullptr;
    return false;
}

bool frmHalvex::focusNextPrevChild(bool) {
    // No control is a stop of the toolkit's Tab order; the boxes move the focus themselves.
    return true;
}

bool frmHalvex::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdShowFormulas_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        cmdGo_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Other windows ----

frmFormulas* frmHalvex::Formulas(bool create) {
    if (!formulas_ && create) {
        formulas_ = std::make_unique<frmFormulas>(this);
        connect(formulas_.get(), &frmFormulas::graphicsShown, this,
                &frmHalvex::ReturnFromSecondaryWindow);
    }
    return formulas_.get();
}

void frmHalvex::cmdSelectCity_Click() {
    if (RunPendingCheck()) OpenLocationDialog();
}

void frmHalvex::cmdShowFormulas_Click() {
    if (!RunPendingCheck()) return;
    frmFormulas* f = Formulas();
    f->show();
    f->raise();
    f->activateWindow();
}

void frmHalvex::mnuAbout_Click() {
    if (!about_) {
        about_ = std::make_unique<frmAbout>();
        connect(about_.get(), &frmAbout::hidden, this, &frmHalvex::ReturnFromSecondaryWindow);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void frmHalvex::OpenLocationDialog() {
    if (!cities_) cities_ = std::make_unique<frmCities>(*settings_, *this);
    cities_->show();
    cities_->raise();
    cities_->activateWindow();
    setEnabled(false);
}

void frmHalvex::ReturnFromSecondaryWindow() {
    const bool wasActive = isActiveWindow();
    show();
    raise();
    activateWindow();
    cmdSelectCity_->setFocus();
    // The activation, when it is reported, must not move the focus a second time.
    returnFocusDone_ = !wasActive;
}

QList<QWidget*> frmHalvex::SecondaryWindows() const {
    QList<QWidget*> windows;
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get()),
                       static_cast<QWidget*>(cities_.get())})
        if (w) windows << w;
    return windows;
}

void frmHalvex::SetElevationText(const QString& text) {
    Box("txtBaroPress")->SetText(text);
}
void frmHalvex::SetOutdoorTempText(const QString& text) {
    Box("txtOutdoorTemp")->SetText(text);
}
bool frmHalvex::SaveSettingsChecked() const {
    return Action("mnuSaveSettings")->isChecked();
}

void frmHalvex::LocationDialogClosed() {
    setEnabled(true);
    ReturnFromSecondaryWindow();
}

// ---- Matching ----

void frmHalvex::Match(MatchKind kind) {
    static const QHash<MatchKind, QString> kPrompts = {
        {MatchKind::Input, "Enter the desired input capacity for each heater (MBH):"},
        {MatchKind::Output, "Enter the desired output capacity for each heater (MBH):"},
        {MatchKind::Net, "Enter the desired net capacity for each heater (MBH):"},
        {MatchKind::Airflow, "Enter the desired blower airflow for each heater (cfm):"},
    };
    if (resultsShown_) StopComparison();
    const QString answer = prompts_->AskText(kPrompts.value(kind), kEnterData);
    const auto desired = ReadMatchAnswer(answer.toStdString());
    if (!desired) return;
    if (kind != MatchKind::Airflow && !ElevationUsable()) return;
    const auto matched = MatchCapacities(kind, *desired, InputsFromBoxes(), shared_);
    if (!matched) return;  // a zero divisor: nothing sound to write
    const QString blo = QString::fromStdString(BloThruCapacityText(matched->BloThruCfm));
    const QString draw = QString::fromStdString(DrawThruCapacityText(matched->DrawThruCfm));
    // A capacity longer than its box would be cut to a tenth of itself: refuse it instead.
    QStringList tooLong;
    if (blo.size() > Box("txtBloThruFanCapacity")->Rules().longestText)
        tooLong << QStringLiteral(
                       "The matched Blow Thru fan capacity, %1 cfm, does not fit "
                       "its box")
                       .arg(blo);
    if (draw.size() > Box("txtDrawThruFanCapacity")->Rules().longestText)
        tooLong << QStringLiteral(
                       "The matched Draw Thru fan capacity, %1 cfm, does not fit "
                       "its box")
                       .arg(draw);
    if (!tooLong.isEmpty()) {
        prompts_->Warn(tooLong.join("\n"), kInvalidValue);
        return;
    }
    Box("txtBloThruFanCapacity")->SetText(blo);
    Box("txtDrawThruFanCapacity")->SetText(draw);
    StartComparison();
}

// ---- Printing ----

void frmHalvex::PrintGraphics() {
    timer1_->stop();
    cmdGo_->hide();
    cmdSelectCity_->hide();
    cmdShowFormulas_->hide();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Heater comparison");
    if (prompts_->ChoosePrinter(printer)) PrintWidget(printer, *centralWidget());
    timer1_->start();
    cmdGo_->show();
    cmdSelectCity_->show();
    cmdShowFormulas_->show();
}

void frmHalvex::mnuColor_Click() {
    PrintGraphics();
}

void frmHalvex::mnuBW_Click() {
    for (const char* arrangement : {"lblDrawThru", "lblBloThru"})
        for (const QString& suffix : kColouredSuffixes)
            SetTextColour(Label(arrangement + suffix), QColor());
    PrintGraphics();
    for (int i = 0; i < layout::kLabelCount; ++i) {
        const layout::LabelSpec& s = layout::kLabels[i];
        if (s.color.isValid()) SetTextColour(Label(s.name), s.color);
    }
}

void frmHalvex::mnuPrintFormulas_Click() {
    timer1_->stop();
    frmFormulas* f = Formulas();
    auto* showGraphics = f->findChild<QPushButton*>("cmdShowGraphics");
    showGraphics->hide();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Heater comparison formulas");
    if (prompts_->ChoosePrinter(printer)) PrintWidget(printer, *f);
    timer1_->start();
    showGraphics->show();
}

}  // namespace vevi
