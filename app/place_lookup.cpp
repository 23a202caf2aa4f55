#include "place_lookup.h"

#include <algorithm>
#include <vector>

#include "location_table.h"

namespace vevi {
namespace {

// The form two names are compared in: case folded, typographic apostrophes made plain.
QString Comparable(const QString& name) {
    QString folded = name.toCaseFolded();
    folded.replace(QChar(0x2019), QLatin1Char('\''));
    return folded;
}

int EditDistance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const int substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[at];
            row[at] = std::min({row[at] + 1, row[at - 1] + 1, substitution});
        }
    }
    return row.back();
}

QStringList Nearest(const QString& query, const QStringList& names, int count) {
    const QString wanted = Comparable(query);
    std::vector<std::pair<int, qsizetype>> ranked;  // (distance, position in table order)
    ranked.reserve(static_cast<std::size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        ranked.emplace_back(EditDistance(wanted, Comparable(names[i])), i);
    const auto take =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(take),
                      ranked.end());
    QStringList nearest;
    for (std::size_t i = 0; i < take; ++i) nearest << names[ranked[i].second];
    return nearest;
}

QStringList RegionNames() {
    QStringList names;
    for (const StateEntry& state : LocationTable::States()) names << FromUtf8(state.name);
    return names;
}

QStringList PlaceNames() {
    QStringList names;
    for (const StateEntry& state : LocationTable::States())
        for (const CityEntry& city : state.cities)
            names << FromUtf8(state.name) + u'/' + FromUtf8(city.name);
    return names;
}

}  // namespace

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<int> FindRegion(const QString& name) {
    const QString wanted = Comparable(name);
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        if (Comparable(FromUtf8(states[s].name)) == wanted) return static_cast<int>(s);
    return std::nullopt;
}

std::optional<PlaceIndex> FindPlace(const QString& regionSlashPlace) {
    const qsizetype slash = regionSlashPlace.indexOf(u'/');
    if (slash < 0) return std::nullopt;
    const auto state = FindRegion(regionSlashPlace.left(slash));
    if (!state) return std::nullopt;
    const QString wanted = Comparable(regionSlashPlace.mid(slash + 1));
    const auto cities = LocationTable::States()[static_cast<std::size_t>(*state)].cities;
    for (std::size_t c = 0; c < cities.size(); ++c)
        if (Comparable(FromUtf8(cities[c].name)) == wanted)
            return PlaceIndex{*state, static_cast<int>(c)};
    return std::nullopt;
}

QStringList NearestPlaces(const QString& regionSlashPlace, int count) {
    static const QStringList names = PlaceNames();
    return Nearest(regionSlashPlace, names, count);
}

QStringList NearestRegions(const QString& name, int count) {
    static const QStringList names = RegionNames();
    return Nearest(name, names, count);
}

QString RegionName(int state) {
    return FromUtf8(LocationTable::States()[static_cast<std::size_t>(state)].name);
}

QString CityName(int state, int city) {
    return FromUtf8(LocationTable::States()[static_cast<std::size_t>(state)]
                        .cities[static_cast<std::size_t>(city)]
                        .name);
}

}  // namespace vevi
