// The design comparison: every main-window figure the design inputs give, as the window
// shows it. The engine and window tests check against these rows.
#pragma once

#include <array>

#include "results.h"

namespace default_comparison {

struct FigureRow {
    vevi::Arrangement arrangement;
    vevi::Quantity quantity;
    const char* text;
};

// clang-format off
inline constexpr std::array<FigureRow, 2 * vevi::kQuantityCount> kFigures = {{
    {vevi::Arrangement::DrawThru, vevi::Quantity::InletCFM,   "8,070"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::DisCFM,     "10,000"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::SpaceCFM,   "9,211"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUOut,     "1103"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUIn,      "1199"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUAirLoad, "652"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::BTUNet,     "451"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::InletTemp,  "@ 0\u00B0F"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::DisTemp,    "@  110\u00B0F"},
    {vevi::Arrangement::DrawThru, vevi::Quantity::SpaceTemp,  "@ 65\u00B0F"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::InletCFM,   "10,000"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::DisCFM,     "13,478"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::SpaceCFM,   "11,413"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUOut,     "1987"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUIn,      "2160"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUAirLoad, "807"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::BTUNet,     "1180"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::InletTemp,  "@ 0\u00B0F"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::DisTemp,    "@  160\u00B0F"},
    {vevi::Arrangement::BloThru,  vevi::Quantity::SpaceTemp,  "@ 65\u00B0F"},
}};
// clang-format on

// The governing rises and discharge temperatures (°F) the limit boxes show, and the pressure.
inline constexpr double kDrawThruRise = 110, kBloThruRise = 160;
inline constexpr double kDrawThruDischarge = 110, kBloThruDischarge = 160;
inline constexpr const char* kPressure = "29.92";  // in. Hg at sea level

}  // namespace default_comparison
