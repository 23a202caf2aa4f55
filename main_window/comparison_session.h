// The comparison on display, apart from any widget: the values one calculation leaves for
// the next, the report every figure on the window is read from, and whether one is shown.
// Everything that follows "shown" (the wheels, the start button's caption, the items that
// print, copy and export) is connected to shownChanged once.
#pragma once

#include <QObject>
#include <optional>

#include "comparison.h"
#include "matching.h"
#include "results.h"
#include "shared_values.h"

namespace vevi {

class ComparisonSession : public QObject {
    Q_OBJECT
public:
    explicit ComparisonSession(QObject* parent = nullptr);

    // Computes the comparison of `inputs` and puts it on display. Gives the report, or null
    // (and nothing changes) where the inputs give no finite result.
    const ComparisonReport* Start(const ComparisonInputs& inputs);
    // Takes the comparison off display; the shared values stay for the next one.
    void Stop();
    // Blower capacities that give the desired figure, from the values the last comparison
    // left; nothing for a zero divisor.
    std::optional<MatchedCapacities> Match(MatchKind kind, double desired,
                                           const ComparisonInputs& inputs);

    bool Shown() const { return report_.has_value(); }
    // The comparison on display, or null.
    const ComparisonReport* Report() const { return report_ ? &*report_ : nullptr; }
    const SharedValues& Shared() const { return shared_; }
    // The inputs as the user gave them: while a comparison is shown the limit boxes hold its
    // actual values, and the user's limits are the texts it was started with.
    ComparisonInputs UserInputs(ComparisonInputs inBoxes) const;

signals:
    void shownChanged(bool shown);

private:
    SharedValues shared_;
    std::optional<ComparisonReport> report_;
};

}  // namespace vevi
