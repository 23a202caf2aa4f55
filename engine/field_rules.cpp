#include "field_rules.h"

#include <algorithm>
#include <array>

#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

constexpr double kLargestLimit = 160;           // °F, for both limits of both arrangements
constexpr double kLargestFanCapacity = 500000;  // cfm

// clang-format off
constexpr std::array kRules = {
    // No pressure exists above the top elevation, and far beyond either bound the arithmetic
    // overflows: refused like the other fields.
    FieldRule{Field::Elevation, "0", 6, kLowestElevation, kHighestElevation,
              "The elevation must be between -10,000 and 145,365 ft"},
    FieldRule{Field::OutdoorTemp, "0", 3, -40, 120,
              "The outdoor temperature must be between -40 and 120"},
    FieldRule{Field::IndoorTemp, "65", 5, 30, 150,
              "The indoor temperature must be between 30 and 150"},
    FieldRule{Field::BloThruFanCapacity, "10000", 6, 0, kLargestFanCapacity,
              "The Blow Thru fan capacity must be between 0 and 500,000"},
    FieldRule{Field::BloThruDisTemp, "160", 0, 0, kLargestLimit,
              "The Blow Thru discharge temperature must be between 0 and 160"},
    FieldRule{Field::BloThruTempRise, "160", 0, 0, kLargestLimit,
              "The Blow Thru temperature rise must be between 0 and 160"},
    FieldRule{Field::DrawThruFanCapacity, "10000", 7, 0, kLargestFanCapacity,
              "The Draw Thru fan capacity must be between 0 and 500,000"},
    FieldRule{Field::DrawThruDisTemp, "140", 0, 0, kLargestLimit,
              "The Draw Thru discharge temperature must be between 0 and 160"},
    FieldRule{Field::DrawThruTempRise, "110", 3, 0, kLargestLimit,
              "The temperature rise must be between 0 and 160"},
};
// clang-format on

// The rows stand in the order of the enumeration, so a field is its own index.
constexpr bool RowsInFieldOrder() {
    for (std::size_t i = 0; i < kRules.size(); ++i)
        if (static_cast<std::size_t>(kRules[i].field) != i) return false;
    return true;
}
static_assert(RowsInFieldOrder());
static_assert(kRules.size() == kFieldCount);

// Bytes of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

// UTF-16 units, as the boxes count: a character beyond the basic plane takes two.
int Units(std::string_view utf8) {
    int units = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        units += length == 4 ? 2 : 1;
        at += length;
    }
    return units;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPlainNumber(std::string_view text) {
    std::size_t at = 0;
    auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && IsDigit(text[at])) ++at;
        return at - start;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (digits() == 0) return false;
    }
    return at == text.size();
}

std::optional<std::string> TooLong(Field field, std::string_view text, UnitSystem system) {
    const int longest = RangeIn(field, system).longestText;
    if (longest == 0 || Units(text) <= longest) return std::nullopt;
    return "at most " + std::to_string(longest) + " characters";
}

}  // namespace

const FieldRule& RuleOf(Field field) {
    return kRules[static_cast<std::size_t>(field)];
}

std::string CutToLongest(Field field, std::string_view utf8) {
    return CutToLength(RuleOf(field).longestText, utf8);
}

std::string CutToLength(int longest, std::string_view utf8) {
    if (longest == 0) return std::string(utf8);
    // The boxes count UTF-16 units: a character beyond the basic plane takes two.
    int units = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        const int width = length == 4 ? 2 : 1;
        if (units + width > longest) break;
        units += width;
        at += length;
    }
    return std::string(utf8.substr(0, at));
}

std::optional<std::string> RangeWarning(Field field, std::string_view text) {
    const FieldRule& rule = RuleOf(field);
    const double value = LeadingNumber(text);
    if (value >= rule.lowest && value <= rule.highest) return std::nullopt;
    return std::string(rule.warning);
}

}  // namespace vevi

namespace vevi {

std::optional<std::string> StrictValueProblem(Field field, std::string_view text,
                                              UnitSystem system) {
    if (!IsPlainNumber(text)) {
        if (text.find(',') != std::string_view::npos)
            return std::string("write numbers without separators, with a point for decimals");
        return std::string(
            "not a plain number (digits, at most one point, an optional sign and exponent)");
    }
    if (auto tooLong = TooLong(field, text, system)) return tooLong;
    return RangeWarning(field, text, system);
}

std::optional<std::string> JobTextProblem(Field field, std::string_view text, UnitSystem system) {
    if (auto tooLong = TooLong(field, text, system)) return tooLong;
    return RangeWarning(field, text, system);
}

}  // namespace vevi
