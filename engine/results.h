// The typed record of one comparison: every figure the windows show, keyed by arrangement
// and slot, each with its display text and the number behind it. The windows map slots to
// their labels; copying, export and the command line read the same record.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "comparison.h"

namespace vevi {

// In the order a comparison writes them.
enum class Arrangement { DrawThru, BloThru };
inline constexpr std::array kArrangements = {Arrangement::DrawThru, Arrangement::BloThru};

// The main window's result values, in the order a start writes them.
enum class Quantity {
    InletCFM,
    DisCFM,
    SpaceCFM,
    BTUOut,
    BTUIn,
    BTUAirLoad,
    BTUNet,
    InletTemp,
    DisTemp,
    SpaceTemp,
};
inline constexpr std::size_t kQuantityCount = 10;

enum class Unit { Cfm, Mbh, DegreesF };

struct QuantityInfo {
    Quantity quantity;
    const char* key;          // for machines: "inlet_airflow"
    const char* description;  // for people: "inlet airflow"
    Unit unit;
};

const QuantityInfo& Describe(Quantity quantity);
const char* UnitText(Unit unit);                       // "cfm", "MBH", "°F"
const char* ArrangementName(Arrangement arrangement);  // "Draw Thru"
const char* ArrangementKey(Arrangement arrangement);   // "draw_thru"

struct ShownValue {
    std::string text;  // exactly as the window shows it
    double value = 0;  // the number the text shows
};

// The figures of the formulas window. Draw Thru shows its inlet airflow, Blow Thru its
// discharge airflow; every other slot belongs to both.
enum class FormulaSlot {
    CFMd,
    CFMs,
    InletTempR,
    DischargeTempR_0,
    DischargeTempR_1,
    InletCFM,
    DischargeCFM,
    SpaceTempR,
    SpaceCFM,
    BaroPress,
    AirTemp,
    AirDensity,
    OutputMBHFormula,
    OutputMBH,
    InputMBHFormula,
    InputMBH,
};
inline constexpr std::size_t kFormulaSlotCount = 16;

struct FormulaText {
    Arrangement arrangement;
    FormulaSlot slot;
    std::string text;
};

struct ComparisonReport {
    ComparisonInputs inputs;
    ComparisonResult result;
    std::array<std::array<ShownValue, kQuantityCount>, kArrangements.size()> values;
    // Draw Thru's figures, then Blow Thru's, each in the order a start writes them.
    std::vector<FormulaText> formulas;

    const ShownValue& Value(Arrangement arrangement, Quantity quantity) const;
};

// Every figure of a comparison as the windows show it. Figures that repeat a main-window
// value are taken from the text shown there.
ComparisonReport ReportComparison(const ComparisonInputs& inputs, const ComparisonResult& result,
                                  const SharedValues& shared);

}  // namespace vevi
