// The built-in places: constant arrays, so nothing is built or allocated at start-up.
// Names, values and order are data: the location dialog remembers places by position.
#include "location_data.h"

#include <array>

namespace vevi {
namespace {

// Some names carry a typographic apostrophe; the literals must come out as UTF-8.
static_assert(sizeof("’") == 4, "compile with a UTF-8 execution character set");

// clang-format off
constexpr CityEntry kAlabama[] = {
    {"Anniston",               610,  19},
    {"Birmingham",             630,  18},
    {"Dothan",                 400,  28},
    {"Huntsville",             643,  15},
    {"Mobile",                 220,  26},
    {"Montgomery",             203,  24},
    {"Muscle Shoals/Florence", 551,  16},
    {"Ozark, Fort Rucker",     299,  28},
    {"Tuscaloosa",             171,  20},
};

constexpr CityEntry kAlaska[] = {
    {"Adak, NAS",                  13,  19},
    {"Anchorage, Elemendorf",     213, -13},
    {"Anchorage, Ft Richardson",  377, -19},
    {"Anchorage, Int’l Airport",  131, -14},
    {"Annette",                   112,  13},
    {"Barrow",                     13, -49},
    {"Bethel",                    151, -28},
    {"Bettles",                   643, -49},
    {"Big Delta, Ft. Greely",    1283, -45},
    {"Cold Bay",                  102,   6},
    {"Cordova",                    43,  -4},
    {"Deadhorse",                  56, -36},
    {"Dillingham",                 95, -20},
    {"Fairbanks, Eielson AFB",    548, -33},
    {"Fairbanks, Int’l Airport",  453, -47},
    {"Galena",                    151, -33},
    {"Gulkana",                  1578, -44},
    {"Homer",                      72,   0},
    {"Juneau",                     23,   4},
    {"Kenai",                      95, -22},
    {"Ketchikan",                  95,  13},
    {"King Salmon",                49, -24},
    {"Kodiak, State USCG",        112,   7},
    {"Kotzebue",                   16, -36},
    {"McGrath",                   338, -47},
    {"Middleton Island",           46,  18},
    {"Nenana",                    361, -51},
    {"Nome",                       23, -31},
    {"Northway",                 1722, -34},
    {"Port Heiden",                95,  -6},
    {"Saint Paul Island",          30,  -2},
    {"Sitka",                      66,  16},
    {"Talkeetna",                 358, -28},
    {"Valdez",                     33,   4},
    {"Yakutat",                    30,  -3},
};

constexpr CityEntry kArizona[] = {
    {"Flagstaff",              7011,   1},
    {"Kingman",                3389,  22},
    {"Page",                   4278,  20},
    {"Phoenix, Int’l Airport", 1106,  34},
    {"Phoenix, Luke AFB",      1089,  35},
    {"Prescott",               5043,  15},
    {"Safford, Agri Center",   3117,  21},
    {"Tucson",                 2556,  31},
    {"Winslow",                4882,  10},
    {"Yuma",                    207,  40},
};

constexpr CityEntry kArkansas[] = {
    {"Blytheville, Eaker AFB",  256,  12},
    {"Fayetteville",           1250,   6},
    {"Fort Smith",              463,  13},
    {"Little Rock, AFB",        312,  16},
    {"Texarkana",               390,  20},
};

constexpr CityEntry kCalifornia[] = {
    {"Alameda, NAS",             13,  40},
    {"Arcata/Eureka",           217,  30},
    {"Bakersfield",             492,  32},
    {"Barstow/Daggett",        1926,  28},
    {"Blue Canyon",            5285,  21},
    {"Burbank/Glendale",        774,  39},
    {"Fairfield, Travis AFB",    62,  31},
    {"Fresno",                  328,  30},
    {"Lancaster/Palmdale",     2346,  22},
    {"Lemoore, Reeves NAS",     236,  30},
    {"Long Beach",               39,  40},
    {"Los Angeles",             105,  43},
    {"Marysville, Beale AFB",   112,  31},
    {"Merced, Castle AFB",      187,  30},
    {"Mount Shasta",           3543,  16},
    {"Mountain View",            39,  36},
    {"Ontario",                 942,  35},
    {"Oxnard",                    7,  39},
    {"Paso Robles",             837,  26},
    {"Red Bluff",               354,  29},
    {"Riverside",              1539,  34},
    {"Sacramento, Mather",       95,  30},
    {"Sacramento, McCl AFB",     75,  31},
    {"Sacramento",               23,  31},
    {"Salinas",                  85,  33},
    {"San Bernadino",          1158,  34},
    {"San Diego Intl Airport",   30,  44},
    {"San Diego, Miramar",      420,  39},
    {"San Francisco",            16,  37},
    {"San Jose Intl Airport",    56,  35},
    {"Santa Barbara",            10,  34},
    {"Santa Maria",             240,  32},
    {"Stockton",                 26,  30},
    {"Victorville",            2874,  27},
};

constexpr CityEntry kColorado[] = {
    {"Alamosa",          7543, -17},
    {"Colorado Springs", 6171,  -2},
    {"Craig",            6283, -20},
    {"Denver",           5331,  -3},
    {"Eagle",            6539, -13},
    {"Grand Junction",   4839,   2},
    {"Limon",            5364,  -6},
    {"Pueblo",           4721,  -1},
    {"Trinidad",         5761,  -2},
};

constexpr CityEntry kConnecticut[] = {
    {"Bridgeport",                16,   8},
    {"Hartford, Brainard Field",  20,   2},
    {"Windsor Locks, Bradley",   180,   3},
};

constexpr CityEntry kDelaware[] = {
    {"Dover, AFB", 30,  14},
    {"Wilmington", 79,  10},
};

constexpr CityEntry kFlorida[] = {
    {"Apalachicola",                 20,  31},
    {"Cape Canaveral, NASA",         10,  38},
    {"Daytona Beach",                36,  34},
    {"Ft Lauderdale/Hollywood",      23,  46},
    {"Fort Myers",                   16,  42},
    {"Gainesville",                 151,  30},
    {"Homestead, AFB",                7,  48},
    {"Jacksonville, Cecil Field",    82,  31},
    {"Jacksonville, Int'l Airport",  30,  29},
    {"Jacksonville, Mayport",        16,  34},
    {"Key West",                     20,  55},
    {"Melbourne",                    36,  38},
    {"Miami, Int’l Airport",         13,  46},
    {"Miami, New Tamiami A",         10,  45},
    {"Milton, Whiting Field NAS",   200,  28},
    {"Orlando",                     105,  37},
    {"Panama City, Tyndall AFB",     16,  33},
    {"Pensacola, Sherman AFB",       30,  28},
    {"Saint Petersburg",             10,  43},
    {"Sarasota/Bradenton",           30,  39},
    {"Tallahassee",                  69,  25},
    {"Tampa, Int’l Airport",         10,  36},
    {"Valparaiso, Eglin AFB",        85,  30},
    {"Vero Beach",                   26,  39},
    {"West Palm Beach",              20,  43},
};

constexpr CityEntry kGeorgia[] = {
    {"Albany",                   194,  27},
    {"Athens",                   810,  20},
    {"Atlanta",                 1033,  18},
    {"Augusta",                  148,  21},
    {"Brunswick",                 20,  30},
    {"Columbus, Fort Benning",   233,  23},
    {"Columbus, Metro Airport",  397,  23},
    {"Macon",                    361,  23},
    {"Marietta,Dobbins AFB",    1070,  21},
    {"Rome",                     643,  15},
    {"Savannah",                  49,  26},
    {"Valdosta, Moody AFB",      233,  30},
    {"Valdosta, Regional A",     203,  28},
    {"Waycross",                 151,  29},
};

constexpr CityEntry kHawaii[] = {
    {"Ewa, Barbers Point NAS",  49,  59},
    {"Hilo",                    36,  61},
    {"Honolulu",                16,  61},
    {"Kahului",                 66,  59},
    {"Kaneohe, MCAS",           10,  67},
    {"Lihue",                  148,  60},
    {"Molokai",                449,  60},
};

constexpr CityEntry kIdaho[] = {
    {"Boise",              2867,   2},
    {"Burley",             4150,  -5},
    {"Idaho Falls",        4741, -12},
    {"Lewiston",           1437,   6},
    {"Mountain Home, AFB", 2995,   0},
    {"Mullan",             3317,  -1},
    {"Pocatello",          4478,  -7},
};

constexpr CityEntry kIllinois[] = {
    {"Belleville, Scott AFB",   453,   3},
    {"Chester",                 476,   3},
    {"Chicago, Meigs Field",    623,  -4},
    {"Chicago, O’Hare Int’l A", 673,  -6},
    {"Decatur",                 682,  -2},
    {"Glenview, NAS",           653,  -3},
    {"Marseilles",              738,  -5},
    {"Moline/Davenport IA",     594,  -8},
    {"Peoria",                  663,  -6},
    {"Quincy",                  768,  -4},
    {"Rockford",                741, -10},
    {"Springfield",             614,  -4},
    {"West Chicago",            758,  -7},
};

constexpr CityEntry kIndiana[] = {
    {"Evansville",             387,   3},
    {"Fort Wayne",             827,  -4},
    {"Indianapolis",           807,  -3},
    {"Lafayette, Purdue Univ", 607,  -5},
    {"Peru, Grissom AFB",      810,  -3},
    {"South Bend",             774,  -2},
    {"Terre Haute",            584,  -3},
};

constexpr CityEntry kIowa[] = {
    {"Burlington",    699,  -4},
    {"Cedar Rapids",  869, -11},
    {"Des Moines",    965,  -9},
    {"Fort Dodge",   1165, -13},
    {"Lamoni",       1122,  -6},
    {"Mason City",   1214, -15},
    {"Ottumwa",       846,  -5},
    {"Sioux City",   1102, -11},
    {"Spencer",      1339, -16},
    {"Waterloo",      879, -14},
};

constexpr CityEntry kKansas[] = {
    {"Concordia",              1483,  -4},
    {"Dodge City",             2592,   0},
    {"Ft Riley, Marshall AAF", 1066,  -2},
    {"Garden City",            2890,  -3},
    {"Goodland",               3688,  -3},
    {"Russell",                1864,  -4},
    {"Salina",                 1273,  -3},
    {"Topeka",                  886,  -2},
    {"Wichita, Airport",       1339,   2},
    {"Wichita, McConnell AFB", 1371,   2},
};

constexpr CityEntry kKentucky[] = {
    {"Bowling Green",           548,   7},
    {"Covington/Cincinnati A",  876,   1},
    {"Fort Campbell, AAF",      571,   9},
    {"Fort Knox, Godman AAF",   755,   9},
    {"Jackson",                1381,   7},
    {"Lexington",               988,   4},
    {"Louisville",              489,   6},
    {"Paducah",                 413,   7},
};

constexpr CityEntry kLouisiana[] = {
    {"Alexandria, England AFB",     89,  27},
    {"Baton Rouge",                 69,  27},
    {"Bossier City, Barksdale",    167,  22},
    {"Lafayette",                   43,  28},
    {"Lake Charles",                33,  29},
    {"Leesville, Fort Polk",       328,  27},
    {"Monroe",                      79,  22},
    {"New Orleans, Int’l Airport",  30,  30},
    {"New Orleans, Lakefront A",    10,  35},
    {"Shreveport",                 259,  22},
};

constexpr CityEntry kMaine[] = {
    {"Augusta",               351,  -3},
    {"Bangor",                194,  -7},
    {"Brunswick, NAS",         75,  -2},
    {"Caribou",               623, -14},
    {"Limestone, Loring AFB", 745, -13},
    {"Portland",               62,  -3},
};

constexpr CityEntry kMaryland[] = {
    {"Andrews AFB",              282,  13},
    {"Baltimore, BWI Airport",   154,  11},
    {"Lex Park, Patuxent River",  39,  16},
    {"Salisbury",                 52,  13},
};

constexpr CityEntry kMassachusetts[] = {
    {"Boston",                     30,   7},
    {"East Falmouth, Otis Angb",  131,  11},
    {"Weymouth, S Weymouth",      161,   6},
    {"Worcester",                1010,   0},
};

constexpr CityEntry kMichigan[] = {
    {"Alpena",                  692,  -7},
    {"Detroit, Metro",          663,   0},
    {"Flint",                   764,  -2},
    {"Grand Rapids",            804,   0},
    {"Hancock",                1079,  -9},
    {"Harbor Beach",            600,   9},
    {"Jackson",                1001,  -3},
    {"Lansing",                 873,  -3},
    {"Marquette, Sawyer AFB",  1220, -11},
    {"Marquette/Ishpeming, A", 1424, -13},
    {"Mount Clemens, Angb",     581,   3},
    {"Muskegon",                633,   3},
    {"Oscoda, Wurtsmith AFB",   633,   0},
    {"Pellston",                719,  -9},
    {"Saginaw",                 669,   0},
    {"Sault Ste. Marie",        725, -12},
    {"Seul Choix Point",        591,   0},
    {"Traverse City",           623,   3},
};

constexpr CityEntry kMinnesota[] = {
    {"Alexandria",             1424, -20},
    {"Brainerd, Pequot Lakes", 1280, -24},
    {"Duluth",                 1417, -21},
    {"Hibbing",                1352, -25},
    {"International Falls",    1184, -29},
    {"Minneapolis-St. Paul",    837, -16},
    {"Redwood Falls",          1024, -17},
    {"Rochester",              1319, -17},
    {"Saint Cloud",            1024, -20},
    {"Tofte",                   791, -10},
};

constexpr CityEntry kMississippi[] = {
    {"Biloxi, Keesler AFB",  33,  31},
    {"Columbus, AFB",       220,  20},
    {"Greenwood",           154,  20},
    {"Jackson",             331,  21},
    {"McComb",              413,  23},
    {"Meridian",            308,  21},
    {"Tupelo",              361,  18},
};

constexpr CityEntry kMissouri[] = {
    {"Cape Girardeau",            341,   6},
    {"Columbia",                  899,  -1},
    {"Joplin",                    981,   3},
    {"Kansas City",              1024,  -1},
    {"Poplar Bluff",              479,   8},
    {"Spickard/Trenton",          886,   1},
    {"Springfield",              1270,   3},
    {"St. Louis, Int’l Airport",  564,   2},
    {"Warrensburg, Whiteman",     869,   1},
};

constexpr CityEntry kMontana[] = {
    {"Billings",                   3570, -13},
    {"Bozeman",                    4475, -20},
    {"Butte",                      5545, -22},
    {"Cut Bank",                   3855, -21},
    {"Glasgow",                    2297, -22},
    {"Great Falls, Int’l Airport", 3658, -19},
    {"Great Falls, Malmstrom",     3527, -17},
    {"Havre",                      2598, -25},
    {"Helena",                     3898, -18},
    {"Kalispell",                  2972, -12},
    {"Lewistown",                  4167, -18},
    {"Miles City",                 2628, -19},
    {"Missoula",                   3189,  -9},
};

constexpr CityEntry kNebraska[] = {
    {"Bellevue, Offutt AFB",   1047,  -5},
    {"Grand Island",           1857,  -8},
    {"Lincoln",                1188,  -7},
    {"Norfolk",                1552, -11},
    {"North Platte",           2785, -10},
    {"Omaha, Eppley Airfield",  981,  -7},
    {"Omaha, Wso",             1332,  -8},
    {"Scottsbluff",            3957, -11},
    {"Sidney",                 4304,  -8},
    {"Valentine",              2598, -16},
};

constexpr CityEntry kNevada[] = {
    {"Elko",                     5135,  -5},
    {"Ely",                      6263,  -6},
    {"Las Vegas, Int’l Airport", 2178,  27},
    {"Mercury",                  3310,  24},
    {"North Las Vegas, Nellis",  1870,  28},
    {"Reno",                     4400,   8},
    {"Tonopah",                  5427,   7},
    {"Winnemucca",               4314,   1},
};

constexpr CityEntry kNewHampshire[] = {
    {"Concord",                344,  -8},
    {"Lebanon",                597,  -7},
    {"Mount Washington",      6266, -23},
    {"Portsmouth, Pease AFB",  102,   4},
};

constexpr CityEntry kNewJersey[] = {
    {"Atlantic City",         66,   8},
    {"Millville",             82,  10},
    {"Newark",                30,  10},
    {"Teterboro",             10,  10},
    {"Trenton, McGuire AFB", 135,  11},
};

constexpr CityEntry kNewMexico[] = {
    {"Alamogordo, Holloman",  4094,  20},
    {"Albuquerque",           5315,  13},
    {"Carlsbad",              3294,  19},
    {"Clayton",               4970,   1},
    {"Clovis, Cannon AFB",    4295,  10},
    {"Farmington",            5502,   8},
    {"Gallup",                6470,  -1},
    {"Roswell",               3668,  14},
    {"Truth Or Consequences", 4859,  22},
    {"Tucumcari",             4065,   9},
};

constexpr CityEntry kNewYork[] = {
    {"Albany",                  292,  -7},
    {"Binghamton",             1631,  -2},
    {"Buffalo",                 705,   2},
    {"Central Islip",            98,  11},
    {"Elmira/Corning",          955,  -2},
    {"Glens Falls",             328, -10},
    {"Massena",                 213, -15},
    {"New York, JFK Airport",    23,  11},
    {"New York, La Guardia A",   30,  13},
    {"Newburgh",                492,   6},
    {"Niagara Falls",           591,   4},
    {"Plattsburgh, AFB",        236,  -9},
    {"Poughkeepsie",            167,   2},
    {"Rochester",               554,   1},
    {"Rome, Griffiss AFB",      505,  -5},
    {"Syracuse",                407,  -3},
    {"Watertown",               325, -12},
    {"White Plains",            440,   7},
};

constexpr CityEntry kNorthCarolina[] = {
    {"Asheville",                2169,  11},
    {"Cape Hatteras",              10,  26},
    {"Charlotte",                 768,  18},
    {"Cherry Point, Mcas",         30,  24},
    {"Fayetteville, Fort Bragg",  243,  22},
    {"Goldsboro, Johnson AFB",    108,  22},
    {"Greensboro",                886,  15},
    {"Hickory",                  1188,  18},
    {"Jacksonville, New River",    26,  23},
    {"New Bern",                   20,  22},
    {"Raleigh/Durham",            440,  16},
    {"Wilmington",                 33,  23},
    {"Winston-Salem",             971,  18},
};

constexpr CityEntry kNorthDakota[] = {
    {"Bismarck",             1660, -21},
    {"Devils Lake",          1453, -23},
    {"Fargo",                 899, -22},
    {"Grand Forks, AFB",      912, -20},
    {"Minot, AFB",           1667, -21},
    {"Minot, Int’l Airport", 1716, -20},
    {"Williston",            1906, -24},
};

constexpr CityEntry kOhio[] = {
    {"Akron/Canton",             1237,   0},
    {"Cincinnati, Lunken Field",  482,   5},
    {"Cleveland",                 804,   1},
    {"Columbus, Int’l Airport",   817,   1},
    {"Columbus, Rickenbacker",    745,   3},
    {"Dayton, Int’l Airport",    1004,  -1},
    {"Dayton, Wright-Paterson",   823,   1},
    {"Findlay",                   810,  -2},
    {"Mansfield",                1296,  -1},
    {"Toledo",                    692,  -2},
    {"Youngstown",               1184,  -1},
    {"Zanesville",                899,   2},
};

constexpr CityEntry kOklahoma[] = {
    {"Altus, AFB",                 1378,  13},
    {"Enid, Vance AFB",            1306,   5},
    {"Lawton, Fort Sill/Post Fld", 1188,  12},
    {"McAlester",                   771,  10},
    {"Oklahoma City, Tinker AFB",  1293,  10},
    {"Oklahoma City, Rogers A",    1302,   9},
    {"Tulsa",                       676,   9},
};

constexpr CityEntry kOntario[] = {
    {"Hamilton",       778,  -3},
    {"Kitchener",     1076,  -4},
    {"London",         912,  -3},
    {"Niagara Falls",  600,   4},
    {"Ottawa",         381, -13},
    {"Toronto",        367,  -4},
    {"Windsor",        623,   2},
};

constexpr CityEntry kOregon[] = {
    {"Astoria",         23,  25},
    {"Eugene",         374,  21},
    {"Hillsboro",      203,  19},
    {"Klamath Falls", 4091,   4},
    {"Meacham",       4055,  -9},
    {"Medford",       1329,  21},
    {"North Bend",      13,  30},
    {"Pendleton",     1496,   3},
    {"Portland",        39,  22},
    {"Redmond",       3077,   1},
    {"Salem",          200,  20},
    {"Sexton Summit", 3842,  21},
};

constexpr CityEntry kPennsylvania[] = {
    {"Allentown",                    384,   5},
    {"Altoona",                     1503,   5},
    {"Bradford",                    2142,  -6},
    {"Du Bois",                     1818,   0},
    {"Erie",                         738,   2},
    {"Harrisburg",                   308,   9},
    {"Philadelphia, Int’l Airport",   30,  11},
    {"Philadelphia, Northeast A",    121,  11},
    {"Philadelphia, Willow Gr",      361,  10},
    {"Pittsburgh, Allegheny A",     1253,   4},
    {"Pittsburgh, Int’l Airport",   1224,   2},
    {"Wilkes-Barre/Scranton",        948,   2},
    {"Williamsport",                 525,   2},
};

constexpr CityEntry kQuebec[] = {
    {"Montreal", 118, -12},
};

constexpr CityEntry kRhodeIsland[] = {
    {"Providence", 62,   5},
};

constexpr CityEntry kSouthCarolina[] = {
    {"Beaufort, Mcas",     39,  28},
    {"Charleston",         49,  25},
    {"Columbia",          226,  21},
    {"Florence",          148,  23},
    {"Greer/Greenville",  971,  19},
    {"Myrtle Beach, AFB",  26,  25},
    {"Sumter, Shaw AFB",  243,  24},
};

constexpr CityEntry kSouthDakota[] = {
    {"Chamberlain", 1739, -13},
    {"Huron",       1289, -17},
    {"Pierre",      1742, -14},
    {"Rapid City",  3169, -11},
    {"Sioux Falls", 1427, -16},
};

constexpr CityEntry kTennessee[] = {
    {"Bristol",     1519,   9},
    {"Chattanooga",  689,  15},
    {"Crossville",  1880,   7},
    {"Jackson",      433,  12},
    {"Knoxville",    981,  13},
    {"Memphis",      285,  16},
    {"Nashville",    591,  10},
};

constexpr CityEntry kTexas[] = {
    {"Abilene",                    1791,  16},
    {"Amarillo",                   3606,   6},
    {"Austin",                      620,  25},
    {"Beaumont/Port Arthur",         23,  29},
    {"Beeville, Chase Field",       190,  28},
    {"Brownsville",                  20,  36},
    {"College Station/Bryan",       322,  22},
    {"Corpus Christi",               43,  32},
    {"Dallas/Fort Worth, Int’l A",  597,  17},
    {"Del Rio, Laughlin AFB",      1083,  28},
    {"El Paso",                    3917,  21},
    {"Fort Worth, Carswell AFB",    650,  18},
    {"Fort Worth, Meacham Fld",     709,  19},
    {"Guadalupe Pass",             5453,  13},
    {"Houston, Hobby Airport",       46,  29},
    {"Houston, Inter Airport",      108,  27},
    {"Junction",                   1713,  19},
    {"Killeen, Fort Hood",         1014,  20},
    {"Kingsville, NAS",              49,  31},
    {"Laredo",                      509,  32},
    {"Lubbock, Int’l Airport",     3241,  11},
    {"Lubbock, Reese AFB",         3337,  11},
    {"Lufkin",                      289,  23},
    {"Marfa",                      4859,  15},
    {"McAllen",                     108,  34},
    {"Midland/Odessa",             2861,  17},
    {"San Angelo",                 1909,  20},
    {"San Antonio, Int’l Airport",  794,  26},
    {"San Antonio, Kelly AFB",      689,  27},
    {"San Antonio, Randolph",       761,  27},
    {"Sanderson",                  2838,  23},
    {"Victoria",                    118,  29},
    {"Waco",                        509,  22},
    {"Wichita Falls, Sheppard",    1030,  14},
};

constexpr CityEntry kUtah[] = {
    {"Cedar City",      5623,   2},
    {"Ogden, Hill AFB", 4787,   6},
    {"Salt Lake City",  4226,   6},
};

constexpr CityEntry kVermont[] = {
    {"Burlington",        341, -11},
    {"Montpelier/Barre", 1165, -10},
};

constexpr CityEntry kVirginia[] = {
    {"Fort Belvoir",             69,  12},
    {"Hampton, Langley AFB",     10,  21},
    {"Lynchburg",               938,  12},
    {"Newport News",             43,  18},
    {"Norfolk",                  30,  20},
    {"Oceana, NAS",              23,  22},
    {"Quantico, Mcas",           13,  16},
    {"Richmond",                177,  14},
    {"Roanoke",                1175,  12},
    {"Sterling",                322,   9},
    {"Washington, National A",   66,  15},
};

constexpr CityEntry kWashington[] = {
    {"Bellingham",              157,  15},
    {"Hanford",                 732,   5},
    {"Olympia",                 200,  18},
    {"Quillayute",              203,  23},
    {"Seattle, Int’l Airport",  449,  23},
    {"Spokane, Fairchild AFB", 2461,   1},
    {"Stampede Pass",          3967,   3},
    {"Tacoma, McChord AFB",     322,  18},
    {"Walla Walla",            1204,   4},
    {"Wenatchee",              1243,   3},
    {"Yakima",                 1066,   4},
};

constexpr CityEntry kWestVirginia[] = {
    {"Bluefield",   2858,   5},
    {"Charleston",   981,   6},
    {"Elkins",      1998,  -2},
    {"Huntington",   837,   6},
    {"Martinsburg",  558,   8},
    {"Morgantown",  1247,   4},
    {"Parkersburg",  860,   4},
};

constexpr CityEntry kWisconsin[] = {
    {"Eau Claire",  906, -18},
    {"Green Bay",   702, -13},
    {"La Crosse",   663, -14},
    {"Madison",     866, -11},
    {"Milwaukee",   692,  -7},
    {"Wausau",     1201, -15},
};

constexpr CityEntry kWyoming[] = {
    {"Big Piney",            6969, -22},
    {"Casper",               5289, -13},
    {"Cheyenne, Warren AFB", 6142,  -7},
    {"Cody",                 5095, -13},
    {"Gillette",             4035, -16},
    {"Lander",               5558, -14},
    {"Rock Springs",         6759,  -9},
    {"Sheridan",             3967, -14},
    {"Worland",              4245, -22},
};

constexpr std::array<StateEntry, 52> kStates = {{
    {"Alabama",        kAlabama},
    {"Alaska",         kAlaska},
    {"Arizona",        kArizona},
    {"Arkansas",       kArkansas},
    {"California",     kCalifornia},
    {"Colorado",       kColorado},
    {"Connecticut",    kConnecticut},
    {"Delaware",       kDelaware},
    {"Florida",        kFlorida},
    {"Georgia",        kGeorgia},
    {"Hawaii",         kHawaii},
    {"Idaho",          kIdaho},
    {"Illinois",       kIllinois},
    {"Indiana",        kIndiana},
    {"Iowa",           kIowa},
    {"Kansas",         kKansas},
    {"Kentucky",       kKentucky},
    {"Louisiana",      kLouisiana},
    {"Maine",          kMaine},
    {"Maryland",       kMaryland},
    {"Massachusetts",  kMassachusetts},
    {"Michigan",       kMichigan},
    {"Minnesota",      kMinnesota},
    {"Mississippi",    kMississippi},
    {"Missouri",       kMissouri},
    {"Montana",        kMontana},
    {"Nebraska",       kNebraska},
    {"Nevada",         kNevada},
    {"New Hampshire",  kNewHampshire},
    {"New Jersey",     kNewJersey},
    {"New Mexico",     kNewMexico},
    {"New York",       kNewYork},
    {"North Carolina", kNorthCarolina},
    {"North Dakota",   kNorthDakota},
    {"Ohio",           kOhio},
    {"Oklahoma",       kOklahoma},
    {"Ontario",        kOntario},
    {"Oregon",         kOregon},
    {"Pennsylvania",   kPennsylvania},
    {"Quebec",         kQuebec},
    {"Rhode Island",   kRhodeIsland},
    {"South Carolina", kSouthCarolina},
    {"South Dakota",   kSouthDakota},
    {"Tennessee",      kTennessee},
    {"Texas",          kTexas},
    {"Utah",           kUtah},
    {"Vermont",        kVermont},
    {"Virginia",       kVirginia},
    {"Washington",     kWashington},
    {"West Virginia",  kWestVirginia},
    {"Wisconsin",      kWisconsin},
    {"Wyoming",        kWyoming},
}};
// clang-format on

}  // namespace

std::span<const StateEntry> LocationData() {
    return kStates;
}

}  // namespace vevi
