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
#include "units.h"

namespace vevi {

// The four limit boxes, which show a shown comparison's actual values.
bool IsLimitField(Field field);

class ComparisonSession : public QObject {
    Q_OBJECT
public:
    explicit ComparisonSession(QObject* parent = nullptr);

    // The units the box texts are in. The comparison always runs on their inch-pound values,
    // and the report holds those; the limits restored on a stop are the boxes' own texts.
    UnitSystem Units() const { return units_; }
    void SetUnits(UnitSystem units) { units_ = units; }

    // Computes the comparison of `inchPound`, the box texts `inputs` in inch-pound, and puts
    // it on display. Gives the report, or null (and nothing changes) where the inputs give no
    // finite result.
    const ComparisonReport* Start(const ComparisonInputs& inputs,
                                  const ComparisonInputs& inchPound);
    // The same for texts in inch-pound.
    const ComparisonReport* Start(const ComparisonInputs& inputs) { return Start(inputs, inputs); }
    // Takes the comparison off display; the shared values stay for the next one.
    void Stop();
    // Blower capacities (cfm) that give the desired figure, typed in the session's units, for
    // the inch-pound inputs, from the values the last comparison left; nothing for a zero
    // divisor.
    std::optional<MatchedCapacities> Match(MatchKind kind, double desired,
                                           const ComparisonInputs& inchPound);

    bool Shown() const { return report_.has_value(); }
    // The comparison on display, or null.
    const ComparisonReport* Report() const { return report_ ? &*report_ : nullptr; }
    const SharedValues& Shared() const { return shared_; }
    // The inputs as the user gave them: while a comparison is shown the limit boxes hold its
    // actual values, and the user's limits are the texts it was started with.
    ComparisonInputs UserInputs(ComparisonInputs inBoxes) const;
    // A limit the shown comparison was started with, and the same carried to other units.
    std::string UserLimitText(Field field) const { return userTexts_.FieldText(field); }
    void SetUserLimitText(Field field, const std::string& text);
    // The limit text a stop writes back into its box (the shared values' saved text).
    std::string SavedLimitText(Field field) const;

signals:
    void shownChanged(bool shown);

private:
    SharedValues shared_;
    std::optional<ComparisonReport> report_;
    ComparisonInputs userTexts_;  // the box texts the shown comparison was started with
    UnitSystem units_ = UnitSystem::US;
};

}  // namespace vevi
