#include "units.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "field_rules.h"
#include "number_text.h"

namespace vevi {
namespace {

constexpr double kCelsiusPerFahrenheit = 5.0 / 9.0;

// clang-format off
constexpr std::array<MeasureInfo, kMeasureCount> kMeasures = {{
    {Measure::Temperature,           "\u00B0F",     "\u00B0C",     32, kCelsiusPerFahrenheit, "0.0"},
    {Measure::TemperatureDifference, "\u00B0F",     "\u00B0C",     0,  kCelsiusPerFahrenheit, "0.0"},
    {Measure::Length,                "ft",          "m",           0,  0.3048,     "###,##0"},
    {Measure::Pressure,              "in. Hg",      "kPa",         0,  3.386389,   "#0.00"},
    {Measure::Airflow,               "cfm",         "L/s",         0,  0.4719474,  "###,##0"},
    {Measure::HeatRate,              "MBH",         "kW",          0,  0.29307107, "###0"},
    // Four decimals of lb/ft³ are a part in 700; three of kg/m³ keep that.
    {Measure::Density,               "lb/ft\u00B3", "kg/m\u00B3",  0,  16.018463,  "0.000"},
}};
// clang-format on

constexpr bool RowsInMeasureOrder() {
    for (std::size_t i = 0; i < kMeasures.size(); ++i)
        if (static_cast<std::size_t>(kMeasures[i].measure) != i) return false;
    return true;
}
static_assert(RowsInMeasureOrder());

struct ReportNames {
    const char* usUnit;  // as reports have always named it
    const char* usSuffix;
    const char* siSuffix;
};
// clang-format off
constexpr std::array<ReportNames, kMeasureCount> kReportNames = {{
    {"\u00B0F",   "f",            "c"},
    {"\u00B0F",   "f",            "c"},
    {"ft",        "ft",           "m"},
    {"in. Hg",    "in_hg",        "kpa"},
    {"cfm",       "cfm",          "l_per_s"},
    {"MBH",       "mbh",          "kw"},
    {"lb/cu ft",  "lb_per_cu_ft", "kg_per_cu_m"},
}};
// clang-format on

// The display pattern without grouping: a box or a command line reads no thousands commas.
std::string PlainPattern(Measure measure) {
    std::string pattern = InfoOf(measure).siPattern;
    std::erase(pattern, ',');
    return pattern;
}

int Decimals(Measure measure) {
    const std::string_view pattern = InfoOf(measure).siPattern;
    const std::size_t point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// The nearest display step inside the range: up for a lower bound, down for an upper one.
// A bound that converts onto a step within the arithmetic's error stays on it (-40 °F is
// -40.0 °C, not -39.9).
double RoundedInward(double value, int decimals, bool lower) {
    const double scale = std::pow(10.0, decimals);
    const double steps = value * scale;
    const double nearest = std::round(steps);
    if (std::abs(steps - nearest) <= 1e-9 * std::max(1.0, std::abs(steps))) return nearest / scale;
    return (lower ? std::ceil(steps) : std::floor(steps)) / scale;
}

int TextWidth(const std::string& a, const std::string& b) {
    return static_cast<int>(std::max(a.size(), b.size()));
}

// The inch-pound warning with the SI bounds: its wording up to "between ", the bounds, and
// the unit after them, if it names one.
std::string SiWarning(const FieldRule& rule, Measure measure, double lowest, double highest) {
    const std::string_view us = rule.warning;
    constexpr std::string_view kBetween = "between ";
    const std::size_t start = us.find(kBetween) + kBetween.size();
    const std::size_t afterBounds = us.find_first_not_of("-+0123456789., and", start);
    const std::string unit = " " + std::string(InfoOf(measure).usSymbol);
    const bool namesUnit =
        afterBounds != std::string_view::npos && us.substr(afterBounds - 1) == unit;
    return std::string(us.substr(0, start)) + SiText(measure, lowest) + " and " +
           SiText(measure, highest) +
           (namesUnit ? " " + std::string(Symbol(measure, UnitSystem::SI)) : "");
}

}  // namespace

const char* UnitSystemKey(UnitSystem system) {
    return system == UnitSystem::SI ? "si" : "us";
}

std::optional<UnitSystem> UnitSystemFromKey(std::string_view key) {
    for (UnitSystem system : {UnitSystem::US, UnitSystem::SI})
        if (key == UnitSystemKey(system)) return system;
    return std::nullopt;
}

const MeasureInfo& InfoOf(Measure measure) {
    return kMeasures[static_cast<std::size_t>(measure)];
}

const char* Symbol(Measure measure, UnitSystem system) {
    const MeasureInfo& info = InfoOf(measure);
    return system == UnitSystem::SI ? info.siSymbol : info.usSymbol;
}

Measure MeasureOf(Unit unit) {
    switch (unit) {
        case Unit::Cfm:
            return Measure::Airflow;
        case Unit::Mbh:
            return Measure::HeatRate;
        case Unit::DegreesF:
            return Measure::Temperature;
    }
    return Measure::Temperature;
}

Measure MeasureOf(Field field) {
    switch (field) {
        case Field::Elevation:
            return Measure::Length;
        case Field::OutdoorTemp:
        case Field::IndoorTemp:
        case Field::BloThruDisTemp:
        case Field::DrawThruDisTemp:
            return Measure::Temperature;
        case Field::BloThruTempRise:
        case Field::DrawThruTempRise:
            return Measure::TemperatureDifference;
        case Field::BloThruFanCapacity:
        case Field::DrawThruFanCapacity:
            return Measure::Airflow;
    }
    return Measure::Temperature;
}

double ToSystem(Measure measure, double inchPound, UnitSystem system) {
    if (system == UnitSystem::US) return inchPound;
    const MeasureInfo& info = InfoOf(measure);
    return (inchPound - info.usZero) * info.siPerUs;
}

double ToInchPound(Measure measure, double value, UnitSystem system) {
    if (system == UnitSystem::US) return value;
    const MeasureInfo& info = InfoOf(measure);
    return value / info.siPerUs + info.usZero;
}

std::string SiText(Measure measure, double si) {
    return FormatNumber(si, InfoOf(measure).siPattern);
}

double SiRounded(Measure measure, double si) {
    return LeadingNumber(FormatNumber(si, PlainPattern(measure)));
}

std::string SiPlainText(Measure measure, double si) {
    return FormatNumber(si, PlainPattern(measure));
}

const char* ReportUnit(Measure measure, UnitSystem system) {
    return system == UnitSystem::SI ? InfoOf(measure).siSymbol
                                    : kReportNames[static_cast<std::size_t>(measure)].usUnit;
}

const char* ColumnSuffix(Measure measure, UnitSystem system) {
    const ReportNames& names = kReportNames[static_cast<std::size_t>(measure)];
    return system == UnitSystem::SI ? names.siSuffix : names.usSuffix;
}

double InchPoundNumber(Field field, std::string_view text, UnitSystem system) {
    return ToInchPound(MeasureOf(field), LeadingNumber(text), system);
}

ComparisonInputs InchPoundInputs(const ComparisonInputs& texts, UnitSystem system) {
    if (system == UnitSystem::US) return texts;
    ComparisonInputs inchPound;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        inchPound.Text(field) =
            PlainNumberText(InchPoundNumber(field, texts.FieldText(field), system));
    }
    return inchPound;
}

std::string FieldTextIn(Field field, std::string_view inchPoundText, UnitSystem system) {
    if (system == UnitSystem::US) return std::string(inchPoundText);
    const Measure measure = MeasureOf(field);
    const double inchPound = LeadingNumber(inchPoundText);
    double si = SiRounded(measure, ToSystem(measure, inchPound, system));
    const FieldRule& rule = RuleOf(field);
    if (inchPound >= rule.lowest && inchPound <= rule.highest) {
        const FieldRange range = RangeIn(field, system);
        si = std::clamp(si, range.lowest, range.highest);
    }
    return FormatNumber(si, PlainPattern(measure));
}

std::string ReportedInputText(Field field, std::string_view inchPoundText, UnitSystem system) {
    if (system == UnitSystem::US) return std::string(inchPoundText);
    const Measure measure = MeasureOf(field);
    const double inchPound = LeadingNumber(inchPoundText);
    const double si = ToSystem(measure, inchPound, system);
    if (std::isfinite(si)) {
        // The fewest decimals, from the display rounding's on, that convert back to the
        // number the comparison read.
        for (int decimals = Decimals(measure); decimals <= Decimals(measure) + 2; ++decimals) {
            const double scale = std::pow(10.0, decimals);
            const double rounded = std::round(si * scale) / scale;
            const double back = ToInchPound(measure, rounded, system);
            if (std::abs(back - inchPound) <= 1e-9 * std::max(1.0, std::abs(inchPound)))
                return FormatNumber(
                    rounded, decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0'));
        }
    }
    return FieldTextIn(field, inchPoundText, system);
}

std::string ConvertedFieldText(Field field, std::string_view text, UnitSystem from, UnitSystem to) {
    if (from == to) return std::string(text);
    if (to == UnitSystem::SI) return FieldTextIn(field, text, to);
    const Measure measure = MeasureOf(field);
    const double si = LeadingNumber(text);
    double inchPound = ToInchPound(measure, si, from);
    if (!std::isfinite(inchPound)) return PlainNumberText(inchPound);
    const FieldRange siRange = RangeIn(field, from);
    const FieldRule& rule = RuleOf(field);
    if (si >= siRange.lowest && si <= siRange.highest)
        inchPound = std::clamp(inchPound, rule.lowest, rule.highest);
    const double halfStep = 0.5 * std::pow(10.0, -Decimals(measure)) + 1e-9;
    std::optional<std::string> fitting;  // the first that fits the box, near or not
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        double rounded = std::round(inchPound * scale) / scale;
        if (si >= siRange.lowest && si <= siRange.highest)
            rounded = std::clamp(rounded, rule.lowest, rule.highest);
        const std::string candidate = PlainNumberText(rounded);
        if (CutToLength(rule.longestText, candidate) != candidate) continue;
        if (std::abs(ToSystem(measure, rounded, from) - si) <= halfStep) return candidate;
        if (!fitting) fitting = candidate;
    }
    return fitting.value_or(PlainNumberText(std::round(inchPound)));
}

FieldRange RangeIn(Field field, UnitSystem system) {
    const FieldRule& rule = RuleOf(field);
    if (system == UnitSystem::US)
        return {rule.lowest, rule.highest, rule.warning, rule.longestText};
    const Measure measure = MeasureOf(field);
    const int decimals = Decimals(measure);
    const double lowest = RoundedInward(ToSystem(measure, rule.lowest, system), decimals, true);
    const double highest = RoundedInward(ToSystem(measure, rule.highest, system), decimals, false);
    int longest = 0;
    if (rule.longestText > 0) {
        // The room the inch-pound box gives beyond its widest bound, beyond the SI one.
        const std::string pattern = PlainPattern(measure);
        longest = rule.longestText +
                  TextWidth(FormatNumber(lowest, pattern), FormatNumber(highest, pattern)) -
                  TextWidth(PlainNumberText(rule.lowest), PlainNumberText(rule.highest));
    }
    return {lowest, highest, SiWarning(rule, measure, lowest, highest), longest};
}

std::optional<std::string> RangeWarning(Field field, std::string_view text, UnitSystem system) {
    if (system == UnitSystem::US) return RangeWarning(field, text);
    FieldRange range = RangeIn(field, system);
    const double value = LeadingNumber(text);
    if (value >= range.lowest && value <= range.highest) return std::nullopt;
    return std::move(range.warning);
}

std::string CutToLongest(Field field, std::string_view utf8, UnitSystem system) {
    return CutToLength(RangeIn(field, system).longestText, utf8);
}

std::string LimitTextIn(Field field, double inchPound, UnitSystem system) {
    if (system == UnitSystem::US) return PlainNumberText(inchPound);
    const Measure measure = MeasureOf(field);
    return FormatNumber(ToSystem(measure, inchPound, system), PlainPattern(measure));
}

std::string MatchPromptIn(MatchKind kind, UnitSystem system) {
    std::string prompt = MatchPrompt(kind);
    if (system == UnitSystem::US) return prompt;
    const Measure measure = kind == MatchKind::Airflow ? Measure::Airflow : Measure::HeatRate;
    const std::string us = std::string("(") + Symbol(measure, UnitSystem::US) + ")";
    const std::size_t at = prompt.rfind(us);
    if (at != std::string::npos)
        prompt.replace(at, us.size(), std::string("(") + Symbol(measure, system) + ")");
    return prompt;
}

double DesiredInchPound(MatchKind kind, double desired, UnitSystem system) {
    return ToInchPound(kind == MatchKind::Airflow ? Measure::Airflow : Measure::HeatRate, desired,
                       system);
}

MatchedTexts MatchedCapacityTextsIn(const MatchedCapacities& matched, UnitSystem system) {
    if (system == UnitSystem::US) return MatchedCapacityTexts(matched);
    const std::string pattern = PlainPattern(Measure::Airflow);
    const auto text = [&](double cfm) {
        return FormatNumber(ToSystem(Measure::Airflow, cfm, system), pattern);
    };
    MatchedTexts t{text(matched.BloThruCfm), text(matched.DrawThruCfm), {}};
    const auto check = [&t, system](Field field, const std::string& shown, const char* name) {
        if (static_cast<int>(shown.size()) <= RangeIn(field, system).longestText) return;
        if (!t.tooLong.empty()) t.tooLong += '\n';
        t.tooLong += std::string("The matched ") + name + " fan capacity, " + shown + " " +
                     Symbol(Measure::Airflow, system) + ", does not fit its box";
    };
    check(Field::BloThruFanCapacity, t.bloThru, "Blow Thru");
    check(Field::DrawThruFanCapacity, t.drawThru, "Draw Thru");
    return t;
}

}  // namespace vevi
