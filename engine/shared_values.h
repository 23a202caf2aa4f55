// The values one calculation leaves behind for the windows and for the next calculation.
#pragma once

#include <string>

namespace vevi {

struct SharedValues {
    double BaroPress = 0;  // inches of mercury
    double BloThruRise = 0;
    double BloThruDischarge = 0;
    double BloThruAirLoad = 0;
    double DrawThruRise = 0;
    double DrawThruDischarge = 0;
    double DrawThruAirLoad = 0;
    // The four limit texts as they stood when the last comparison was started.
    std::string SavedBloThruTempRise;
    std::string SavedBloThruDisTemp;
    std::string SavedDrawThruTempRise;
    std::string SavedDrawThruDisTemp;
};

}  // namespace vevi
