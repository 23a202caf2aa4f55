#include "comparison_session.h"

namespace vevi {

ComparisonSession::ComparisonSession(QObject* parent) : QObject(parent) {
    setObjectName("comparisonSession");
}

const ComparisonReport* ComparisonSession::Start(const ComparisonInputs& inputs) {
    const auto result = ComputeComparison(inputs, shared_);
    if (!result) return nullptr;
    const bool wasShown = Shown();
    report_ = ReportComparison(inputs, *result, shared_);
    if (!wasShown) emit shownChanged(true);
    return &*report_;
}

void ComparisonSession::Stop() {
    if (!report_) return;
    report_.reset();
    emit shownChanged(false);
}

std::optional<MatchedCapacities> ComparisonSession::Match(MatchKind kind, double desired,
                                                          const ComparisonInputs& inputs) {
    return MatchCapacities(kind, desired, inputs, shared_);
}

ComparisonInputs ComparisonSession::UserInputs(ComparisonInputs inBoxes) const {
    if (!report_) return inBoxes;
    for (Field f : {Field::DrawThruDisTemp, Field::DrawThruTempRise, Field::BloThruDisTemp,
                    Field::BloThruTempRise})
        inBoxes.Text(f) = report_->inputs.FieldText(f);
    return inBoxes;
}

}  // namespace vevi
