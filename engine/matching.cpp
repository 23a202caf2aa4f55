#include "matching.h"

#include <cmath>

#include "field_rules.h"
#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

std::optional<MatchedCapacities> Finite(MatchedCapacities m) {
    if (!std::isfinite(m.BloThruCfm) || !std::isfinite(m.DrawThruCfm)) return std::nullopt;
    return m;
}

// desired x 1000 / (((density x 0.24) x 60) x difference); nothing for a zero divisor.
std::optional<double> CapacityFor(double desired, double density, double difference) {
    const double divisor = ((density * kSpecificHeat) * kMinutesPerHour) * difference;
    if (divisor == 0) return std::nullopt;
    return desired * kBtuPerMbh / divisor;
}

std::optional<MatchedCapacities> MatchNet(double net, const FieldReader& f, SharedValues& shared) {
    shared.BaroPress = BaroPressureFromElevation(f.FieldNumber(Field::Elevation));
    SetBloThruRise(f, shared);
    SetBloThruDischarge(f, shared);
    const double indoor = f.FieldNumber(Field::IndoorTemp);
    const auto blo = CapacityFor(net, AirDensityAt(shared, f.FieldNumber(Field::OutdoorTemp)),
                                 shared.BloThruDischarge - indoor);
    SetDrawThruRise(f, shared);
    SetDrawThruDischarge(f, shared);
    const auto draw = CapacityFor(net, AirDensityAt(shared, shared.DrawThruDischarge),
                                  shared.DrawThruDischarge - indoor);
    if (!blo || !draw) return std::nullopt;
    return Finite({*blo, *draw});
}

}  // namespace

std::optional<double> ReadMatchAnswer(std::string_view answer) {
    if (!(LeadingNumber(answer) > 0)) return std::nullopt;
    std::string withoutGrouping;
    for (char c : answer)
        if (c != ',') withoutGrouping.push_back(c);
    return LeadingNumber(withoutGrouping);
}

std::optional<MatchedCapacities> MatchFanCapacityToOutput(double output, const FieldReader& f,
                                                          SharedValues& shared) {
    shared.BaroPress = BaroPressureFromElevation(f.FieldNumber(Field::Elevation));
    SetBloThruRise(f, shared);
    const double bloDensity = AirDensityAt(shared, f.FieldNumber(Field::OutdoorTemp));
    const auto blo = CapacityFor(output, bloDensity, shared.BloThruRise);
    SetDrawThruRise(f, shared);
    SetDrawThruDischarge(f, shared);
    const double drawDensity = AirDensityAt(shared, shared.DrawThruDischarge);
    const auto draw = CapacityFor(output, drawDensity, shared.DrawThruRise);
    if (!blo || !draw) return std::nullopt;
    return Finite({*blo, *draw});
}

std::optional<MatchedCapacities> MatchCapacities(MatchKind kind, double desired,
                                                 const FieldReader& f, SharedValues& shared) {
    switch (kind) {
        case MatchKind::Input:
            return MatchFanCapacityToOutput(kBurnerEfficiency * desired, f, shared);
        case MatchKind::Output:
            return MatchFanCapacityToOutput(desired, f, shared);
        case MatchKind::Net:
            return MatchNet(desired, f, shared);
        case MatchKind::Airflow:
            return Finite({desired, desired});
    }
    return std::nullopt;
}

std::string BloThruCapacityText(double cfm) {
    return FormatNumber(cfm, "####0");
}
std::string DrawThruCapacityText(double cfm) {
    return FormatNumber(cfm, "#####0");
}

const char* MatchPrompt(MatchKind kind) {
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

MatchedTexts MatchedCapacityTexts(const MatchedCapacities& matched) {
    MatchedTexts t{
        BloThruCapacityText(matched.BloThruCfm), DrawThruCapacityText(matched.DrawThruCfm), {}};
    const auto check = [&t](Field field, const std::string& text, const char* name) {
        if (static_cast<int>(text.size()) <= RuleOf(field).longestText) return;
        if (!t.tooLong.empty()) t.tooLong += '\n';
        t.tooLong += std::string("The matched ") + name + " fan capacity, " + text +
                     " cfm, does not fit its box";
    };
    check(Field::BloThruFanCapacity, t.bloThru, "Blow Thru");
    check(Field::DrawThruFanCapacity, t.drawThru, "Draw Thru");
    return t;
}

}  // namespace vevi
