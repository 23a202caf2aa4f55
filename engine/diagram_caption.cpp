#include "diagram_caption.h"

#include "shown_figures.h"

namespace vevi {
namespace {

constexpr std::string_view kGap = "   ";

std::string Limits(const ComparisonReport& report, const char* name, Field discharge, Field rise,
                   UnitSystem system) {
    const std::string degrees = Symbol(Measure::Temperature, system);
    const auto text = [&](Field f) {
        return ReportedInputText(f, report.inputs.FieldText(f), system);
    };
    return std::string(name) + " " + text(discharge) + degrees + " discharge, " + text(rise) +
           degrees + " rise";
}

}  // namespace

std::string DiagramCaption(const ComparisonReport& report, std::string_view place,
                           std::string_view date, UnitSystem system) {
    std::string caption;
    if (!place.empty()) caption.append("Place: ").append(place).append(kGap);
    caption.append("Barometric pressure: ").append(FiguresIn(report, system).pressure.text);
    caption.append(" ").append(Symbol(Measure::Pressure, system));
    caption.append(kGap).append("Limits: ");
    caption.append(
        Limits(report, "Draw Thru", Field::DrawThruDisTemp, Field::DrawThruTempRise, system));
    caption.append("; ");
    caption.append(
        Limits(report, "Blow Thru", Field::BloThruDisTemp, Field::BloThruTempRise, system));
    if (!date.empty()) caption.append(kGap).append(date);
    return caption;
}

}  // namespace vevi
