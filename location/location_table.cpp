#include "location_table.h"

#include <cstddef>

#include "location_data.h"

namespace vevi {
namespace {

// Indexes come from list-box positions, so -1 (no selection) and stale stored values
// must be answered with nothing rather than read out of bounds.
template <class T>
const T* At(std::span<const T> items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const StateEntry> LocationTable::States() {
    return LocationData();
}

std::vector<std::string_view> LocationTable::StateNames() {
    const auto states = States();
    std::vector<std::string_view> names;
    names.reserve(states.size());
    for (const auto& state : states) names.push_back(state.name);
    return names;
}

std::vector<std::string_view> LocationTable::CityNames(int stateIndex) {
    const StateEntry* state = At(States(), stateIndex);
    if (!state) return {};
    std::vector<std::string_view> names;
    names.reserve(state->cities.size());
    for (const auto& city : state->cities) names.push_back(city.name);
    return names;
}

std::optional<CityValues> LocationTable::LookUpCity(int stateIndex, int cityIndex) {
    const StateEntry* state = At(States(), stateIndex);
    if (!state) return std::nullopt;
    const CityEntry* city = At(state->cities, cityIndex);
    if (!city) return std::nullopt;
    return CityValues{city->ElevationFeet, city->DesignTempF};
}

}  // namespace vevi
