// Every figure of a comparison as the window, the exports and the commands show it, in
// inch-pound or SI.
#pragma once

#include <array>

#include "results.h"
#include "units.h"

namespace vevi {

struct ShownFigures {
    UnitSystem system = UnitSystem::US;
    std::array<std::array<ShownValue, kQuantityCount>, kArrangements.size()> values;
    ShownValue pressure;                                   // barometric pressure at the site
    std::array<ShownValue, kArrangements.size()> density;  // air density at each blower

    const ShownValue& Value(Arrangement arrangement, Quantity quantity) const;
    const ShownValue& Density(Arrangement arrangement) const;
};

// Every figure of the report as shown in the system. Inch-pound gives the report's own texts;
// SI converts each number and writes it at its display rounding in the same manner.
ShownFigures FiguresIn(const ComparisonReport& report, UnitSystem system);

}  // namespace vevi
