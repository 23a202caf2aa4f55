#include "cli_formats.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "cli_options.h"
#include "field_rules.h"
#include "formulas.h"
#include "location_table.h"
#include "number_text.h"
#include "place_lookup.h"
#include "report_text.h"
#include "shown_figures.h"
#include "utf8_text.h"

namespace vevi {
namespace {

// The location dialog shows a place's pressure with "#0.00".
constexpr const char* kPlacePressure = "#0.00";

std::vector<std::string> Utf8Cells(const QStringList& row) {
    std::vector<std::string> cells;
    for (const QString& cell : row) cells.push_back(ToUtf8(cell));
    return cells;
}

QString Table(const QStringList& headings, const std::vector<bool>& right,
              const QList<QStringList>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : rows) cells.push_back(Utf8Cells(row));
    return FromUtf8(AlignedTable(Utf8Cells(headings), right, cells));
}

QJsonObject Figure(const std::string& text, double value, const char* unit) {
    return QJsonObject{{"text", FromUtf8(text)}, {"value", value}, {"unit", FromUtf8(unit)}};
}

// The inputs the comparison read (inch-pound texts), in `units`: in SI the text a report
// shows and the number converted.
QJsonObject InputsJson(const ComparisonInputs& inputs, UnitSystem units) {
    QJsonObject object;
    for (Field field : kJobFields)
        object.insert(
            QLatin1String(JobInputKey(field)),
            QJsonObject{
                {"text", FromUtf8(ReportedInputText(field, inputs.FieldText(field), units))},
                {"value", ToSystem(MeasureOf(field), inputs.FieldNumber(field), units)}});
    return object;
}

QJsonObject ArrangementJson(const ComparisonReport& report, const ShownFigures& figures,
                            Arrangement a) {
    const UnitSystem units = figures.system;
    const ArrangementResult& r =
        a == Arrangement::DrawThru ? report.result.DrawThru : report.result.BloThru;
    const double rise = ToSystem(Measure::TemperatureDifference, r.Rise, units);
    const ShownValue& density = figures.Density(a);
    QJsonObject object{
        {"temperature_rise",
         Figure(units == UnitSystem::US ? PlainNumberText(rise)
                                        : SiText(Measure::TemperatureDifference, rise),
                rise, ReportUnit(Measure::TemperatureDifference, units))},
        {"air_density", Figure(density.text, density.value, ReportUnit(Measure::Density, units))}};
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Describe(Quantity(q));
        const ShownValue& shown = figures.Value(a, info.quantity);
        object.insert(QLatin1String(info.key),
                      Figure(shown.text, shown.value,
                             units == UnitSystem::US ? UnitText(info.unit)
                                                     : ReportUnit(MeasureOf(info.unit), units)));
    }
    return object;
}

// One comparison, the same wherever it appears; without a report, the inputs and why.
QJsonObject ComparisonJson(const ComparisonInputs& inputs, const ComparisonReport* report,
                           const std::optional<PlaceName>& place, UnitSystem units) {
    QJsonObject object{{"inputs", InputsJson(inputs, units)}};
    if (place)
        object.insert("place", QJsonObject{{"region", place->region}, {"place", place->place}});
    if (!report) {
        object.insert("error", QLatin1String(kNoResultText));
        return object;
    }
    const ShownFigures figures = FiguresIn(*report, units);
    const double pressure = figures.pressure.value;
    object.insert(
        "barometric_pressure",
        Figure(units == UnitSystem::US ? FormatNumber(pressure, "#0.00") : figures.pressure.text,
               pressure, ReportUnit(Measure::Pressure, units)));
    for (Arrangement a : kArrangements)
        object.insert(QLatin1String(ArrangementKey(a)), ArrangementJson(*report, figures, a));
    return object;
}

QJsonObject Headed(const char* format) {
    return QJsonObject{{"format", QLatin1String(format)}, {"version", kOutputFormatVersion}};
}

QString Json(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString PlaceText(const std::optional<PlaceName>& place) {
    return place ? place->region + u'/' + place->place : QString();
}

}  // namespace

std::optional<Format> FormatNamed(const QString& name) {
    if (name == QLatin1String("text")) return Format::Text;
    if (name == QLatin1String("csv")) return Format::Csv;
    if (name == QLatin1String("json")) return Format::Json;
    return std::nullopt;
}

QString CsvField(const QString& field) {
    return FromUtf8(CsvField(ToUtf8(field)));
}

QString ComparisonOutput(const ComparisonReport& report, Format format,
                         const std::optional<PlaceName>& place, UnitSystem units) {
    const std::string placeText = ToUtf8(PlaceText(place));
    switch (format) {
        case Format::Text:
            return FromUtf8(ReportText(report, placeText, units));
        case Format::Csv:
            return FromUtf8(ReportCsv(report, placeText, units));
        case Format::Json: {
            QJsonObject object = Headed("vevi-comparison");
            const QJsonObject comparison = ComparisonJson(report.inputs, &report, place, units);
            for (auto it = comparison.begin(); it != comparison.end(); ++it)
                object.insert(it.key(), it.value());
            return Json(object);
        }
    }
    return {};
}

QString PlacesOutput(std::optional<int> region, Format format, UnitSystem units) {
    const bool si = units == UnitSystem::SI;
    const auto figure = [units](Measure measure, double inchPound) {
        return FromUtf8(SiPlainText(measure, ToSystem(measure, inchPound, units)));
    };
    QList<QStringList> rows;  // region, place, elevation, outdoor, pressure
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s) {
        if (region && *region != static_cast<int>(s)) continue;
        for (const CityEntry& city : states[s].cities) {
            const auto pressure = CheckedBaroPressure(city.ElevationFeet);
            QString shownPressure;
            if (pressure)
                shownPressure = si ? figure(Measure::Pressure, *pressure)
                                   : FromUtf8(FormatNumber(*pressure, kPlacePressure));
            rows << QStringList{FromUtf8(states[s].name), FromUtf8(city.name),
                                si ? figure(Measure::Length, city.ElevationFeet)
                                   : QString::number(city.ElevationFeet),
                                si ? figure(Measure::Temperature, city.DesignTempF)
                                   : QString::number(city.DesignTempF),
                                shownPressure};
        }
    }
    switch (format) {
        case Format::Text:
            return Table(
                {"Region", "Place", "Elevation (" + FromUtf8(Symbol(Measure::Length, units)) + ")",
                 "Outdoor (" + FromUtf8(Symbol(Measure::Temperature, units)) + ")",
                 "Pressure (" + FromUtf8(Symbol(Measure::Pressure, units)) + ")"},
                {false, false, true, true, true}, rows);
        case Format::Csv: {
            QString out = QStringLiteral(
                              "region,place,elevation_%1,outdoor_%2,"
                              "barometric_pressure_%3\n")
                              .arg(QLatin1String(ColumnSuffix(Measure::Length, units)),
                                   QLatin1String(ColumnSuffix(Measure::Temperature, units)),
                                   QLatin1String(ColumnSuffix(Measure::Pressure, units)));
            for (const QStringList& row : rows) {
                QStringList fields;
                for (const QString& cell : row) fields << CsvField(cell);
                out += fields.join(u',') + u'\n';
            }
            return out;
        }
        case Format::Json: {
            QJsonArray array;
            for (const QStringList& row : rows)
                array.append(QJsonObject{
                    {"region", row[0]},
                    {"place", row[1]},
                    {"elevation", si ? QJsonValue(row[2].toDouble()) : QJsonValue(row[2].toInt())},
                    {"outdoor", si ? QJsonValue(row[3].toDouble()) : QJsonValue(row[3].toInt())},
                    {"barometric_pressure", row[4].toDouble()}});
            QJsonObject object = Headed("vevi-places");
            object.insert("places", array);
            return Json(object);
        }
    }
    return {};
}

namespace {

// Column names carry their units; a figure shared by both arrangements has one column.
QStringList Columns(const std::vector<FigureRow>& rows) {
    QStringList columns;
    for (const FigureRow& row : rows) {
        const QString tail = FromUtf8(row.key + '_' + row.suffix);
        if (row.shared) {
            columns << tail;
            continue;
        }
        for (Arrangement a : kArrangements)
            columns << QLatin1String(ArrangementKey(a)) + u'_' + tail;
    }
    return columns;
}

QStringList Cells(const std::vector<FigureRow>& rows) {
    QStringList cells;
    for (const FigureRow& row : rows) {
        cells << FromUtf8(row.cells[0]);
        if (!row.shared) cells << FromUtf8(row.cells[1]);
    }
    return cells;
}

}  // namespace

SweepOutput::SweepOutput(Format format, UnitSystem units) : format_(format), units_(units) {
    if (format_ != Format::Csv) return;
    csv_ = (QStringList{"region", "place"} + Columns(InputFigures(ComparisonInputs(), units_)) +
            Columns(ResultFigures(nullptr, units_)))
               .join(u',') +
           u'\n';
}

void SweepOutput::Add(int state, int city, const ComparisonInputs& inputs,
                      const ComparisonReport* report) {
    const PlaceName place{FromUtf8(RegionName(state)), FromUtf8(CityName(state, city))};
    if (format_ == Format::Csv) {
        csv_ += (QStringList{CsvField(place.region), CsvField(place.place)} +
                 Cells(InputFigures(inputs, units_)) + Cells(ResultFigures(report, units_)))
                    .join(u',') +
                u'\n';
        return;
    }
    json_.append(ComparisonJson(inputs, report, place, units_));
}

QString SweepOutput::Finish() {
    if (format_ == Format::Csv) return csv_;
    QJsonObject object = Headed("vevi-sweep");
    object.insert("comparisons", json_);
    return Json(object);
}

}  // namespace vevi
