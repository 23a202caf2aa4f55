#include "diagram_caption.h"

namespace vevi {
namespace {

constexpr std::string_view kGap = "   ";

std::string Limits(const ComparisonReport& report, const char* name, Field discharge, Field rise) {
    return std::string(name) + " " + report.inputs.FieldText(discharge) + "\u00B0F discharge, " +
           report.inputs.FieldText(rise) + "\u00B0F rise";
}

// The pressure as the formulas window shows it: one text, whichever arrangement.
std::string PressureText(const ComparisonReport& report) {
    for (const FormulaText& f : report.formulas)
        if (f.slot == FormulaSlot::BaroPress) return f.text;
    return {};
}

}  // namespace

std::string DiagramCaption(const ComparisonReport& report, std::string_view place,
                           std::string_view date) {
    std::string caption;
    if (!place.empty()) caption.append("Place: ").append(place).append(kGap);
    caption.append("Barometric pressure: ").append(PressureText(report)).append(" in. Hg");
    caption.append(kGap).append("Limits: ");
    caption.append(Limits(report, "Draw Thru", Field::DrawThruDisTemp, Field::DrawThruTempRise));
    caption.append("; ");
    caption.append(Limits(report, "Blow Thru", Field::BloThruDisTemp, Field::BloThruTempRise));
    if (!date.empty()) caption.append(kGap).append(date);
    return caption;
}

}  // namespace vevi
