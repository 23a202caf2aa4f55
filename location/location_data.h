// Internal to vevi_location: the constant place data behind LocationTable.
#pragma once

#include <span>

#include "location_table.h"

namespace vevi {

// All regions in list order, each with its places in list order.
std::span<const StateEntry> LocationData();

}  // namespace vevi
