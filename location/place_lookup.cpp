#include "place_lookup.h"

#include <algorithm>

#include "location_table.h"

namespace vevi {
namespace {

constexpr std::string_view kTypographicApostrophe = "\xE2\x80\x99";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The names hold only ASCII letters and the typographic apostrophe, so folding ASCII is
// enough to compare them; other characters are kept as they are and must match exactly.
std::vector<char32_t> CodePoints(std::string_view utf8) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

int EditDistance(const std::vector<char32_t>& a, const std::vector<char32_t>& b) {
    std::vector<int> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row.back();
}

std::vector<std::string> Nearest(std::string_view query, const std::vector<std::string>& names,
                                 int count) {
    const auto wanted = CodePoints(ComparableName(query));
    std::vector<std::pair<int, std::size_t>> ranked;  // (distance, position in table order)
    ranked.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        ranked.emplace_back(EditDistance(wanted, CodePoints(ComparableName(names[i]))), i);
    const auto take =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(take),
                      ranked.end());
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < take; ++i) nearest.push_back(names[ranked[i].second]);
    return nearest;
}

std::vector<std::string> RegionNames() {
    std::vector<std::string> names;
    for (const StateEntry& state : LocationTable::States()) names.emplace_back(state.name);
    return names;
}

std::vector<std::string> PlaceNames() {
    std::vector<std::string> names;
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        for (std::size_t c = 0; c < states[s].cities.size(); ++c)
            names.push_back(FullPlaceName({static_cast<int>(s), static_cast<int>(c)}));
    return names;
}

}  // namespace

std::string ComparableName(std::string_view utf8) {
    std::string folded;
    const std::string_view text = Trimmed(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kTypographicApostrophe.size()) == kTypographicApostrophe) {
            folded += '\'';
            i += kTypographicApostrophe.size() - 1;
            continue;
        }
        const char c = text[i];
        if (c == '/') {
            while (!folded.empty() && IsBlank(folded.back())) folded.pop_back();
            folded += '/';
            while (i + 1 < text.size() && IsBlank(text[i + 1])) ++i;
            continue;
        }
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

std::optional<int> FindRegion(std::string_view name) {
    const std::string wanted = ComparableName(name);
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        if (ComparableName(states[s].name) == wanted) return static_cast<int>(s);
    return std::nullopt;
}

std::optional<PlaceIndex> FindPlace(std::string_view region, std::string_view place) {
    const auto state = FindRegion(region);
    if (!state) return std::nullopt;
    const std::string wanted = ComparableName(place);
    const auto cities = LocationTable::States()[static_cast<std::size_t>(*state)].cities;
    for (std::size_t c = 0; c < cities.size(); ++c)
        if (ComparableName(cities[c].name) == wanted)
            return PlaceIndex{*state, static_cast<int>(c)};
    return std::nullopt;
}

std::optional<PlaceIndex> FindPlace(std::string_view regionSlashPlace) {
    const std::size_t slash = regionSlashPlace.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    return FindPlace(regionSlashPlace.substr(0, slash), regionSlashPlace.substr(slash + 1));
}

std::vector<PlaceIndex> PlacesNamed(std::string_view place) {
    const std::string wanted = ComparableName(place);
    std::vector<PlaceIndex> found;
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        for (std::size_t c = 0; c < states[s].cities.size(); ++c)
            if (ComparableName(states[s].cities[c].name) == wanted)
                found.push_back({static_cast<int>(s), static_cast<int>(c)});
    return found;
}

std::vector<std::string> NearestPlaces(std::string_view regionSlashPlace, int count) {
    static const std::vector<std::string> names = PlaceNames();
    return Nearest(regionSlashPlace, names, count);
}

std::vector<std::string> NearestRegions(std::string_view name, int count) {
    static const std::vector<std::string> names = RegionNames();
    return Nearest(name, names, count);
}

std::string_view RegionName(int state) {
    return LocationTable::States()[static_cast<std::size_t>(state)].name;
}

std::string_view CityName(int state, int city) {
    return LocationTable::States()[static_cast<std::size_t>(state)]
        .cities[static_cast<std::size_t>(city)]
        .name;
}

std::string FullPlaceName(PlaceIndex place) {
    return std::string(RegionName(place.state)) + '/' +
           std::string(CityName(place.state, place.city));
}

}  // namespace vevi
