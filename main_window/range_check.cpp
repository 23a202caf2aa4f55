#include "range_check.h"

#include <QApplication>
#include <array>

#include "comparison_session.h"
#include "field_rules.h"
#include "input_box.h"
#include "prompts.h"
#include "units.h"

namespace vevi {
namespace {

bool IsLimitBox(const InputBox* box) {
    return IsLimitField(box->GetField());
}

}  // namespace

RangeCheck::RangeCheck(Prompts& prompts, const ComparisonSession& session, QWidget* window)
    : prompts_(prompts), session_(session), window_(window) {
    watch_ = connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

RangeCheck::~RangeCheck() {
    // Closing hands the focus on while the window is half destroyed: nothing may reach it.
    disconnect(watch_);
}

void RangeCheck::FocusMoved(QWidget* now) {
    // Only a move to another control of this window is a leave; the leave is the focus
    // arriving at another control here, even when other windows had it in between.
    if (!now || now->window() != window_) return;
    QWidget* previous = lastFocus_;
    lastFocus_ = now;
    auto* box = qobject_cast<InputBox*>(previous);
    if (!box || box == now || refocusing_ || pending_) return;
    // While results are shown the limit boxes hold the actual values the program wrote, not
    // the user's limits (any edit would have stopped the display): nothing to check.
    if (session_.Shown() && IsLimitBox(box)) return;
    pending_ = box;
    QMetaObject::invokeMethod(
        this, [this] { RunPending(); }, Qt::QueuedConnection);
}

bool RangeCheck::Accepts(const InputBox& box) {
    const auto warning = RangeWarning(box.GetField(), box.text().toStdString(), box.Units());
    if (warning) prompts_.Warn(QString::fromStdString(*warning), kInvalidValueTitle);
    return !warning;
}

bool RangeCheck::RunPending() {
    InputBox* box = pending_;
    if (!box) return true;
    if (Accepts(*box)) {
        pending_ = nullptr;
        return true;
    }
    box->PutText(QString());
    refocusing_ = true;
    box->setFocus(Qt::OtherFocusReason);
    lastFocus_ = box;  // the box about to get the focus did not lose it: no check of its own
    refocusing_ = false;
    pending_ = nullptr;
    return false;
}

}  // namespace vevi
