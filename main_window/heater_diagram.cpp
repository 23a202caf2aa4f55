#include "heater_diagram.h"

#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "field_rules.h"
#include "main_layout.h"
#include "results.h"
#include "twips.h"

namespace vevi {
namespace {

const QColor kStubGrey(192, 192, 192);
constexpr int kWheelIntervalMs = 250;

// A flame grows from its zero-rise size to its largest at the largest rise a box accepts,
// its top rising as it grows (twips).
constexpr double kFlameSmallWidth = 150, kFlameSmallHeight = 250;
constexpr double kFlameLargeWidth = 600, kFlameLargeHeight = 480;
const double kLargestRise = RuleOf(Field::DrawThruTempRise).highest;

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

}  // namespace

HeaterDiagram::HeaterDiagram(QWidget* client)
    : QObject(client), canvas_(new DiagramCanvas(client)), wheelTimer_(new QTimer(this)) {
    canvas_->setGeometry(0, 0, Px(layout::kClientWidth), Px(layout::kClientHeight));
    wheelTimer_->setObjectName("Timer1");
    wheelTimer_->setInterval(kWheelIntervalMs);
    AddCabinets();
    AddWheels();
}

void HeaterDiagram::AddCabinets() {
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
}

void HeaterDiagram::AddWheels() {
    DiagramCanvas& c = *canvas_;
    // Hubs and the two spoke sets, in the ink of the window they are drawn on.
    const QColor ink = canvas_->palette().color(QPalette::WindowText);
    c.AddEllipse("Shape4", 4215, 2205, 90, 90, ink);
    c.AddEllipse("Shape5", 2475, 4845, 90, 90, ink);
    for (const Spoke& s : kSpokes) {
        WheelSpokes& wheel = s.wheel == Arrangement::DrawThru ? drawThruWheel_ : bloThruWheel_;
        (s.setA ? wheel.setA : wheel.setB)
            .push_back(c.AddLine(s.name, s.x1, s.y1, s.x2, s.y2, s.setA));
    }
    // The rules of the subtraction output - air load = net.
    netRules_ = {c.AddLine("Line39", 5250, 3540, 6030, 3540, false),
                 c.AddLine("Line40", 5250, 6300, 6030, 6300, false)};
}

void HeaterDiagram::SizeFlame(DiagramCanvas::ItemId flame, double rise, double top0, double top1) {
    // A negative rise would give a negative picture: it shows at the zero-rise size.
    const double r = std::max(rise, 0.0) / kLargestRise;
    const float height =
        static_cast<float>((kFlameLargeHeight - kFlameSmallHeight) * r + kFlameSmallHeight);
    const float top = static_cast<float>((top1 - top0) * r + top0);
    const float width =
        static_cast<float>((kFlameLargeWidth - kFlameSmallWidth) * r + kFlameSmallWidth);
    const QRectF before = canvas_->Geometry(flame);
    canvas_->SetGeometry(flame, QRectF(before.left(), top, width, height));
    canvas_->SetVisible(flame, true);
}

void HeaterDiagram::SizeDrawThruFlame(const ComparisonReport& report) {
    SizeFlame(drawThruFlame_, report.result.DrawThru.Rise, 2050, 1950);
}

void HeaterDiagram::SizeBloThruFlame(const ComparisonReport& report) {
    SizeFlame(bloThruFlame_, report.result.BloThru.Rise, 4680, 4580);
}

void HeaterDiagram::HideFlames() {
    canvas_->SetVisible(drawThruFlame_, false);
    canvas_->SetVisible(bloThruFlame_, false);
}

void HeaterDiagram::ShowNetRules(bool visible) {
    for (DiagramCanvas::ItemId rule : netRules_) canvas_->SetVisible(rule, visible);
}

void HeaterDiagram::FollowShown(bool shown) {
    shown ? wheelTimer_->start() : wheelTimer_->stop();
}

void HeaterDiagram::TurnWheels() {
    const bool phase0 = wheelPhase_ == 0;
    for (auto id : drawThruWheel_.setA) canvas_->SetVisible(id, phase0);
    for (auto id : drawThruWheel_.setB) canvas_->SetVisible(id, !phase0);
    for (auto id : bloThruWheel_.setB) canvas_->SetVisible(id, phase0);
    for (auto id : bloThruWheel_.setA) canvas_->SetVisible(id, !phase0);
    wheelPhase_ = phase0 ? 1 : 0;
}

}  // namespace vevi
