// The nine input fields of the main window, and how the engine reads their texts.
#pragma once

#include <cstddef>
#include <string>

namespace vevi {

enum class Field {
    Elevation,  // txtBaroPress: the site elevation in feet
    OutdoorTemp,
    IndoorTemp,
    BloThruFanCapacity,
    BloThruDisTemp,
    BloThruTempRise,
    DrawThruFanCapacity,
    DrawThruDisTemp,
    DrawThruTempRise,
};
inline constexpr std::size_t kFieldCount = 9;

// The procedures that read the main window's fields themselves read them through this,
// so that they run, and are tested, without a window.
class FieldReader {
public:
    virtual ~FieldReader() = default;
    virtual std::string FieldText(Field field) const = 0;
    double FieldNumber(Field field) const;
};

}  // namespace vevi
