#include "comparison_session.h"

#include <algorithm>
#include <iterator>

namespace vevi {

ComparisonSession::ComparisonSession(QObject* parent) : QObject(parent) {
    setObjectName("comparisonSession");
}

namespace {

constexpr Field kLimitFields[] = {Field::DrawThruDisTemp, Field::DrawThruTempRise,
                                  Field::BloThruDisTemp, Field::BloThruTempRise};

template <class Shared>
auto& SavedLimit(Shared& shared, Field field) {
    switch (field) {
        case Field::DrawThruDisTemp:
            return shared.SavedDrawThruDisTemp;
        case Field::DrawThruTempRise:
            return shared.SavedDrawThruTempRise;
        case Field::BloThruDisTemp:
            return shared.SavedBloThruDisTemp;
        default:
            return shared.SavedBloThruTempRise;
    }
}

}  // namespace

bool IsLimitField(Field field) {
    return std::find(std::begin(kLimitFields), std::end(kLimitFields), field) !=
           std::end(kLimitFields);
}

const ComparisonReport* ComparisonSession::Start(const ComparisonInputs& inputs,
                                                 const ComparisonInputs& inchPound) {
    const auto result = ComputeComparison(inchPound, shared_);
    if (!result) return nullptr;
    // A stop restores the limits as the user typed them, not their inch-pound values.
    for (Field f : kLimitFields) SavedLimit(shared_, f) = inputs.FieldText(f);
    userTexts_ = inputs;
    const bool wasShown = Shown();
    report_ = ReportComparison(inchPound, *result, shared_);
    if (!wasShown) emit shownChanged(true);
    return &*report_;
}

void ComparisonSession::Stop() {
    if (!report_) return;
    report_.reset();
    emit shownChanged(false);
}

std::optional<MatchedCapacities> ComparisonSession::Match(MatchKind kind, double desired,
                                                          const ComparisonInputs& inchPound) {
    return MatchCapacities(kind, DesiredInchPound(kind, desired, units_), inchPound, shared_);
}

std::string ComparisonSession::SavedLimitText(Field field) const {
    return SavedLimit(shared_, field);
}

void ComparisonSession::SetUserLimitText(Field field, const std::string& text) {
    userTexts_.Text(field) = text;
    SavedLimit(shared_, field) = text;
}

ComparisonInputs ComparisonSession::UserInputs(ComparisonInputs inBoxes) const {
    if (!report_) return inBoxes;
    for (Field f : kLimitFields) inBoxes.Text(f) = userTexts_.FieldText(f);
    return inBoxes;
}

}  // namespace vevi
