#include "comparison.h"

#include <cmath>
#include <initializer_list>

#include "field_rules.h"
#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

bool AllFinite(const ArrangementResult& r) {
    for (double v :
         {r.Rise, r.DischargeTemp, r.FanTemp, r.AirDensity, r.InletCFM, r.DisCFM, r.SpaceCFM,
          r.OutputMBH, r.InputMBH, r.FormulaInputMBH, r.AirLoadMBH, r.NetMBH})
        if (!std::isfinite(v)) return false;
    return true;
}

void Finish(ArrangementResult& r) {
    r.InputMBH = round0(r.OutputMBH) / kBurnerEfficiency;
    r.NetMBH = r.OutputMBH - round0(r.AirLoadMBH);
}

}  // namespace

template <class Inputs>
auto& ComparisonInputs::TextOf(Inputs& self, Field field) {
    switch (field) {
        case Field::Elevation:
            return self.Elevation;
        case Field::OutdoorTemp:
            return self.OutdoorTemp;
        case Field::IndoorTemp:
            return self.IndoorTemp;
        case Field::BloThruFanCapacity:
            return self.BloThruFanCapacity;
        case Field::BloThruDisTemp:
            return self.BloThruDisTemp;
        case Field::BloThruTempRise:
            return self.BloThruTempRise;
        case Field::DrawThruFanCapacity:
            return self.DrawThruFanCapacity;
        case Field::DrawThruDisTemp:
            return self.DrawThruDisTemp;
        case Field::DrawThruTempRise:
            return self.DrawThruTempRise;
    }
    return self.Elevation;
}

ComparisonInputs::ComparisonInputs() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        Text(field) = RuleOf(field).designText;
    }
}

std::string ComparisonInputs::FieldText(Field field) const {
    return TextOf(*this, field);
}
std::string& ComparisonInputs::Text(Field field) {
    return TextOf(*this, field);
}

std::optional<ComparisonResult> ComputeComparison(const ComparisonInputs& inputs,
                                                  SharedValues& shared) {
    const auto pressure = CheckedBaroPressure(inputs.FieldNumber(Field::Elevation));
    if (!pressure) return std::nullopt;

    // Work on a copy so that a failure leaves the shared values as they were.
    SharedValues s = shared;
    s.BaroPress = *pressure;
    s.SavedDrawThruDisTemp = inputs.DrawThruDisTemp;
    s.SavedDrawThruTempRise = inputs.DrawThruTempRise;
    s.SavedBloThruDisTemp = inputs.BloThruDisTemp;
    s.SavedBloThruTempRise = inputs.BloThruTempRise;
    SetBloThruDischarge(inputs, s);
    SetDrawThruDischarge(inputs, s);

    const double out = inputs.FieldNumber(Field::OutdoorTemp);
    const double in = inputs.FieldNumber(Field::IndoorTemp);
    ComparisonResult result;
    result.BaroPress = s.BaroPress;

    {
        ArrangementResult& r = result.DrawThru;
        const double F = inputs.FieldNumber(Field::DrawThruFanCapacity);
        const double D = s.DrawThruDischarge;
        r.Rise = s.DrawThruRise;
        r.DischargeTemp = D;
        r.FanTemp = D;
        r.AirDensity = AirDensityAt(s, D);
        r.InletCFM = CorrectCfmForTemperature(F, D, out);
        r.DisCFM = F;
        r.SpaceCFM = CorrectCfmForTemperature(F, D, in);
        r.OutputMBH = HeatOutputMBH(r.DisCFM, r.AirDensity, r.Rise);
        r.AirLoadMBH = HeatOutputMBH(F, AirDensityAt(s, D), in - out);
        s.DrawThruAirLoad = r.AirLoadMBH;
        Finish(r);
        r.FormulaInputMBH = r.InputMBH;
    }
    {
        ArrangementResult& r = result.BloThru;
        const double F = inputs.FieldNumber(Field::BloThruFanCapacity);
        const double D = s.BloThruDischarge;
        r.Rise = s.BloThruRise;
        r.DischargeTemp = D;
        r.FanTemp = out;
        r.AirDensity = AirDensityAt(s, out);
        r.InletCFM = F;
        r.DisCFM = CorrectCfmForTemperature(F, out, D);
        r.SpaceCFM = CorrectCfmForTemperature(F, out, in);
        r.OutputMBH = HeatOutputMBH(F, r.AirDensity, r.Rise);
        r.AirLoadMBH = HeatOutputMBH(F, r.AirDensity, in - out);
        s.BloThruAirLoad = r.AirLoadMBH;
        Finish(r);
        r.FormulaInputMBH = r.OutputMBH / kBurnerEfficiency;  // from the unrounded output
    }

    if (!AllFinite(result.DrawThru) || !AllFinite(result.BloThru)) return std::nullopt;
    shared = s;
    return result;
}

}  // namespace vevi
