// Inch-pound and SI: the symbols, conversions and display rounding of every kind of figure.
// The comparison itself always works in inch-pound; texts are converted in and figures out
// here, at the edges, so that every window, export and command shows the same SI figures.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "comparison.h"
#include "fields.h"
#include "matching.h"
#include "results.h"

namespace vevi {

enum class UnitSystem { US, SI };

// The system's name for files and the command line ("us", "si"), and back; nothing for
// any other text, so that a misspelt name is refused rather than read as inch-pound.
const char* UnitSystemKey(UnitSystem system);
std::optional<UnitSystem> UnitSystemFromKey(std::string_view key);

// The kinds of figure the program shows.
enum class Measure {
    Temperature,
    TemperatureDifference,  // a rise: no offset between the scales
    Length,
    Pressure,
    Airflow,
    HeatRate,
    Density,
};
inline constexpr std::size_t kMeasureCount = 7;

struct MeasureInfo {
    Measure measure;
    const char* usSymbol;   // "°F"
    const char* siSymbol;   // "°C"
    double usZero;          // the inch-pound value that is 0 in SI
    double siPerUs;         // SI units per inch-pound unit
    const char* siPattern;  // how an SI figure is rounded and grouped for display
};

const MeasureInfo& InfoOf(Measure measure);
const char* Symbol(Measure measure, UnitSystem system);
Measure MeasureOf(Unit unit);
Measure MeasureOf(Field field);

// An inch-pound value in the system, and back.
double ToSystem(Measure measure, double inchPound, UnitSystem system);
double ToInchPound(Measure measure, double value, UnitSystem system);

// An SI value at its display rounding ("1,234" L/s, "18.3" °C); the number it shows.
std::string SiText(Measure measure, double si);
double SiRounded(Measure measure, double si);
// The same rounding without grouping, for other programs ("4719", "18.3").
std::string SiPlainText(Measure measure, double si);

// How a report names the unit of a measure, and the unit's part of a column name ("cfm",
// "l_per_s"). Inch-pound keeps the names reports have always used ("MBH", "lb/cu ft").
const char* ReportUnit(Measure measure, UnitSystem system);
const char* ColumnSuffix(Measure measure, UnitSystem system);

// --- The nine input fields ---

// The inch-pound number the comparison uses for a field text typed in the system.
double InchPoundNumber(Field field, std::string_view text, UnitSystem system);
// The nine texts typed in the system as the inch-pound texts the comparison reads. Inch-pound
// texts come back unchanged, so the documented reading of every text holds.
ComparisonInputs InchPoundInputs(const ComparisonInputs& texts, UnitSystem system);
// An inch-pound field text as the system's box shows it. An SI text is the value at display
// rounding without grouping, kept within the SI range when the inch-pound value lay within
// its own, so that a converted text is never refused (160 °F of rise reads 88.8, not 88.9).
std::string FieldTextIn(Field field, std::string_view inchPoundText, UnitSystem system);
// A field text typed in one system as the other system's box would hold it: inch-pound to SI
// as FieldTextIn; SI to inch-pound the inch-pound number with the fewest decimals that fits the
// inch-pound box and shows the same SI figure at its display rounding (18.3 °C reads 65),
// kept within the inch-pound range when the SI value lay within its own.
std::string ConvertedFieldText(Field field, std::string_view text, UnitSystem from, UnitSystem to);
// An input the comparison read (an inch-pound text) as a report in the system shows it. An SI
// text typed with up to two decimals beyond the display rounding comes back as typed, since
// it converts in and out exactly; any other value at the display rounding, as FieldTextIn
// (10,000 cfm reads 4719, as the box shows it, not 4719.474).
std::string ReportedInputText(Field field, std::string_view inchPoundText, UnitSystem system);

struct FieldRange {
    double lowest, highest;
    std::string warning;
    int longestText;  // as FieldRule::longestText
};
// Inch-pound: the field's rule. SI: the bounds converted and rounded inward to the display
// rounding, so every value the warning names is accepted; the warning names those bounds.
FieldRange RangeIn(Field field, UnitSystem system);
// The warning refusing a text typed in the system, or nothing when its value is in range.
std::optional<std::string> RangeWarning(Field field, std::string_view text, UnitSystem system);
// The text cut to the field's longest text in the system.
std::string CutToLongest(Field field, std::string_view utf8, UnitSystem system);

// --- The limit boxes ---

// An actual discharge temperature or rise (inch-pound) as a limit box shows it in the system:
// inch-pound whole to the last digit, SI at its display rounding without grouping.
std::string LimitTextIn(Field field, double inchPound, UnitSystem system);

// --- Matching in the system ---

// The matching prompt naming the system's unit.
std::string MatchPromptIn(MatchKind kind, UnitSystem system);
// The desired figure typed in the system, in inch-pound (MBH or cfm).
double DesiredInchPound(MatchKind kind, double desired, UnitSystem system);
// The matched capacities as the system's boxes take them, or why they do not fit.
MatchedTexts MatchedCapacityTextsIn(const MatchedCapacities& matched, UnitSystem system);

}  // namespace vevi
