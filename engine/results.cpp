#include "results.h"

#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

constexpr const char* kDegrees = "\u00B0F";
constexpr const char* kWholeMbh = "###0";
constexpr const char* kCfm = "###,##0";
constexpr const char* kFormulaCfm = "##,###,##0";
constexpr const char* kDensity = "0.0000";
constexpr const char* kPressure = "##.00";

// clang-format off
constexpr std::array<QuantityInfo, kQuantityCount> kQuantities = {{
    {Quantity::InletCFM,   "inlet_airflow",     "inlet airflow",            Unit::Cfm},
    {Quantity::DisCFM,     "discharge_airflow", "discharge airflow",        Unit::Cfm},
    {Quantity::SpaceCFM,   "space_airflow",     "space airflow",            Unit::Cfm},
    {Quantity::BTUOut,     "output",            "burner output",            Unit::Mbh},
    {Quantity::BTUIn,      "input",             "burner input",             Unit::Mbh},
    {Quantity::BTUAirLoad, "air_load",          "heat to bring the air to indoor temperature", Unit::Mbh},
    {Quantity::BTUNet,     "net",               "net available for other loads", Unit::Mbh},
    {Quantity::InletTemp,  "inlet_temperature", "inlet temperature",        Unit::DegreesF},
    {Quantity::DisTemp,    "discharge_temperature", "discharge temperature", Unit::DegreesF},
    {Quantity::SpaceTemp,  "space_temperature", "space temperature",        Unit::DegreesF},
}};
// clang-format on

constexpr bool RowsInQuantityOrder() {
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        if (static_cast<std::size_t>(kQuantities[i].quantity) != i) return false;
    return true;
}
static_assert(RowsInQuantityOrder());

std::size_t Index(Arrangement a) {
    return static_cast<std::size_t>(a);
}

// Writes one arrangement's main-window values in their order. The input and net values
// read back the whole numbers just shown for output and air load.
void AddValues(ComparisonReport& report, Arrangement a, const ArrangementResult& r) {
    auto& row = report.values[Index(a)];
    auto set = [&row](Quantity q, std::string text, double value) -> const std::string& {
        row[static_cast<std::size_t>(q)] = {std::move(text), value};
        return row[static_cast<std::size_t>(q)].text;
    };
    const ComparisonInputs& in = report.inputs;
    set(Quantity::InletCFM, FormatNumber(r.InletCFM, kCfm), r.InletCFM);
    set(Quantity::DisCFM, FormatNumber(r.DisCFM, kCfm), r.DisCFM);
    set(Quantity::SpaceCFM, FormatNumber(r.SpaceCFM, kCfm), r.SpaceCFM);
    const std::string& output =
        set(Quantity::BTUOut, FormatNumber(r.OutputMBH, kWholeMbh), r.OutputMBH);
    const double input = LeadingNumber(output) / kBurnerEfficiency;
    set(Quantity::BTUIn, FormatNumber(input, kWholeMbh), input);
    const std::string& airLoad =
        set(Quantity::BTUAirLoad, FormatNumber(r.AirLoadMBH, kWholeMbh), r.AirLoadMBH);
    const double net = r.OutputMBH - LeadingNumber(airLoad);
    set(Quantity::BTUNet, FormatNumber(net, kWholeMbh), net);
    set(Quantity::InletTemp, "@ " + in.OutdoorTemp + kDegrees, in.FieldNumber(Field::OutdoorTemp));
    set(Quantity::DisTemp, "@ " + SignedNumberText(r.DischargeTemp) + kDegrees, r.DischargeTemp);
    set(Quantity::SpaceTemp, "@ " + in.IndoorTemp + kDegrees, in.FieldNumber(Field::IndoorTemp));
}

std::string Density(double density) {
    return FormatNumber(density, kDensity);
}
std::string OutputFormulaTail(double density, double rise) {
    return " x " + Density(density) + " x 0.24 x 60 x" + SignedNumberText(rise);
}

void AddDrawThruFormulas(ComparisonReport& report, const SharedValues& shared,
                         const std::string& pressure) {
    const ComparisonInputs& in = report.inputs;
    auto formula = [&report](FormulaSlot slot, std::string text) {
        report.formulas.push_back({Arrangement::DrawThru, slot, std::move(text)});
    };
    const double fan = in.FieldNumber(Field::DrawThruFanCapacity);
    const double D = shared.DrawThruDischarge;
    const double density = AirDensityAt(shared, D);
    const std::string output =
        FormatNumber(HeatOutputMBH(fan, density, shared.DrawThruRise), kWholeMbh);
    const std::string cfmTimes = "= " + in.DrawThruFanCapacity + "  x  ";
    formula(FormulaSlot::CFMd, cfmTimes);
    formula(FormulaSlot::CFMs, cfmTimes);
    formula(FormulaSlot::InletTempR, "460 + " + in.OutdoorTemp);
    formula(FormulaSlot::DischargeTempR_0, "460 + " + SignedNumberText(D));
    formula(FormulaSlot::DischargeTempR_1, "460 + " + SignedNumberText(D));
    formula(FormulaSlot::InletCFM,
            "  =  " +
                FormatNumber(CorrectCfmForTemperature(fan, D, in.FieldNumber(Field::OutdoorTemp)),
                             kFormulaCfm) +
                " CFM");
    formula(FormulaSlot::SpaceTempR, "460 + " + in.IndoorTemp);
    formula(FormulaSlot::SpaceCFM,
            "  =  " +
                FormatNumber(CorrectCfmForTemperature(fan, D, in.FieldNumber(Field::IndoorTemp)),
                             kFormulaCfm) +
                " NCFM");
    formula(FormulaSlot::BaroPress, pressure);
    formula(FormulaSlot::AirTemp, "460  +  " + SignedNumberText(D));
    formula(FormulaSlot::AirDensity, Density(density) + " lbs./cu. ft.");
    formula(FormulaSlot::OutputMBHFormula,
            in.DrawThruFanCapacity + OutputFormulaTail(density, shared.DrawThruRise));
    formula(FormulaSlot::OutputMBH, " = " + output + " MBH");
    formula(FormulaSlot::InputMBHFormula, output + " / 0.92 = ");
    formula(FormulaSlot::InputMBH,
            report.Value(Arrangement::DrawThru, Quantity::BTUIn).text + " MBH");
}

void AddBloThruFormulas(ComparisonReport& report, const SharedValues& shared,
                        const std::string& pressure) {
    const ComparisonInputs& in = report.inputs;
    auto formula = [&report](FormulaSlot slot, std::string text) {
        report.formulas.push_back({Arrangement::BloThru, slot, std::move(text)});
    };
    const double outdoor = in.FieldNumber(Field::OutdoorTemp);
    const double fan = in.FieldNumber(Field::BloThruFanCapacity);
    const double D = shared.BloThruDischarge;
    const double density = AirDensityAt(shared, outdoor);
    const double output = HeatOutputMBH(fan, density, shared.BloThruRise);
    formula(FormulaSlot::CFMd, "= " + in.BloThruFanCapacity + "  x  ");
    formula(FormulaSlot::DischargeTempR_0, "460 + " + SignedNumberText(D));
    formula(FormulaSlot::DischargeTempR_1, "460 + " + SignedNumberText(D));
    formula(FormulaSlot::InletTempR, "460 + " + in.OutdoorTemp);
    formula(
        FormulaSlot::DischargeCFM,
        "  =  " + FormatNumber(CorrectCfmForTemperature(fan, outdoor, D), kFormulaCfm) + " CFM");
    formula(FormulaSlot::CFMs,
            "= " + report.Value(Arrangement::BloThru, Quantity::DisCFM).text + "  x  ");
    formula(FormulaSlot::SpaceTempR, "460 + " + in.IndoorTemp);
    formula(
        FormulaSlot::SpaceCFM,
        "  =  " +
            FormatNumber(CorrectCfmForTemperature(fan, outdoor, in.FieldNumber(Field::IndoorTemp)),
                         kFormulaCfm) +
            " NCFM");
    formula(FormulaSlot::BaroPress, pressure);
    formula(FormulaSlot::AirTemp, "460  +  " + in.OutdoorTemp);
    formula(FormulaSlot::AirDensity, Density(density) + " lbs./cu. ft.");
    formula(FormulaSlot::OutputMBHFormula,
            report.Value(Arrangement::BloThru, Quantity::InletCFM).text +
                OutputFormulaTail(density, shared.BloThruRise));
    formula(FormulaSlot::OutputMBH, " = " + FormatNumber(output, kWholeMbh) + " MBH");
    formula(FormulaSlot::InputMBHFormula, FormatNumber(output, kWholeMbh) + " / 0.92 = ");
    formula(FormulaSlot::InputMBH, FormatNumber(output / kBurnerEfficiency, kWholeMbh) + " MBH");
}

}  // namespace

const QuantityInfo& Describe(Quantity quantity) {
    return kQuantities[static_cast<std::size_t>(quantity)];
}

const char* UnitText(Unit unit) {
    switch (unit) {
        case Unit::Cfm:
            return "cfm";
        case Unit::Mbh:
            return "MBH";
        case Unit::DegreesF:
            return kDegrees;
    }
    return "";
}

const char* ArrangementName(Arrangement arrangement) {
    return arrangement == Arrangement::DrawThru ? "Draw Thru" : "Blow Thru";
}

const char* ArrangementKey(Arrangement arrangement) {
    return arrangement == Arrangement::DrawThru ? "draw_thru" : "blow_thru";
}

const ShownValue& ComparisonReport::Value(Arrangement arrangement, Quantity quantity) const {
    return values[Index(arrangement)][static_cast<std::size_t>(quantity)];
}

ComparisonReport ReportComparison(const ComparisonInputs& inputs, const ComparisonResult& result,
                                  const SharedValues& shared) {
    ComparisonReport report{inputs, result, {}, {}};
    const std::string pressure = FormatNumber(shared.BaroPress, kPressure);
    AddValues(report, Arrangement::DrawThru, result.DrawThru);
    AddDrawThruFormulas(report, shared, pressure);
    AddValues(report, Arrangement::BloThru, result.BloThru);
    AddBloThruFormulas(report, shared, pressure);
    return report;
}

}  // namespace vevi
