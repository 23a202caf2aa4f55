// The line under an exported diagram: what the picture alone does not say (the place, the
// pressure at the site, the limits the user gave, the date), since the limit boxes on the
// diagram show the actual values while a comparison is shown.
#pragma once

#include <string>
#include <string_view>

#include "results.h"
#include "units.h"

namespace vevi {

// "Place: Wyoming/Big Piney   Barometric pressure: 23.52 in. Hg   Limits: Draw Thru 140°F
// discharge, 110°F rise; Blow Thru 160°F discharge, 160°F rise   2026-12-09". The place part
// is left out where `place` is empty; the limits are those the comparison started with, and
// every figure is in `system`, as the window shows it.
std::string DiagramCaption(const ComparisonReport& report, std::string_view place,
                           std::string_view date, UnitSystem system = UnitSystem::US);

}  // namespace vevi
