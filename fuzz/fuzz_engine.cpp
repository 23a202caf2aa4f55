// Fuzzes number reading and formatting and the comparison with arbitrary field texts.
//
// Checks: nothing crashes; every number text the engine writes reads back to the value it
// was made from within its pattern's rounding; no written number shows "nan", "inf" or a
// negative zero.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "comparison.h"
#include "matching.h"
#include "number_text.h"
#include "results.h"

using namespace vevi;

namespace {

void Fail(const char* what, const std::string& text) {
    __builtin_trap();
    (void)what;
    (void)text;
}

bool ShowsBadNumber(const std::string& t) {
    if (t.find("nan") != std::string::npos || t.find("inf") != std::string::npos) return true;
    // A minus sign must stand before some nonzero digit of its number.
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '-') continue;
        size_t j = i + 1;
        bool nonzero = false;
        while (j < t.size() &&
               (std::isdigit(static_cast<unsigned char>(t[j])) || t[j] == '.' || t[j] == ',')) {
            if (t[j] >= '1' && t[j] <= '9') nonzero = true;
            ++j;
        }
        if (j > i + 1 && !nonzero) return true;
    }
    return false;
}

std::string WithoutGrouping(std::string s) {
    std::erase(s, ',');
    return s;
}

void CheckFormatting(double v) {
    if (!std::isfinite(v)) return;
    const std::string plain = PlainNumberText(v);
    const double back = LeadingNumber(plain);
    if (std::fabs(back - v) > std::fabs(v) * 1e-14) Fail("plain", plain);
    if (ShowsBadNumber(plain)) Fail("plain shows", plain);
    static const char* kPatterns[] = {"###0",       "####0", "#####0", "###,##0",
                                      "##,###,##0", "##.00", "#0.00",  "0.0000"};
    static const double kUnits[] = {1, 1, 1, 1, 1, 0.01, 0.01, 0.0001};
    for (size_t i = 0; i < std::size(kPatterns); ++i) {
        const std::string text = FormatNumber(v, kPatterns[i]);
        if (ShowsBadNumber(text)) Fail("pattern shows", text);
        const double read = LeadingNumber(WithoutGrouping(text));
        // Half a unit of the last place, plus what 15 significant digits can lose.
        if (std::fabs(read - v) > kUnits[i] / 2 + std::fabs(v) * 1e-14) Fail("pattern", text);
    }
}

// Field texts from the fuzz input: nine texts separated by '|'.
ComparisonInputs Fields(std::string_view data) {
    ComparisonInputs in;
    static constexpr Field kOrder[] = {
        Field::Elevation,           Field::OutdoorTemp,     Field::IndoorTemp,
        Field::BloThruFanCapacity,  Field::BloThruDisTemp,  Field::BloThruTempRise,
        Field::DrawThruFanCapacity, Field::DrawThruDisTemp, Field::DrawThruTempRise};
    size_t field = 0;
    std::string current;
    for (char c : data) {
        if (c == '|') {
            if (field < std::size(kOrder)) in.Text(kOrder[field++]) = current;
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (field < std::size(kOrder)) in.Text(kOrder[field]) = current;
    return in;
}

// The figures whose whole text the engine formats (the others echo field texts).
bool Formatted(Quantity q) {
    return q != Quantity::InletTemp && q != Quantity::SpaceTemp;
}
bool Formatted(FormulaSlot slot) {
    switch (slot) {
        case FormulaSlot::CFMd:
        case FormulaSlot::CFMs:
        case FormulaSlot::InletTempR:
        case FormulaSlot::SpaceTempR:
        case FormulaSlot::OutputMBHFormula:
        case FormulaSlot::AirTemp:
            return false;
        default:
            return true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = LeadingNumber(text);
    CheckFormatting(read);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckFormatting(raw);
    }

    const ComparisonInputs in = Fields(text);
    SharedValues shared;
    if (const auto result = ComputeComparison(in, shared)) {
        const ComparisonReport report = ReportComparison(in, *result, shared);
        for (Arrangement a : kArrangements)
            for (std::size_t q = 0; q < kQuantityCount; ++q) {
                const std::string& text = report.Value(a, Quantity(q)).text;
                if (Formatted(Quantity(q)) && ShowsBadNumber(text)) Fail("value", text);
            }
        for (const FormulaText& t : report.formulas)
            if (Formatted(t.slot) && ShowsBadNumber(t.text)) Fail("formula", t.text);
    }
    for (MatchKind kind :
         {MatchKind::Input, MatchKind::Output, MatchKind::Net, MatchKind::Airflow}) {
        const auto desired = ReadMatchAnswer(in.IndoorTemp);
        if (!desired) break;
        if (const auto m = MatchCapacities(kind, *desired, in, shared)) {
            const std::string blo = BloThruCapacityText(m->BloThruCfm);
            if (ShowsBadNumber(blo)) Fail("capacity", blo);
        }
    }
    return 0;
}
