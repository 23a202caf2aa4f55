// Finds a place or a region of the built-in table by the name a user types, and the names
// nearest to one that matches nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace vevi {

struct PlaceIndex {
    int state;
    int city;
};

QString FromUtf8(std::string_view text);

// "REGION/PLACE", matched without regard to letter case; a plain apostrophe stands for the
// typographic one. The region ends at the first slash, since place names hold slashes too.
std::optional<PlaceIndex> FindPlace(const QString& regionSlashPlace);
std::optional<int> FindRegion(const QString& name);

// Up to `count` names, nearest first by edit distance, ties in table order.
QStringList NearestPlaces(const QString& regionSlashPlace, int count = 3);
QStringList NearestRegions(const QString& name, int count = 3);

QString RegionName(int state);
QString CityName(int state, int city);

}  // namespace vevi
