// The range check of the boxes: of a box the user leaves, and of a box a command is about to
// use. The leave is the focus arriving at another control of the window, and the check runs
// once the focus has settled, so a message box, a dialog or another application taking the
// focus is never a leave.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vevi {

class ComparisonSession;
class InputBox;
class Prompts;

class RangeCheck : public QObject {
    Q_OBJECT
public:
    RangeCheck(Prompts& prompts, const ComparisonSession& session, QWidget* window);
    ~RangeCheck() override;

    // Runs a check still waiting. False when it refused the value: the box was emptied and
    // has the focus again, and whatever the user did meanwhile must not go on.
    bool RunPending();
    // The box's value is in its range; otherwise false, after the warning.
    bool Accepts(const InputBox& box);

private:
    void FocusMoved(QWidget* now);

    Prompts& prompts_;
    const ComparisonSession& session_;
    QWidget* window_;
    QPointer<InputBox> pending_;
    QPointer<QWidget> lastFocus_;  // the last control of the window that had the focus
    bool refocusing_ = false;
    QMetaObject::Connection watch_;
};

}  // namespace vevi
