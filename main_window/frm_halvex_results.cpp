// The comparison on the main window: start and stop, the result layout of the two views,
// the flames and the blower wheels.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "field_rules.h"
#include "frm_formulas.h"
#include "frm_halvex.h"
#include "input_box.h"
#include "number_text.h"
#include "prompts.h"

namespace vevi {
namespace {

constexpr auto kInvalidValue = kInvalidValueTitle;
constexpr auto kNoResult = kNoResultText;
constexpr auto kShutDown = "Shut 'em down";
constexpr auto kFireUp = "Fire 'em up";  // after a stop: no exclamation mark
constexpr auto kActualDischarge = "Actual Discharge Temperature (\u00B0F)";
constexpr auto kActualRise = "Actual Temperature Rise (\u00B0F)";
constexpr auto kMaxDischarge = "Max. Discharge Temperature (\u00B0F)";
constexpr auto kMaxRise = "Max. Temperature Rise (\u00B0F)";

// A flame grows from its zero-rise size to its largest at the largest rise a box accepts,
// its top rising as it grows (twips).
constexpr double kFlameSmallWidth = 150, kFlameSmallHeight = 250;
constexpr double kFlameLargeWidth = 600, kFlameLargeHeight = 480;
const double kLargestRise = RuleOf(Field::DrawThruTempRise).highest;

// The values a stop zeroes, and those it empties; air load and net keep their texts.
constexpr Quantity kZeroedOnStop[] = {Quantity::InletCFM, Quantity::DisCFM, Quantity::SpaceCFM,
                                      Quantity::BTUOut, Quantity::BTUIn};
constexpr Quantity kEmptiedOnStop[] = {Quantity::InletTemp, Quantity::DisTemp, Quantity::SpaceTemp};

}  // namespace

QLabel* frmHalvex::Value(Arrangement a, Quantity q) const {
    return values_[static_cast<std::size_t>(a)][static_cast<std::size_t>(q)];
}

bool frmHalvex::ElevationUsable() {
    const InputBox* box = Box(Field::Elevation);
    const auto warning = RangeWarning(Field::Elevation, box->text().toStdString());
    if (!warning) return true;
    prompts_->Warn(QString::fromStdString(*warning), kInvalidValue);
    return false;
}

ComparisonInputs frmHalvex::InputsFromBoxes() const {
    ComparisonInputs inputs;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        inputs.Text(static_cast<Field>(i)) = boxes_[i]->text().toStdString();
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
        prompts_->Warn(kNoResult, kInvalidValue);
        return;
    }
    WriteResults(ReportComparison(inputs, *result, shared_));
    SizeDrawThruFlame();
    SizeBloThruFlame();
    LayoutResults();
    resultsShown_ = 1;
    cmdGo_->setText(kShutDown);
    cmdShowFormulas_->show();
    mnuPrintGraphics_->setEnabled(true);
    mnuPrintFormulas_->setEnabled(true);
    cmdShowFormulas_->setFocus();
}

// Each arrangement's main-window labels, then its formulas, Draw Thru first.
void frmHalvex::WriteResults(const ComparisonReport& report) {
    shownReport_ = report;
    for (Arrangement a : kArrangements) {
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            Value(a, Quantity(q))
                ->setText(QString::fromStdString(report.Value(a, Quantity(q)).text));
        for (const FormulaText& t : report.formulas)
            if (t.arrangement == a)
                Formulas()->SetFigure(t.arrangement, t.slot, QString::fromStdString(t.text));
    }
    NameValues();
}

void frmHalvex::StopComparison() {
    timer1_->stop();
    ClearResults();
    resultsShown_ = 0;
    cmdGo_->setText(kFireUp);
    mnuPrintGraphics_->setEnabled(false);
    mnuPrintFormulas_->setEnabled(false);
    cmdShowFormulas_->hide();
}

void frmHalvex::SizeFlame(DiagramCanvas::ItemId flame, double rise, double top0, double top1) {
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

void frmHalvex::SizeDrawThruFlame() {
    SizeFlame(drawThruFlame_, shared_.DrawThruRise, 2050, 1950);
}

void frmHalvex::SizeBloThruFlame() {
    SizeFlame(bloThruFlame_, shared_.BloThruRise, 4680, 4580);
}

void frmHalvex::ShowGroup(layout::Group group, bool visible) {
    const auto& specs = layout::Labels();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (specs[i].group == group) labels_[i]->setVisible(visible);
}

void frmHalvex::ShowNetRules(bool visible) {
    for (DiagramCanvas::ItemId rule : netRules_) canvas_->SetVisible(rule, visible);
}

void frmHalvex::WriteLimit(Field field, double value) {
    // The actual value is shown whole: cut to the box's length it would be a wrong figure.
    Box(field)->PutWholeText(QString::fromStdString(PlainNumberText(value)));
}

void frmHalvex::LayoutResults() {
    ++stopGuard_;
    ShowGroup(layout::Group::Common, true);
    dischargeRowCaption_->setText(kActualDischarge);
    WriteLimit(Field::BloThruDisTemp, shared_.BloThruDischarge);
    WriteLimit(Field::BloThruTempRise, shared_.BloThruRise);
    riseRowCaption_->setText(kActualRise);
    WriteLimit(Field::DrawThruDisTemp, shared_.DrawThruDischarge);
    WriteLimit(Field::DrawThruTempRise, shared_.DrawThruRise);
    if (mnuViewDetails_->isChecked()) {
        ShowGroup(layout::Group::Detail, true);
        ShowGroup(layout::Group::Net, true);
        ShowNetRules(true);
    } else {
        ShowGroup(layout::Group::Detail, false);
    }
    --stopGuard_;
}

void frmHalvex::ClearResults() {
    ++stopGuard_;
    for (Arrangement a : kArrangements) {
        for (Quantity q : kZeroedOnStop) Value(a, q)->setText("0");
        for (Quantity q : kEmptiedOnStop) Value(a, q)->clear();
    }
    const auto& specs = layout::Labels();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (specs[i].group == layout::Group::FanTemp) labels_[i]->clear();
    canvas_->SetVisible(drawThruFlame_, false);
    canvas_->SetVisible(bloThruFlame_, false);
    for (const auto& row : values_)
        for (QLabel* value : row) value->hide();
    dischargeRowCaption_->setText(kMaxDischarge);
    Box(Field::BloThruDisTemp)->PutText(QString::fromStdString(shared_.SavedBloThruDisTemp));
    Box(Field::BloThruTempRise)->PutText(QString::fromStdString(shared_.SavedBloThruTempRise));
    riseRowCaption_->setText(kMaxRise);
    Box(Field::DrawThruDisTemp)->PutText(QString::fromStdString(shared_.SavedDrawThruDisTemp));
    Box(Field::DrawThruTempRise)->PutText(QString::fromStdString(shared_.SavedDrawThruTempRise));
    // The diagram captions: every caption that a view shows.
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const layout::Group g = specs[i].group;
        const bool shownByView =
            g == layout::Group::Common || g == layout::Group::Detail || g == layout::Group::Net;
        if (shownByView && !specs[i].value) labels_[i]->hide();
    }
    ShowNetRules(false);
    NameValues();
    --stopGuard_;
}

void frmHalvex::Timer1_Timer() {
    const bool phase0 = wheelPhase_ == 0;
    for (auto id : drawThruWheel_.setA) canvas_->SetVisible(id, phase0);
    for (auto id : drawThruWheel_.setB) canvas_->SetVisible(id, !phase0);
    for (auto id : bloThruWheel_.setB) canvas_->SetVisible(id, phase0);
    for (auto id : bloThruWheel_.setA) canvas_->SetVisible(id, !phase0);
    wheelPhase_ = phase0 ? 1 : 0;
}

void frmHalvex::mnuViewDetails_Click() {
    mnuViewDetails_->setChecked(true);
    mnuViewPresentation_->setChecked(false);
    if (resultsShown_) LayoutResults();
}

void frmHalvex::mnuViewPresentation_Click() {
    mnuViewDetails_->setChecked(false);
    mnuViewPresentation_->setChecked(true);
    if (resultsShown_) LayoutResults();
}

}  // namespace vevi
