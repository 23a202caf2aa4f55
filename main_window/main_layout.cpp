#include "main_layout.h"

namespace vevi::layout {
namespace {

using A = Arrangement;
using Q = Quantity;
using F = Field;

std::optional<ValueKey> V(Arrangement arrangement, Quantity quantity) {
    return ValueKey{arrangement, quantity};
}

// A small caption, placed from font metrics after `after` of the caption row before it.
LabelSpec Small(const char* name, const char* text, Group group, const char* after) {
    return {name, text, 0, 0, 0, 0, Style::Small, Align::Left, group, {}, {}, after};
}

constexpr Target To(Field field) {
    return {Target::Box, field};
}
constexpr Target kGo{Target::Go};
constexpr Target kLocationDialog{Target::LocationDialog};
constexpr Target kNowhere{};

}  // namespace

// clang-format off
const std::vector<LabelSpec> kLabels = {
    // The three general inputs: caption left of the box, unit right of it.
    {"Label2", "Indoor Temperature", 0, 275, 2220, 240, Style::Caption, Align::Right, Group::Fixed, {}, {}},
    {"Label5", "\u00B0F", 2805, 275, 195, 240, Style::Caption, Align::Left, Group::Fixed, {}, {}, nullptr, 2775, 225},
    {"Label1", "Outdoor Temperature", 0, 610, 2220, 240, Style::Caption, Align::Right, Group::Fixed, {}, {}},
    {"Label4", "\u00B0F", 2775, 610, 225, 240, Style::Caption, Align::Left, Group::Fixed, {}, {}, nullptr, 2820, 225},
    {"Label36", "Elevation", 0, 945, 2220, 240, Style::Caption, Align::Right, Group::Fixed, {}, {}},
    {"Label35", "Ft.", 3030, 945, 400, 240, Style::Caption, Align::Left, Group::Fixed, {}, {}},
    // The limits grid.
    {"Label11", "Draw Thru", 8085, 0, 1080, 240, Style::Heading, Align::Left, Group::Fixed, {}, {}},
    {"Label20", "Blow Thru", 9165, 0, 1050, 240, Style::Heading, Align::Left, Group::Fixed, {}, {}},
    {"Label18", "Max. Discharge Temperature (\u00B0F)", 4500, 275, 3810, 240, Style::Caption, Align::Right, Group::DischargeRow, {}, {}},
    {"Label15", "Max. Temperature Rise (\u00B0F)", 4500, 610, 3810, 240, Style::Caption, Align::Right, Group::RiseRow, {}, {}},
    {"Label3", "Blower Capacity (cfm         )", 4500, 945, 3810, 240, Style::Caption, Align::Right, Group::Fixed, {}, {}},
    Small("Label44", "Blower", Group::Fixed, "Blower Capacity (cfm"),

    // Draw Thru band.
    {"Label7", "Draw Thru System", 120, 1320, 2400, 240, Style::Heading, Align::Left, Group::Fixed, {}, {}},
    {"lblDrawThruInletCFM", "0", 0, 1860, 780, 240, Style::Value, Align::Right, Group::Detail, kDarkBlue, V(A::DrawThru, Q::InletCFM)},
    {"Label21", "cfm", 800, 1860, 330, 240, Style::Caption, Align::Left, Group::Detail, {}, {}},
    Small("Label19", "Inlet", Group::Detail, "cfm"),
    {"lblDrawThruInletTemp", "", 0, 2100, 1130, 240, Style::Value, Align::Right, Group::Detail, {}, V(A::DrawThru, Q::InletTemp)},
    {"lblDrawThruFanTemp", "", 3900, 2760, 975, 240, Style::Value, Align::Right, Group::FanTemp, {}, {}},
    {"lblDrawThruDisCFM", "0", 5250, 1860, 780, 240, Style::Value, Align::Right, Group::Common, kDarkRed, V(A::DrawThru, Q::DisCFM)},
    {"Label25", "cfm", 6050, 1860, 330, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label23", "Discharge", Group::Common, "cfm"),
    {"lblDrawThruDisTemp", "", 5250, 2100, 1130, 240, Style::Value, Align::Right, Group::Common, {}, V(A::DrawThru, Q::DisTemp)},
    {"lblDrawThruSpaceCFM", "0", 7500, 1860, 780, 240, Style::Value, Align::Right, Group::Detail, kMagenta, V(A::DrawThru, Q::SpaceCFM)},
    {"Label27", "cfm", 8300, 1860, 330, 240, Style::Caption, Align::Left, Group::Detail, {}, {}},
    Small("Label24", "Net", Group::Detail, "cfm"),
    {"lblDrawThruSpaceTemp", "", 7500, 2100, 1130, 240, Style::Value, Align::Right, Group::Detail, {}, V(A::DrawThru, Q::SpaceTemp)},
    {"lblDrawThruBTUIn", "0", 2550, 3060, 780, 240, Style::Value, Align::Right, Group::Common, kDarkRed, V(A::DrawThru, Q::BTUIn)},
    {"Label9", "MBH       x .92 =", 3350, 3060, 1880, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label6", "Input", Group::Common, "MBH"),
    {"lblDrawThruBTUOut", "0", 5250, 3060, 780, 240, Style::Value, Align::Right, Group::Common, kDarkRed, V(A::DrawThru, Q::BTUOut)},
    {"Label29", "MBH", 6050, 3060, 450, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label10", "Output", Group::Common, "MBH"),
    {"Label34", "-", 5080, 3300, 150, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    {"lblDrawThruBTUAirLoad", "0", 5250, 3300, 780, 240, Style::Value, Align::Right, Group::Net, kBlue, V(A::DrawThru, Q::BTUAirLoad)},
    {"Label37", "MBH to heat cfm       to indoor temperature", 6050, 3300, 4150, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    Small("Label16", "Inlet", Group::Net, "MBH to heat cfm"),
    {"lblDrawThruBTUNet", "0", 5250, 3565, 780, 240, Style::Value, Align::Right, Group::Net, kMagenta, V(A::DrawThru, Q::BTUNet)},
    {"Label46", "MBH    available for other loads", 6050, 3565, 3600, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    Small("Label48", "Net", Group::Net, "MBH"),

    // Blow Thru band.
    {"Label8", "Blow Thru System", 120, 3900, 2400, 240, Style::Heading, Align::Left, Group::Fixed, {}, {}},
    {"lblBloThruInletCFM", "0", 0, 4380, 780, 240, Style::Value, Align::Right, Group::Common, kDarkBlue, V(A::BloThru, Q::InletCFM)},
    {"Label22", "cfm", 800, 4380, 330, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label30", "Inlet", Group::Common, "cfm"),
    {"lblBloThruInletTemp", "", 0, 4620, 1130, 240, Style::Value, Align::Right, Group::Common, {}, V(A::BloThru, Q::InletTemp)},
    {"lblBloThruFanTemp", "", 2430, 5400, 900, 240, Style::Value, Align::Right, Group::FanTemp, {}, {}},
    {"lblBloThruDisCFM", "0", 4450, 4380, 780, 240, Style::Value, Align::Right, Group::Detail, kDarkRed, V(A::BloThru, Q::DisCFM)},
    {"Label26", "cfm", 5250, 4380, 330, 240, Style::Caption, Align::Left, Group::Detail, {}, {}},
    Small("Label32", "Discharge", Group::Detail, "cfm"),
    {"lblBloThruDisTemp", "", 4450, 4620, 1130, 240, Style::Value, Align::Right, Group::Detail, {}, V(A::BloThru, Q::DisTemp)},
    {"lblBloThruSpaceCFM", "0", 7500, 4380, 780, 240, Style::Value, Align::Right, Group::Detail, kMagenta, V(A::BloThru, Q::SpaceCFM)},
    {"Label28", "cfm", 8300, 4380, 330, 240, Style::Caption, Align::Left, Group::Detail, {}, {}},
    Small("Label33", "Net", Group::Detail, "cfm"),
    {"lblBloThruSpaceTemp", "", 7500, 4620, 1130, 240, Style::Value, Align::Right, Group::Detail, {}, V(A::BloThru, Q::SpaceTemp)},
    {"lblBloThruBTUIn", "0", 2550, 5820, 780, 240, Style::Value, Align::Right, Group::Common, kDarkRed, V(A::BloThru, Q::BTUIn)},
    {"Label12", "MBH       x .92 =", 3350, 5820, 1880, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label13", "Input", Group::Common, "MBH"),
    {"lblBloThruBTUOut", "0", 5250, 5820, 780, 240, Style::Value, Align::Right, Group::Common, kDarkRed, V(A::BloThru, Q::BTUOut)},
    {"Label31", "MBH", 6050, 5820, 450, 240, Style::Caption, Align::Left, Group::Common, {}, {}},
    Small("Label14", "Output", Group::Common, "MBH"),
    {"Label45", "-", 5080, 6060, 150, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    {"lblBloThruBTUAirLoad", "0", 5250, 6060, 780, 240, Style::Value, Align::Right, Group::Net, kBlue, V(A::BloThru, Q::BTUAirLoad)},
    {"Label49", "MBH to heat cfm       to indoor temperature", 6050, 6060, 4150, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    Small("Label17", "Inlet", Group::Net, "MBH to heat cfm"),
    {"lblBloThruBTUNet", "0", 5250, 6325, 780, 240, Style::Value, Align::Right, Group::Net, kMagenta, V(A::BloThru, Q::BTUNet)},
    {"Label47", "MBH     available for other loads", 6050, 6325, 3600, 240, Style::Caption, Align::Left, Group::Net, {}, {}},
    Small("Label50", "Net", Group::Net, "MBH"),
};

const std::vector<LabelSpec>& Labels() {
    return kLabels;
}

const std::vector<BoxSpec>& Boxes() {
    static const std::vector<BoxSpec> boxes = {
        {F::IndoorTemp, "txtIndoorTemp", "Indoor temperature, \u00B0F",
         2280, 245, 525, 285, 3, To(F::OutdoorTemp), kNowhere, To(F::OutdoorTemp), true, 2250, 525},
        {F::OutdoorTemp, "txtOutdoorTemp", "Outdoor temperature, \u00B0F",
         2280, 580, 480, 285, 3, To(F::Elevation), To(F::IndoorTemp), kNowhere, false, 0, 525},
        {F::Elevation, "txtBaroPress", "Elevation, feet",
         2280, 915, 735, 285, 5, To(F::DrawThruDisTemp), To(F::DrawThruDisTemp), To(F::IndoorTemp)},
        {F::DrawThruDisTemp, "txtDrawThruDisTemp", "Draw Thru maximum discharge temperature, \u00B0F",
         8400, 245, 870, 285, 3, To(F::DrawThruTempRise), To(F::DrawThruTempRise), kLocationDialog},
        {F::DrawThruTempRise, "txtDrawThruTempRise", "Draw Thru maximum temperature rise, \u00B0F",
         8400, 580, 870, 285, 3, To(F::DrawThruFanCapacity), To(F::DrawThruFanCapacity), To(F::DrawThruDisTemp)},
        {F::DrawThruFanCapacity, "txtDrawThruFanCapacity", "Draw Thru blower capacity, cfm",
         8400, 915, 870, 285, 7, To(F::BloThruFanCapacity), To(F::BloThruFanCapacity), To(F::DrawThruTempRise)},
        {F::BloThruDisTemp, "txtBloThruDisTemp", "Blow Thru maximum discharge temperature, \u00B0F",
         9350, 245, 855, 285, 3, To(F::BloThruTempRise), To(F::BloThruTempRise), To(F::DrawThruFanCapacity)},
        {F::BloThruTempRise, "txtBloThruTempRise", "Blow Thru maximum temperature rise, \u00B0F",
         9350, 580, 855, 285, 3, To(F::BloThruFanCapacity), To(F::BloThruFanCapacity), To(F::DrawThruFanCapacity)},
        {F::BloThruFanCapacity, "txtBloThruFanCapacity", "Blow Thru blower capacity, cfm",
         9350, 915, 855, 285, 6, kGo, kGo, To(F::DrawThruFanCapacity)},
    };
    return boxes;
}

const std::vector<ButtonSpec>& Buttons() {
    static const std::vector<ButtonSpec> buttons = {
        {Button::SelectCity,   "cmdSelectCity",   "Select a City", 3000, 240, 1455, 375, true},
        {Button::Go,           "cmdGo",           "Fire 'em up!",  3840, 810, 1335, 375, true},
        {Button::ShowFormulas, "cmdShowFormulas", "Show formulae", 8265, 1335, 1815, 375, false},
    };
    return buttons;
}
// clang-format on

}  // namespace vevi::layout
