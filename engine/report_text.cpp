#include "report_text.h"

#include <algorithm>
#include <optional>

#include "number_text.h"
#include "shown_figures.h"

namespace vevi {
namespace {

const std::vector<bool> kInputAlignment = {false, true, false};
const std::vector<bool> kQuantityAlignment = {false, false, true, true};

using Row = std::vector<std::string>;

std::string Capitalized(const char* text) {
    std::string s = text;
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

// The width of a UTF-8 text as a UTF-16 string counts it: one per character, two for a
// character beyond the basic plane. The command line padded QStrings before, and its tables
// must keep their exact layout.
std::size_t Width(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++width;
        if (byte >= 0xF0) ++width;
    }
    return width;
}

// The inputs as typed, after the place and before the pressure, for people.
std::vector<Row> InputRows(const ComparisonReport& report, std::string_view place,
                           UnitSystem system) {
    std::vector<Row> rows;
    if (!place.empty()) rows.push_back({"Place", std::string(place), ""});
    for (const InputLabel& input : kInputLabels)
        rows.push_back(
            {input.label,
             ReportedInputText(input.field, report.inputs.FieldText(input.field), system),
             system == UnitSystem::US ? input.unit : Symbol(MeasureOf(input.field), system)});
    rows.push_back({"Barometric pressure", FiguresIn(report, system).pressure.text,
                    ReportUnit(Measure::Pressure, system)});
    return rows;
}

// The figure as the window rounds it: airflows and heat to whole numbers as shown, the
// temperatures as the plain numbers behind their "@" captions.
std::string PlainFigure(Unit unit, double value) {
    return unit == Unit::DegreesF ? PlainNumberText(value) : FormatNumber(value, "0");
}

const ArrangementResult& Of(const ComparisonResult& result, Arrangement a) {
    return a == Arrangement::DrawThru ? result.DrawThru : result.BloThru;
}

Row QuantityHeadings() {
    Row headings{"Quantity", "Unit"};
    for (Arrangement a : kArrangements) headings.emplace_back(ArrangementName(a));
    return headings;
}

std::vector<Row> QuantityRows(const ComparisonReport& report, UnitSystem system) {
    const ShownFigures figures = FiguresIn(report, system);
    std::vector<Row> rows;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Describe(Quantity(q));
        Row row{Capitalized(info.description), ReportUnit(MeasureOf(info.unit), system)};
        for (Arrangement a : kArrangements) row.push_back(figures.Value(a, info.quantity).text);
        rows.push_back(std::move(row));
    }
    return rows;
}

// A tab or line break inside a cell would split the table.
std::string TabCell(std::string cell) {
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return cell;
}

std::string TabLine(const Row& row) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) line += (c > 0 ? "\t" : "") + TabCell(row[c]);
    return line + '\n';
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Figures aligned to the right, as the text report aligns them.
std::string HtmlRow(const Row& row, const char* cell, const std::vector<bool>& right) {
    std::string html = "<tr>";
    for (std::size_t c = 0; c < row.size(); ++c)
        html += std::string("<") + cell + (right[c] ? " align=\"right\"" : "") + ">" +
                Escaped(row[c]) + "</" + cell + ">";
    return html + "</tr>\n";
}

}  // namespace

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string AlignedTable(const std::vector<std::string>& headings, const std::vector<bool>& right,
                         const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> width(right.size(), 0);
    auto measure = [&width](const Row& row) {
        for (std::size_t c = 0; c < row.size() && c < width.size(); ++c)
            width[c] = std::max(width[c], Width(row[c]));
    };
    if (!headings.empty()) measure(headings);
    for (const Row& row : rows) measure(row);
    std::string out;
    auto write = [&](const Row& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += "  ";
            const std::size_t w = Width(row[c]);
            const std::string pad(width[c] > w ? width[c] - w : 0, ' ');
            line += right[c] ? pad + row[c] : row[c] + pad;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    };
    if (!headings.empty()) write(headings);
    for (const Row& row : rows) write(row);
    return out;
}

std::vector<FigureRow> InputFigures(const ComparisonInputs& inputs, UnitSystem system) {
    auto number = [&inputs, system](Field field) {
        return system == UnitSystem::US ? PlainNumberText(inputs.FieldNumber(field))
                                        : ReportedInputText(field, inputs.FieldText(field), system);
    };
    auto named = [system](const char* key, Field field, bool shared) {
        const Measure measure = MeasureOf(field);
        return FigureRow{
            key, ReportUnit(measure, system), ColumnSuffix(measure, system), shared, {}};
    };
    auto shared = [&](const char* key, Field field) {
        FigureRow row = named(key, field, true);
        row.cells[0] = row.cells[1] = number(field);
        return row;
    };
    auto twin = [&](const char* key, Field drawThru, Field bloThru) {
        FigureRow row = named(key, drawThru, false);
        row.cells[0] = number(drawThru);
        row.cells[1] = number(bloThru);
        return row;
    };
    return {
        shared("indoor", Field::IndoorTemp),
        shared("outdoor", Field::OutdoorTemp),
        shared("elevation", Field::Elevation),
        twin("max_discharge", Field::DrawThruDisTemp, Field::BloThruDisTemp),
        twin("max_rise", Field::DrawThruTempRise, Field::BloThruTempRise),
        twin("capacity", Field::DrawThruFanCapacity, Field::BloThruFanCapacity),
    };
}

std::vector<FigureRow> ResultFigures(const ComparisonReport* report, UnitSystem system) {
    const bool si = system == UnitSystem::SI;
    auto row = [system](const char* key, Measure measure) {
        return FigureRow{
            key, ReportUnit(measure, system), ColumnSuffix(measure, system), false, {}};
    };
    std::optional<ShownFigures> figures;
    if (report && si) figures = FiguresIn(*report, system);
    std::vector<FigureRow> rows;
    FigureRow pressure = row("barometric_pressure", Measure::Pressure);
    pressure.shared = true;
    if (report)
        pressure.cells[0] = pressure.cells[1] =
            si ? SiPlainText(Measure::Pressure, figures->pressure.value)
               : FormatNumber(report->result.BaroPress, "0.00");
    rows.push_back(std::move(pressure));
    FigureRow rise = row("temperature_rise", Measure::TemperatureDifference);
    FigureRow density = row("air_density", Measure::Density);
    for (Arrangement a : kArrangements) {
        if (!report) continue;
        const auto i = static_cast<std::size_t>(a);
        const ArrangementResult& r = Of(report->result, a);
        rise.cells[i] = si ? SiPlainText(Measure::TemperatureDifference,
                                         ToSystem(Measure::TemperatureDifference, r.Rise, system))
                           : PlainNumberText(r.Rise);
        density.cells[i] = si ? SiPlainText(Measure::Density, figures->Density(a).value)
                              : FormatNumber(r.AirDensity, "0.0000");
    }
    rows.push_back(std::move(rise));
    rows.push_back(std::move(density));
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Describe(Quantity(q));
        const Measure measure = MeasureOf(info.unit);
        FigureRow figure = row(info.key, measure);
        if (!si) figure.unit = UnitText(info.unit);
        for (Arrangement a : kArrangements) {
            if (!report) continue;
            figure.cells[static_cast<std::size_t>(a)] =
                si ? SiPlainText(measure, figures->Value(a, info.quantity).value)
                   : PlainFigure(info.unit, report->Value(a, info.quantity).value);
        }
        rows.push_back(std::move(figure));
    }
    return rows;
}

std::string ReportText(const ComparisonReport& report, std::string_view place, UnitSystem system) {
    return AlignedTable({}, kInputAlignment, InputRows(report, place, system)) + '\n' +
           AlignedTable(QuantityHeadings(), kQuantityAlignment, QuantityRows(report, system));
}

std::string ReportCsv(const ComparisonReport& report, std::string_view place, UnitSystem system) {
    std::string out = "quantity,unit";
    for (Arrangement a : kArrangements) out += std::string(",") + ArrangementKey(a);
    out += '\n';
    if (!place.empty()) {
        const std::string cell = CsvField(place);
        out += "place,," + cell + ',' + cell + '\n';
    }
    auto write = [&out](const FigureRow& row) {
        out += row.key + ',' + CsvField(row.unit) + ',' + row.cells[0] + ',' + row.cells[1] + '\n';
    };
    for (const FigureRow& row : InputFigures(report.inputs, system)) write(row);
    for (const FigureRow& row : ResultFigures(&report, system)) write(row);
    return out;
}

std::string ReportTabSeparated(const ComparisonReport& report, std::string_view place,
                               UnitSystem system) {
    std::string out;
    for (const Row& row : InputRows(report, place, system)) out += TabLine(row);
    out += '\n' + TabLine(QuantityHeadings());
    for (const Row& row : QuantityRows(report, system)) out += TabLine(row);
    return out;
}

std::string ReportHtml(const ComparisonReport& report, std::string_view place, UnitSystem system) {
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n";
    for (const Row& row : InputRows(report, place, system))
        html += HtmlRow(row, "td", kInputAlignment);
    html += "</table>\n<br>\n<table>\n" + HtmlRow(QuantityHeadings(), "th", kQuantityAlignment);
    for (const Row& row : QuantityRows(report, system))
        html += HtmlRow(row, "td", kQuantityAlignment);
    return html + "</table>\n</body></html>\n";
}

}  // namespace vevi
