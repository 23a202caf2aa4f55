// The nine input boxes on the main window: focus, keys, the range check on leaving a box,
// the stop of a displayed comparison on any change, and the matching commands.
#include <QApplication>
#include <QPushButton>
#include <array>

#include "field_rules.h"
#include "frm_halvex.h"
#include "input_box.h"
#include "prompts.h"

namespace vevi {
namespace {

constexpr auto kInvalidValue = kInvalidValueTitle;
constexpr auto kEnterData = "Enter Data";
// Enter or Tab from the outdoor temperature selects this much of the elevation.
constexpr int kElevationSelectedFromOutdoor = 4;

const char* PromptFor(MatchKind kind) {
    switch (kind) {
        case MatchKind::Input:
            return "Enter the desired input capacity for each heater (MBH):";
        case MatchKind::Output:
            return "Enter the desired output capacity for each heater (MBH):";
        case MatchKind::Net:
            return "Enter the desired net capacity for each heater (MBH):";
        case MatchKind::Airflow:
            return "Enter the desired blower airflow for each heater (cfm):";
    }
    return "";
}

}  // namespace

void frmHalvex::InputBox_GotFocus(InputBox* box) {
    box->setSelection(0, std::min<int>(box->Row().selectOnFocus, box->text().size()));
}

void frmHalvex::InputBox_KeyMove(InputBox* box, layout::Target target) {
    switch (target.kind) {
        case layout::Target::None:
            return;
        case layout::Target::LocationDialog:
            OpenLocationDialog();
            return;
        case layout::Target::Go:
            cmdGo_->setFocus(Qt::TabFocusReason);
            return;
        case layout::Target::Box: {
            InputBox* next = Box(target.field);
            next->setFocus(Qt::TabFocusReason);
            if (box->GetField() == Field::OutdoorTemp)
                next->setSelection(
                    0, std::min<int>(kElevationSelectedFromOutdoor, next->text().size()));
            return;
        }
    }
}

void frmHalvex::InputBox_Change() {
    if (resultsShown_ && stopGuard_ == 0) StopComparison();
}

bool frmHalvex::IsLimitBox(const InputBox* box) {
    constexpr std::array kLimits = {Field::BloThruDisTemp, Field::BloThruTempRise,
                                    Field::DrawThruDisTemp, Field::DrawThruTempRise};
    return std::find(kLimits.begin(), kLimits.end(), box->GetField()) != kLimits.end();
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
    const auto warning = RangeWarning(box->GetField(), box->text().toStdString());
    if (!warning) {
        pendingCheck_ = nullptr;
        return true;
    }
    prompts_->Warn(QString::fromStdString(*warning), kInvalidValue);
    box->PutText(QString());
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

void frmHalvex::Match(MatchKind kind) {
    if (resultsShown_) StopComparison();
    const QString answer = prompts_->AskText(PromptFor(kind), kEnterData);
    const auto desired = ReadMatchAnswer(answer.toStdString());
    if (!desired) return;
    // Checked before anything is written, whatever the command: the start would refuse it.
    if (!ElevationUsable()) return;
    const auto matched = MatchCapacities(kind, *desired, InputsFromBoxes(), shared_);
    if (!matched) return;  // a zero divisor: nothing sound to write
    const QString blo = QString::fromStdString(BloThruCapacityText(matched->BloThruCfm));
    const QString draw = QString::fromStdString(DrawThruCapacityText(matched->DrawThruCfm));
    // A capacity longer than its box would be cut to a tenth of itself: refuse it instead.
    QStringList tooLong;
    const auto fits = [this](Field field, const QString& text) {
        return text.size() <= Box(field)->LongestText();
    };
    if (!fits(Field::BloThruFanCapacity, blo))
        tooLong << QStringLiteral(
                       "The matched Blow Thru fan capacity, %1 cfm, does not fit its box")
                       .arg(blo);
    if (!fits(Field::DrawThruFanCapacity, draw))
        tooLong << QStringLiteral(
                       "The matched Draw Thru fan capacity, %1 cfm, does not fit its box")
                       .arg(draw);
    if (!tooLong.isEmpty()) {
        prompts_->Warn(tooLong.join("\n"), kInvalidValue);
        return;
    }
    Box(Field::BloThruFanCapacity)->PutText(blo);
    Box(Field::DrawThruFanCapacity)->PutText(draw);
    StartComparison();
}

}  // namespace vevi
