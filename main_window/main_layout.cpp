#include "main_layout.h"

namespace vevi::layout {

// clang-format off
const LabelSpec kLabels[] = {
    // The three general inputs: caption left of the box, unit right of it.
    {"Label2",  "Indoor Temperature",  0, 275, 2220, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label5",  "\u00B0F",             2775, 275, 225, 240, Style::Caption, kWindowText, Align::Left, true},
    {"Label1",  "Outdoor Temperature", 0, 610, 2220, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label4",  "\u00B0F",             2775, 610, 225, 240, Style::Caption, kWindowText, Align::Left, true},
    {"Label36", "Elevation",           0, 945, 2220, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label35", "Ft.",                 2775, 945, 400, 240, Style::Caption, kWindowText, Align::Left, true},
    // The limits grid.
    {"Label11", "Draw Thru", 8085, 0, 1080, 240, Style::Heading, kWindowText, Align::Left, true},
    {"Label20", "Blow Thru", 9165, 0, 1050, 240, Style::Heading, kWindowText, Align::Left, true},
    {"Label18", "Max. Discharge Temperature (\u00B0F)", 4500, 275, 3810, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label15", "Max. Temperature Rise (\u00B0F)",      4500, 610, 3810, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label3",  "Blower Capacity (cfm         )",       4500, 945, 3810, 240, Style::Caption, kWindowText, Align::Right, true},
    {"Label44", "Blower", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, true},

    // Draw Thru band.
    {"Label7", "Draw Thru System", 120, 1320, 2400, 240, Style::Heading, kWindowText, Align::Left, true},
    {"lblDrawThruInletCFM",  "0", 0, 1860, 780, 240, Style::Value, kDarkBlue, Align::Right, false},
    {"Label21", "cfm",   800, 1860, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label19", "Inlet", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblDrawThruInletTemp", "",  0, 2100, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblDrawThruFanTemp",   "",  3900, 2760, 975, 240, Style::Value, kWindowText, Align::Right, true},
    {"lblDrawThruDisCFM",    "0", 5250, 1860, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label25", "cfm",       6050, 1860, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label23", "Discharge", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblDrawThruDisTemp",   "",  5250, 2100, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblDrawThruSpaceCFM",  "0", 7500, 1860, 780, 240, Style::Value, kMagenta, Align::Right, false},
    {"Label27", "cfm", 8300, 1860, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label24", "Net", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblDrawThruSpaceTemp", "",  7500, 2100, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblDrawThruBTUIn",     "0", 2550, 3060, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label9",  "MBH       x .92 =", 3350, 3060, 1880, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label6",  "Input", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblDrawThruBTUOut",    "0", 5250, 3060, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label29", "MBH",    6050, 3060, 450, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label10", "Output", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"Label34", "-", 5080, 3300, 150, 240, Style::Caption, kWindowText, Align::Left, false},
    {"lblDrawThruBTUAirLoad", "0", 5250, 3300, 780, 240, Style::Value, kBlue, Align::Right, false},
    {"Label37", "MBH to heat cfm       to indoor temperature", 6050, 3300, 4150, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label16", "Inlet", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblDrawThruBTUNet",    "0", 5250, 3565, 780, 240, Style::Value, kMagenta, Align::Right, false},
    {"Label46", "MBH    available for other loads", 6050, 3565, 3600, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label48", "Net", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},

    // Blow Thru band.
    {"Label8", "Blow Thru System", 120, 3900, 2400, 240, Style::Heading, kWindowText, Align::Left, true},
    {"lblBloThruInletCFM",  "0", 0, 4380, 780, 240, Style::Value, kDarkBlue, Align::Right, false},
    {"Label22", "cfm",   800, 4380, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label30", "Inlet", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblBloThruInletTemp", "",  0, 4620, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblBloThruFanTemp",   "",  2430, 5400, 900, 240, Style::Value, kWindowText, Align::Right, true},
    {"lblBloThruDisCFM",    "0", 4450, 4380, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label26", "cfm",       5250, 4380, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label32", "Discharge", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblBloThruDisTemp",   "",  4450, 4620, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblBloThruSpaceCFM",  "0", 7500, 4380, 780, 240, Style::Value, kMagenta, Align::Right, false},
    {"Label28", "cfm", 8300, 4380, 330, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label33", "Net", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblBloThruSpaceTemp", "",  7500, 4620, 1130, 240, Style::Value, kWindowText, Align::Right, false},
    {"lblBloThruBTUIn",     "0", 2550, 5820, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label12", "MBH       x .92 =", 3350, 5820, 1880, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label13", "Input", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblBloThruBTUOut",    "0", 5250, 5820, 780, 240, Style::Value, kDarkRed, Align::Right, false},
    {"Label31", "MBH",    6050, 5820, 450, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label14", "Output", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"Label45", "-", 5080, 6060, 150, 240, Style::Caption, kWindowText, Align::Left, false},
    {"lblBloThruBTUAirLoad", "0", 5250, 6060, 780, 240, Style::Value, kBlue, Align::Right, false},
    {"Label49", "MBH to heat cfm       to indoor temperature", 6050, 6060, 4150, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label17", "Inlet", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
    {"lblBloThruBTUNet",    "0", 5250, 6325, 780, 240, Style::Value, kMagenta, Align::Right, false},
    {"Label47", "MBH     available for other loads", 6050, 6325, 3600, 240, Style::Caption, kWindowText, Align::Left, false},
    {"Label50", "Net", 0, 0, 0, 0, Style::Small, kWindowText, Align::Left, false},
};
const int kLabelCount = sizeof kLabels / sizeof kLabels[0];

const SubscriptSpec kSubscripts[] = {
    {"Label44", "Label3",  "Blower Capacity (cfm"},
    {"Label19", "Label21", "cfm"},
    {"Label23", "Label25", "cfm"},
    {"Label24", "Label27", "cfm"},
    {"Label6",  "Label9",  "MBH"},
    {"Label10", "Label29", "MBH"},
    {"Label16", "Label37", "MBH to heat cfm"},
    {"Label48", "Label46", "MBH"},
    {"Label30", "Label22", "cfm"},
    {"Label32", "Label26", "cfm"},
    {"Label33", "Label28", "cfm"},
    {"Label13", "Label12", "MBH"},
    {"Label14", "Label31", "MBH"},
    {"Label17", "Label49", "MBH to heat cfm"},
    {"Label50", "Label47", "MBH"},
};
const int kSubscriptCount = sizeof kSubscripts / sizeof kSubscripts[0];

const BoxSpec kBoxes[] = {
    {"txtIndoorTemp",          "65",    "Indoor temperature, \u00B0F",                     2280, 245, 480, 285},
    {"txtOutdoorTemp",         "0",     "Outdoor temperature, \u00B0F",                    2280, 580, 480, 285},
    {"txtBaroPress",           "0",     "Elevation, feet",                                 2280, 915, 480, 285},
    {"txtDrawThruDisTemp",     "140",   "Draw Thru maximum discharge temperature, \u00B0F", 8400, 245, 735, 285},
    {"txtDrawThruTempRise",    "110",   "Draw Thru maximum temperature rise, \u00B0F",      8400, 580, 735, 285},
    {"txtDrawThruFanCapacity", "10000", "Draw Thru blower capacity, cfm",                  8400, 915, 735, 285},
    {"txtBloThruDisTemp",      "160",   "Blow Thru maximum discharge temperature, \u00B0F", 9350, 245, 735, 285},
    {"txtBloThruTempRise",     "160",   "Blow Thru maximum temperature rise, \u00B0F",      9350, 580, 735, 285},
    {"txtBloThruFanCapacity",  "10000", "Blow Thru blower capacity, cfm",                  9350, 915, 735, 285},
};
const int kBoxCount = sizeof kBoxes / sizeof kBoxes[0];

const ButtonSpec kButtons[] = {
    {"cmdSelectCity",   "Select a City",  3000, 240, 1455, 375, true},
    {"cmdGo",           "Fire 'em up!",   3840, 810, 1335, 375, true},
    {"cmdShowFormulas", "Show formulae",  8265, 1335, 1815, 375, false},
};
const int kButtonCount = sizeof kButtons / sizeof kButtons[0];
// clang-format on

}  // namespace vevi::layout
