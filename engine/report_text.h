// A comparison written out for people and other programs: an aligned text report, CSV, and
// the tab-separated and HTML tables that copying puts on the clipboard. Every figure is the
// text the window shows. Shared by the window and the command line, so both write the same.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "results.h"
#include "units.h"

namespace vevi {

struct InputLabel {
    Field field;
    const char* label;  // "Draw Thru max. temperature rise"
    const char* unit;   // "°F"
};
// The nine inputs in the job file's order, as a report names them.
// clang-format off
inline constexpr std::array<InputLabel, kFieldCount> kInputLabels = {{
    {Field::IndoorTemp,          "Indoor temperature",                   "\u00B0F"},
    {Field::OutdoorTemp,         "Outdoor temperature",                  "\u00B0F"},
    {Field::Elevation,           "Elevation",                            "ft"},
    {Field::DrawThruDisTemp,     "Draw Thru max. discharge temperature", "\u00B0F"},
    {Field::DrawThruTempRise,    "Draw Thru max. temperature rise",      "\u00B0F"},
    {Field::DrawThruFanCapacity, "Draw Thru blower capacity",            "cfm"},
    {Field::BloThruDisTemp,      "Blow Thru max. discharge temperature", "\u00B0F"},
    {Field::BloThruTempRise,     "Blow Thru max. temperature rise",      "\u00B0F"},
    {Field::BloThruFanCapacity,  "Blow Thru blower capacity",            "cfm"},
}};
// clang-format on

inline constexpr char kPressureUnit[] = "in. Hg";
inline constexpr char kDensityUnit[] = "lb/cu ft";

// One figure of a comparison for other programs: plain numbers (no grouping, no "@", no unit,
// a point for decimals), rounded as the window rounds the figure.
struct FigureRow {
    std::string key;       // "capacity", "inlet_airflow"
    std::string unit;      // "cfm", "°F"
    std::string suffix;    // the unit in a column name: "cfm", "f", "in_hg"
    bool shared;           // one figure for both arrangements
    std::string cells[2];  // Draw Thru, then Blow Thru; empty where there is no result
};

// The nine inputs as the numbers used: the site and indoor temperature shared, then each
// arrangement's maximum discharge temperature, maximum rise and capacity. `inputs` are the
// inch-pound texts the comparison read; in SI each is shown as ReportedInputText gives it.
std::vector<FigureRow> InputFigures(const ComparisonInputs& inputs,
                                    UnitSystem system = UnitSystem::US);
// The pressure, each arrangement's actual rise and air density, then every quantity of the
// report. Without a report, the same rows with empty cells. In SI every figure is the one
// FiguresIn shows, written plainly; the rise is converted as a difference.
std::vector<FigureRow> ResultFigures(const ComparisonReport* report,
                                     UnitSystem system = UnitSystem::US);

// One CSV field, quoted where it holds a comma, a quote or a line break (RFC 4180).
std::string CsvField(std::string_view field);

// Columns padded to their widest cell (measured in UTF-16 code units, one for most
// characters), cells flagged in `right` to the right, two blanks between columns, trailing blanks
// dropped, one line each. No heading line when `headings` is empty.
std::string AlignedTable(const std::vector<std::string>& headings, const std::vector<bool>& right,
                         const std::vector<std::vector<std::string>>& rows);

// `place` is "REGION/PLACE" where the site came from a place of the table, else empty. In SI
// every figure, unit and column name is the SI one; inch-pound gives the texts as always.

// "Place: REGION/PLACE" where there is one, the inputs with the barometric pressure, a blank
// line, then every quantity of both arrangements, aligned.
std::string ReportText(const ComparisonReport& report, std::string_view place = {},
                       UnitSystem system = UnitSystem::US);
// `quantity,unit,draw_thru,blow_thru`, a `place` row where there is one, then one row per
// input figure and result figure, shared figures in both columns.
std::string ReportCsv(const ComparisonReport& report, std::string_view place = {},
                      UnitSystem system = UnitSystem::US);
// One line per input (name, text, unit) after the place where there is one, the pressure, a
// blank line, the heading "Quantity\tUnit\tDraw Thru\tBlow Thru" and one line per quantity.
std::string ReportTabSeparated(const ComparisonReport& report, std::string_view place = {},
                               UnitSystem system = UnitSystem::US);
// The same content as HTML tables, for word processors and spreadsheets.
std::string ReportHtml(const ComparisonReport& report, std::string_view place = {},
                       UnitSystem system = UnitSystem::US);

}  // namespace vevi
