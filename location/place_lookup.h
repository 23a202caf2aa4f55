// Finds a place or a region of the built-in table by the name a person gives, and the names
// nearest to one that matches nothing. The command line and the window share these rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vevi {

struct PlaceIndex {
    int state;
    int city;
};

// The form two names are compared in: letter case folded, a typographic apostrophe made
// plain, blanks at the ends and around each "/" dropped.
std::string ComparableName(std::string_view utf8);

// "REGION/PLACE" by the rules of ComparableName. The region ends at the first slash, since
// place names hold slashes too.
std::optional<PlaceIndex> FindPlace(std::string_view regionSlashPlace);
std::optional<PlaceIndex> FindPlace(std::string_view region, std::string_view place);
std::optional<int> FindRegion(std::string_view name);
// Every place of that name, whatever its region, in table order.
std::vector<PlaceIndex> PlacesNamed(std::string_view place);

// Up to `count` names, nearest first by edit distance, ties in table order.
std::vector<std::string> NearestPlaces(std::string_view regionSlashPlace, int count = 3);
std::vector<std::string> NearestRegions(std::string_view name, int count = 3);

std::string_view RegionName(int state);
std::string_view CityName(int state, int city);
std::string FullPlaceName(PlaceIndex place);  // "Wyoming/Big Piney"

}  // namespace vevi
