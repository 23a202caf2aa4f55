// The built-in table of 52 states and provinces with their 519 places.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vevi {

struct CityEntry {
    std::string_view name;  // UTF-8
    std::int16_t ElevationFeet;
    std::int16_t DesignTempF;
};

struct StateEntry {
    std::string_view name;
    std::span<const CityEntry> cities;
};

struct CityValues {
    int ElevationFeet;
    int DesignTempF;
};

class LocationTable {
public:
    // All regions in list order; constant data, built in.
    static std::span<const StateEntry> States();
    static std::vector<std::string_view> StateNames();
    // The places of a region in list order; empty for an index outside the table.
    static std::vector<std::string_view> CityNames(int stateIndex);
    // Nothing when either index lies outside the table.
    static std::optional<CityValues> LookUpCity(int stateIndex, int cityIndex);
};

}  // namespace vevi
