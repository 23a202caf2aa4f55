#include <QtTest>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "location_table.h"

using namespace vevi;

namespace {

using Place = std::pair<int, int>;  // (state index, city index)

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "(0,1) (2,3)": readable in a failure message.
template <class Places>
QString Describe(const Places& places) {
    QStringList parts;
    for (const auto& [s, c] : places) parts << QStringLiteral("(%1,%2)").arg(s).arg(c);
    return parts.join(u' ');
}

// U+2019 RIGHT SINGLE QUOTATION MARK, as UTF-8.
constexpr std::string_view kTypographicApostrophe = "\xE2\x80\x99";

// FNV-1a, 64 bit: a single changed character, value or swapped row changes the result.
class Fnv1a64 {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001b3ULL;
        }
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

// Every place with its position, in table order.
template <class Fn>
void ForEachPlace(Fn&& fn) {
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s)
        for (std::size_t c = 0; c < states[s].cities.size(); ++c)
            fn(static_cast<int>(s), static_cast<int>(c), states[s], states[s].cities[c]);
}

}  // namespace

class TestLocationTable : public QObject {
    Q_OBJECT

private slots:
    void regions_data();
    void regions();
    void totals();
    void places_data();
    void places();
    void extremes();
    void temperatureSigns();
    void repeatedNames();
    void outOfRange_data();
    void outOfRange();
    void cityNamesOutsideTable_data();
    void cityNamesOutsideTable();
    void nameText();
    void apostrophes();
    void placeOrder();
    void fingerprint();
};

void TestLocationTable::regions_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const auto AddRegion = [](int state, const char* name, int count, const char* first,
                              const char* last) {
        QTest::addRow("%d %s", state, name) << state << QString::fromUtf8(name) << count
                                            << QString::fromUtf8(first) << QString::fromUtf8(last);
    };
    AddRegion(0, "Alabama", 9, "Anniston", "Tuscaloosa");
    AddRegion(1, "Alaska", 35, "Adak, NAS", "Yakutat");
    AddRegion(2, "Arizona", 10, "Flagstaff", "Yuma");
    AddRegion(3, "Arkansas", 5, "Blytheville, Eaker AFB", "Texarkana");
    AddRegion(4, "California", 34, "Alameda, NAS", "Victorville");
    AddRegion(5, "Colorado", 9, "Alamosa", "Trinidad");
    AddRegion(6, "Connecticut", 3, "Bridgeport", "Windsor Locks, Bradley");
    AddRegion(7, "Delaware", 2, "Dover, AFB", "Wilmington");
    AddRegion(8, "Florida", 25, "Apalachicola", "West Palm Beach");
    AddRegion(9, "Georgia", 14, "Albany", "Waycross");
    AddRegion(10, "Hawaii", 7, "Ewa, Barbers Point NAS", "Molokai");
    AddRegion(11, "Idaho", 7, "Boise", "Pocatello");
    AddRegion(12, "Illinois", 13, "Belleville, Scott AFB", "West Chicago");
    AddRegion(13, "Indiana", 7, "Evansville", "Terre Haute");
    AddRegion(14, "Iowa", 10, "Burlington", "Waterloo");
    AddRegion(15, "Kansas", 10, "Concordia", "Wichita, McConnell AFB");
    AddRegion(16, "Kentucky", 8, "Bowling Green", "Paducah");
    AddRegion(17, "Louisiana", 10, "Alexandria, England AFB", "Shreveport");
    AddRegion(18, "Maine", 6, "Augusta", "Portland");
    AddRegion(19, "Maryland", 4, "Andrews AFB", "Salisbury");
    AddRegion(20, "Massachusetts", 4, "Boston", "Worcester");
    AddRegion(21, "Michigan", 18, "Alpena", "Traverse City");
    AddRegion(22, "Minnesota", 10, "Alexandria", "Tofte");
    AddRegion(23, "Mississippi", 7, "Biloxi, Keesler AFB", "Tupelo");
    AddRegion(24, "Missouri", 9, "Cape Girardeau", "Warrensburg, Whiteman");
    AddRegion(25, "Montana", 13, "Billings", "Missoula");
    AddRegion(26, "Nebraska", 10, "Bellevue, Offutt AFB", "Valentine");
    AddRegion(27, "Nevada", 8, "Elko", "Winnemucca");
    AddRegion(28, "New Hampshire", 4, "Concord", "Portsmouth, Pease AFB");
    AddRegion(29, "New Jersey", 5, "Atlantic City", "Trenton, McGuire AFB");
    AddRegion(30, "New Mexico", 10, "Alamogordo, Holloman", "Tucumcari");
    AddRegion(31, "New York", 18, "Albany", "White Plains");
    AddRegion(32, "North Carolina", 13, "Asheville", "Winston-Salem");
    AddRegion(33, "North Dakota", 7, "Bismarck", "Williston");
    AddRegion(34, "Ohio", 12, "Akron/Canton", "Zanesville");
    AddRegion(35, "Oklahoma", 7, "Altus, AFB", "Tulsa");
    AddRegion(36, "Ontario", 7, "Hamilton", "Windsor");
    AddRegion(37, "Oregon", 12, "Astoria", "Sexton Summit");
    AddRegion(38, "Pennsylvania", 13, "Allentown", "Williamsport");
    AddRegion(39, "Quebec", 1, "Montreal", "Montreal");
    AddRegion(40, "Rhode Island", 1, "Providence", "Providence");
    AddRegion(41, "South Carolina", 7, "Beaufort, Mcas", "Sumter, Shaw AFB");
    AddRegion(42, "South Dakota", 5, "Chamberlain", "Sioux Falls");
    AddRegion(43, "Tennessee", 7, "Bristol", "Nashville");
    AddRegion(44, "Texas", 34, "Abilene", "Wichita Falls, Sheppard");
    AddRegion(45, "Utah", 3, "Cedar City", "Salt Lake City");
    AddRegion(46, "Vermont", 2, "Burlington", "Montpelier/Barre");
    AddRegion(47, "Virginia", 11, "Fort Belvoir", "Washington, National A");
    AddRegion(48, "Washington", 11, "Bellingham", "Yakima");
    AddRegion(49, "West Virginia", 7, "Bluefield", "Parkersburg");
    AddRegion(50, "Wisconsin", 6, "Eau Claire", "Wausau");
    AddRegion(51, "Wyoming", 9, "Big Piney", "Worland");
}

void TestLocationTable::regions() {
    QFETCH(int, state);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);

    const auto states = LocationTable::States();
    QCOMPARE(Q(states[static_cast<std::size_t>(state)].name), name);
    QCOMPARE(Q(LocationTable::StateNames().at(static_cast<std::size_t>(state))), name);

    const auto cities = LocationTable::CityNames(state);
    QCOMPARE(static_cast<int>(cities.size()), count);
    QCOMPARE(Q(cities.front()), first);
    QCOMPARE(Q(cities.back()), last);

    // The bounds of LookUpCity follow each region's own length.
    QVERIFY(LocationTable::LookUpCity(state, count - 1).has_value());
    QVERIFY(!LocationTable::LookUpCity(state, count).has_value());
}

void TestLocationTable::totals() {
    const auto states = LocationTable::States();
    QCOMPARE(states.size(), std::size_t{52});
    QCOMPARE(LocationTable::StateNames().size(), std::size_t{52});
    int places = 0;
    ForEachPlace([&](int, int, const StateEntry&, const CityEntry&) { ++places; });
    QCOMPARE(places, 519);
}

void TestLocationTable::places_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("city");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("elevation");
    QTest::addColumn<int>("temperature");
    const auto AddPlace = [](const char* tag, int state, int city, const char* name, int elevation,
                             int temperature) {
        QTest::newRow(tag) << state << city << QString::fromUtf8(name) << elevation << temperature;
    };
    AddPlace("first place", 0, 0, "Anniston", 610, 19);
    AddPlace("last place", 51, 8, "Worland", 4245, -22);
    AddPlace("highest", 5, 0, "Alamosa", 7543, -17);
    AddPlace("lowest, California", 4, 17, "Oxnard", 7, 39);
    AddPlace("lowest, Florida", 8, 6, "Homestead, AFB", 7, 48);
    AddPlace("coldest", 1, 26, "Nenana", 361, -51);
    AddPlace("warmest", 10, 4, "Kaneohe, MCAS", 10, 67);
    AddPlace("zero degrees", 1, 17, "Homer", 72, 0);
    AddPlace("Jackson, Kentucky", 16, 4, "Jackson", 1381, 7);
    AddPlace("Jackson, Michigan", 21, 6, "Jackson", 1001, -3);
    AddPlace("Jackson, Mississippi", 23, 3, "Jackson", 331, 21);
    AddPlace("Jackson, Tennessee", 43, 3, "Jackson", 433, 12);
    AddPlace("Niagara Falls, New York", 31, 10, "Niagara Falls", 591, 4);
    AddPlace("Niagara Falls, Ontario", 36, 3, "Niagara Falls", 600, 4);
    AddPlace("Huntsville", 0, 3, "Huntsville", 643, 15);
    AddPlace("Rome, same values", 9, 9, "Rome", 643, 15);
    AddPlace("typographic apostrophes", 12, 3, "Chicago, O\u2019Hare Int\u2019l A", 673, -6);
    AddPlace("plain apostrophe", 8, 8, "Jacksonville, Int'l Airport", 30, 29);
    AddPlace("only place of Quebec", 39, 0, "Montreal", 118, -12);
    AddPlace("only place of Rhode Island", 40, 0, "Providence", 62, 5);
    AddPlace("last place of Alaska", 1, 34, "Yakutat", 30, -3);
}

void TestLocationTable::places() {
    QFETCH(int, state);
    QFETCH(int, city);
    QFETCH(QString, name);
    QFETCH(int, elevation);
    QFETCH(int, temperature);

    const auto names = LocationTable::CityNames(state);
    QVERIFY(city < static_cast<int>(names.size()));
    QCOMPARE(Q(names[static_cast<std::size_t>(city)]), name);

    const auto values = LocationTable::LookUpCity(state, city);
    QVERIFY(values.has_value());
    QCOMPARE(values->ElevationFeet, elevation);
    QCOMPARE(values->DesignTempF, temperature);
}

void TestLocationTable::extremes() {
    int highest = INT_MIN, lowest = INT_MAX, warmest = INT_MIN, coldest = INT_MAX;
    ForEachPlace([&](int, int, const StateEntry&, const CityEntry& p) {
        highest = std::max<int>(highest, p.ElevationFeet);
        lowest = std::min<int>(lowest, p.ElevationFeet);
        warmest = std::max<int>(warmest, p.DesignTempF);
        coldest = std::min<int>(coldest, p.DesignTempF);
    });
    QCOMPARE(highest, 7543);
    QCOMPARE(lowest, 7);
    QCOMPARE(warmest, 67);
    QCOMPARE(coldest, -51);

    // Each extreme belongs to exactly the places named for it, and to no other.
    std::set<Place> atHighest, atLowest, atWarmest, atColdest;
    ForEachPlace([&](int s, int c, const StateEntry&, const CityEntry& p) {
        if (p.ElevationFeet == highest) atHighest.insert({s, c});
        if (p.ElevationFeet == lowest) atLowest.insert({s, c});
        if (p.DesignTempF == warmest) atWarmest.insert({s, c});
        if (p.DesignTempF == coldest) atColdest.insert({s, c});
    });
    QCOMPARE(Describe(atHighest), QStringLiteral("(5,0)"));
    QCOMPARE(Describe(atLowest), QStringLiteral("(4,17) (8,6)"));
    QCOMPARE(Describe(atWarmest), QStringLiteral("(10,4)"));
    QCOMPARE(Describe(atColdest), QStringLiteral("(1,26)"));
}

void TestLocationTable::temperatureSigns() {
    int zero = 0, belowZero = 0;
    ForEachPlace([&](int, int, const StateEntry&, const CityEntry& p) {
        if (p.DesignTempF == 0) ++zero;
        if (p.DesignTempF < 0) ++belowZero;
    });
    QCOMPARE(zero, 11);
    QCOMPARE(belowZero, 179);
}

void TestLocationTable::repeatedNames() {
    // Names are not keys: a name may stand under several regions, never twice in one.
    std::map<std::string_view, int> regionsPerName;
    for (const auto& state : LocationTable::States()) {
        std::set<std::string_view> inRegion;
        QVERIFY(!state.name.empty());
        for (const auto& city : state.cities) {
            // Every place has a name the lists can show and a job can name, without blanks
            // around it that a lookup would drop.
            QVERIFY2(!city.name.empty() && city.name.front() != ' ' && city.name.back() != ' ',
                     qPrintable(Q(state.name) + QStringLiteral(": \"") + Q(city.name) + '"'));
            QVERIFY2(inRegion.insert(city.name).second,
                     qPrintable(Q(state.name) + QStringLiteral(": ") + Q(city.name)));
            ++regionsPerName[city.name];
        }
    }
    QStringList repeated;
    for (const auto& [name, count] : regionsPerName)
        if (count > 1) repeated << Q(name) + QStringLiteral(" x%1").arg(count);
    QCOMPARE(repeated.join(QStringLiteral(", ")),
             QStringLiteral("Albany x2, Augusta x2, Burlington x2, Charleston x2, Columbia x2, "
                            "Jackson x4, Niagara Falls x2, Norfolk x2, Portland x2, "
                            "Rochester x2, Springfield x2, Wilmington x2"));
}

void TestLocationTable::outOfRange_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("city");
    QTest::newRow("one past Alabama") << 0 << 9;
    QTest::newRow("one past the regions") << 52 << 0;
    QTest::newRow("no region selected") << -1 << 0;
    QTest::newRow("no city selected") << 0 << -1;
    QTest::newRow("one past Quebec") << 39 << 1;
    QTest::newRow("one past Alaska") << 1 << 35;
    QTest::newRow("smallest int region") << INT_MIN << 0;
    QTest::newRow("largest int region") << INT_MAX << 0;
    QTest::newRow("smallest int city") << 1 << INT_MIN;
    QTest::newRow("largest int city") << 1 << INT_MAX;
}

void TestLocationTable::outOfRange() {
    QFETCH(int, state);
    QFETCH(int, city);
    QVERIFY(!LocationTable::LookUpCity(state, city).has_value());
}

void TestLocationTable::cityNamesOutsideTable_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("no region selected") << -1;
    QTest::newRow("one past the regions") << 52;
    QTest::newRow("smallest int") << INT_MIN;
    QTest::newRow("largest int") << INT_MAX;
}

void TestLocationTable::cityNamesOutsideTable() {
    QFETCH(int, state);
    QVERIFY(LocationTable::CityNames(state).empty());
}

void TestLocationTable::nameText() {
    // Names must be valid UTF-8 whose only character beyond ASCII is the typographic
    // apostrophe, short enough for the city list, and without stray blanks.
    ForEachPlace([](int s, int c, const StateEntry&, const CityEntry& p) {
        const QString where = QStringLiteral("(%1, %2) ").arg(s).arg(c) + Q(p.name);
        const QString name = Q(p.name);
        QVERIFY2(name.toUtf8() == QByteArray(p.name.data(), qsizetype(p.name.size())),
                 qPrintable(where));
        for (const QChar ch : name)
            QVERIFY2(ch.unicode() < 0x80 || ch.unicode() == 0x2019, qPrintable(where));
        QVERIFY2(!name.isEmpty() && name.size() <= 27, qPrintable(where));
        QVERIFY2(name == name.trimmed() && !name.contains(QStringLiteral("  ")), qPrintable(where));
    });
}

void TestLocationTable::apostrophes() {
    int typographic = 0;
    std::vector<Place> plain;
    ForEachPlace([&](int s, int c, const StateEntry&, const CityEntry& p) {
        if (p.name.find(kTypographicApostrophe) != std::string_view::npos) ++typographic;
        if (p.name.find('\'') != std::string_view::npos) plain.push_back({s, c});
    });
    QCOMPARE(typographic, 19);
    QCOMPARE(Describe(plain), QStringLiteral("(8,8)"));
    QCOMPARE(Q(LocationTable::CityNames(8).at(8)), QStringLiteral("Jacksonville, Int'l Airport"));
}

void TestLocationTable::placeOrder() {
    // Places are listed alphabetically except at three points, where the list keeps its
    // own order; a swapped or misplaced row shows up as another break.
    std::set<Place> breaks;
    ForEachPlace([&](int s, int c, const StateEntry& state, const CityEntry& p) {
        if (c > 0 && state.cities[static_cast<std::size_t>(c) - 1].name > p.name)
            breaks.insert({s, c});
    });
    QCOMPARE(Describe(breaks), QStringLiteral("(4,23) (8,4) (35,5)"));
    QCOMPARE(Q(LocationTable::CityNames(4).at(22)), QStringLiteral("Sacramento, McCl AFB"));
    QCOMPARE(Q(LocationTable::CityNames(4).at(23)), QStringLiteral("Sacramento"));
    QCOMPARE(Q(LocationTable::CityNames(8).at(3)), QStringLiteral("Ft Lauderdale/Hollywood"));
    QCOMPARE(Q(LocationTable::CityNames(8).at(4)), QStringLiteral("Fort Myers"));
    QCOMPARE(Q(LocationTable::CityNames(35).at(4)), QStringLiteral("Oklahoma City, Tinker AFB"));
    QCOMPARE(Q(LocationTable::CityNames(35).at(5)), QStringLiteral("Oklahoma City, Rogers A"));

    // Regions are alphabetical too, provinces included.
    const auto regions = LocationTable::StateNames();
    QVERIFY(std::is_sorted(regions.begin(), regions.end()));
}

void TestLocationTable::fingerprint() {
    // One line per place, "state|region|city|name|elevation|temperature\n", in table order.
    // The constant was taken once from the reference list, not from this table.
    Fnv1a64 hash;
    ForEachPlace([&](int s, int c, const StateEntry& state, const CityEntry& p) {
        const std::string line = std::to_string(s) + '|' + std::string(state.name) + '|' +
                                 std::to_string(c) + '|' + std::string(p.name) + '|' +
                                 std::to_string(p.ElevationFeet) + '|' +
                                 std::to_string(p.DesignTempF) + '\n';
        hash.Add(line);
    });
    QCOMPARE(hash.Value(), std::uint64_t{0xc1530b69ebd405d8ULL});
}

QTEST_APPLESS_MAIN(TestLocationTable)
#include "tst_location_table.moc"
