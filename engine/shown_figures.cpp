#include "shown_figures.h"

#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

// The inch-pound patterns of the figures that are rounded for display.
constexpr const char* kUsPressure = "##.00";
constexpr const char* kUsDensity = "0.0000";

std::size_t Index(Arrangement a) {
    return static_cast<std::size_t>(a);
}

ShownValue SiTemperature(Quantity quantity, double inchPound) {
    const double si = ToSystem(Measure::Temperature, inchPound, UnitSystem::SI);
    const std::string number = SiText(Measure::Temperature, si);
    // As in inch-pound: "@ " before every temperature, and the discharge temperature
    // written as a signed number text, a blank standing for the plus sign.
    const bool blank = quantity == Quantity::DisTemp && number.front() != '-';
    return {"@ " + std::string(blank ? " " : "") + number +
                Symbol(Measure::Temperature, UnitSystem::SI),
            si};
}

// One arrangement's main-window values in SI. As in inch-pound, the input and net values
// read back the whole numbers just shown for output and air load, so the shown figures
// add up; each stays within a display step of its inch-pound figure converted.
void AddSiValues(ShownFigures& figures, Arrangement a, const ComparisonReport& report,
                 const ArrangementResult& r) {
    auto& row = figures.values[Index(a)];
    auto set = [&row](Quantity q, Measure m, double si) -> const std::string& {
        row[static_cast<std::size_t>(q)] = {SiText(m, si), si};
        return row[static_cast<std::size_t>(q)].text;
    };
    const auto si = [](Measure m, double inchPound) {
        return ToSystem(m, inchPound, UnitSystem::SI);
    };
    for (Quantity q : {Quantity::InletCFM, Quantity::DisCFM, Quantity::SpaceCFM})
        set(q, Measure::Airflow, si(Measure::Airflow, report.Value(a, q).value));
    const double output = si(Measure::HeatRate, r.OutputMBH);
    const std::string& outputText = set(Quantity::BTUOut, Measure::HeatRate, output);
    set(Quantity::BTUIn, Measure::HeatRate, LeadingNumber(outputText) / kBurnerEfficiency);
    const std::string& airLoadText =
        set(Quantity::BTUAirLoad, Measure::HeatRate, si(Measure::HeatRate, r.AirLoadMBH));
    set(Quantity::BTUNet, Measure::HeatRate, output - LeadingNumber(airLoadText));
    for (Quantity q : {Quantity::InletTemp, Quantity::DisTemp, Quantity::SpaceTemp})
        row[static_cast<std::size_t>(q)] = SiTemperature(q, report.Value(a, q).value);
}

}  // namespace

const ShownValue& ShownFigures::Value(Arrangement arrangement, Quantity quantity) const {
    return values[Index(arrangement)][static_cast<std::size_t>(quantity)];
}

const ShownValue& ShownFigures::Density(Arrangement arrangement) const {
    return density[Index(arrangement)];
}

ShownFigures FiguresIn(const ComparisonReport& report, UnitSystem system) {
    ShownFigures figures;
    figures.system = system;
    const double pressure = report.result.BaroPress;
    const auto densityOf = [&report](Arrangement a) {
        return a == Arrangement::DrawThru ? report.result.DrawThru.AirDensity
                                          : report.result.BloThru.AirDensity;
    };
    if (system == UnitSystem::US) {
        figures.values = report.values;
        figures.pressure = {FormatNumber(pressure, kUsPressure), pressure};
        for (Arrangement a : kArrangements)
            figures.density[Index(a)] = {FormatNumber(densityOf(a), kUsDensity), densityOf(a)};
        return figures;
    }
    for (Arrangement a : kArrangements) {
        AddSiValues(figures, a, report,
                    a == Arrangement::DrawThru ? report.result.DrawThru : report.result.BloThru);
        const double density = ToSystem(Measure::Density, densityOf(a), system);
        figures.density[Index(a)] = {SiText(Measure::Density, density), density};
    }
    const double kPa = ToSystem(Measure::Pressure, pressure, system);
    figures.pressure = {SiText(Measure::Pressure, kPa), kPa};
    return figures;
}

}  // namespace vevi
