// The design comparison in SI: the texts the nine boxes show for the design inputs, and every
// figure of their comparison as shown in SI. Worked by hand from the inch-pound figures; the
// engine, window and command-line tests all check against these rows.
#pragma once

#include <array>

#include "fields.h"
#include "results.h"

namespace si_golden {

struct InputRow {
    vevi::Field field;
    const char* text;
};
// The design texts converted: 160 °F of rise is 88.9 °C rounded, kept to its range's 88.8.
// clang-format off
inline constexpr std::array<InputRow, vevi::kFieldCount> kInputs = {{
    {vevi::Field::Elevation,           "0"},
    {vevi::Field::OutdoorTemp,         "-17.8"},
    {vevi::Field::IndoorTemp,          "18.3"},
    {vevi::Field::BloThruFanCapacity,  "4719"},
    {vevi::Field::BloThruDisTemp,      "71.1"},
    {vevi::Field::BloThruTempRise,     "88.8"},
    {vevi::Field::DrawThruFanCapacity, "4719"},
    {vevi::Field::DrawThruDisTemp,     "60.0"},
    {vevi::Field::DrawThruTempRise,    "61.1"},
}};

struct FigureRow {
    vevi::Arrangement arrangement;
    vevi::Quantity quantity;
    const char* text;
};
// Input is the shown output / 0.92 and net the output less the shown air load, as in
// inch-pound: Blow Thru 582 / 0.92 = 632.6, 582.397 - 237 = 345.4.
inline constexpr std::array<FigureRow, 2 * vevi::kQuantityCount> kFigures = {{
    {vevi::Arrangement::DrawThru, vevi::Quantity::InletCFM,   "3,809"},  // 8,070.18 cfm
    {vevi::Arrangement::DrawThru, vevi::Quantity::DisCFM,     "4,719"},  // 10,000 cfm
    {vevi::Arrangement::DrawThru, vevi::Quantity::SpaceCFM,   "4,347"},  // 9,210.53 cfm
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUOut,     "323"},    // 1,102.56 MBH
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUIn,      "351"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUAirLoad, "191"},    // 651.51 MBH
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUNet,     "132"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::InletTemp,  "@ -17.8\u00B0C"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::DisTemp,    "@  43.3\u00B0C"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::SpaceTemp,  "@ 18.3\u00B0C"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::InletCFM,   "4,719"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::DisCFM,     "6,361"},  // 13,478.26 cfm
    {vevi::Arrangement::BloThru,  vevi::Quantity::SpaceCFM,   "5,386"},  // 11,413.04 cfm
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUOut,     "582"},    // 1,987.22 MBH
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUIn,      "633"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUAirLoad, "237"},    // 807.31 MBH
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUNet,     "345"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::InletTemp,  "@ -17.8\u00B0C"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::DisTemp,    "@  71.1\u00B0C"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::SpaceTemp,  "@ 18.3\u00B0C"},
}};
// clang-format on

inline constexpr const char* kPressure = "101.32";        // kPa, from 29.92 in. Hg
inline constexpr const char* kDrawThruDensity = "1.115";  // kg/m³, from 0.0696060 lb/ft³
inline constexpr const char* kBloThruDensity = "1.382";   // kg/m³, from 0.0862509 lb/ft³

}  // namespace si_golden
