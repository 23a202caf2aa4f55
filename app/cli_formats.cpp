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

QJsonObject InputsJson(const ComparisonInputs& inputs) {
    QJsonObject object;
    for (Field field : kJobFields)
        object.insert(QLatin1String(JobInputKey(field)),
                      QJsonObject{{"text", FromUtf8(inputs.FieldText(field))},
                                  {"value", inputs.FieldNumber(field)}});
    return object;
}

QJsonObject ArrangementJson(const ComparisonReport& report, Arrangement a) {
    const ArrangementResult& r =
        a == Arrangement::DrawThru ? report.result.DrawThru : report.result.BloThru;
    QJsonObject object{
        {"temperature_rise", Figure(PlainNumberText(r.Rise), r.Rise, "\u00B0F")},
        {"air_density", Figure(FormatNumber(r.AirDensity, "0.0000"), r.AirDensity, kDensityUnit)}};
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Describe(Quantity(q));
        const ShownValue& shown = report.Value(a, info.quantity);
        object.insert(QLatin1String(info.key),
                      Figure(shown.text, shown.value, UnitText(info.unit)));
    }
    return object;
}

// One comparison, the same wherever it appears; without a report, the inputs and why.
QJsonObject ComparisonJson(const ComparisonInputs& inputs, const ComparisonReport* report,
                           const std::optional<PlaceName>& place) {
    QJsonObject object{{"inputs", InputsJson(inputs)}};
    if (place)
        object.insert("place", QJsonObject{{"region", place->region}, {"place", place->place}});
    if (!report) {
        object.insert("error", QLatin1String(kNoResultText));
        return object;
    }
    const double pressure = report->result.BaroPress;
    object.insert("barometric_pressure",
                  Figure(FormatNumber(pressure, "#0.00"), pressure, kPressureUnit));
    for (Arrangement a : kArrangements)
        object.insert(QLatin1String(ArrangementKey(a)), ArrangementJson(*report, a));
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
                         const std::optional<PlaceName>& place) {
    const std::string placeText = ToUtf8(PlaceText(place));
    switch (format) {
        case Format::Text:
            return FromUtf8(ReportText(report, placeText));
        case Format::Csv:
            return FromUtf8(ReportCsv(report, placeText));
        case Format::Json: {
            QJsonObject object = Headed("vevi-comparison");
            const QJsonObject comparison = ComparisonJson(report.inputs, &report, place);
            for (auto it = comparison.begin(); it != comparison.end(); ++it)
                object.insert(it.key(), it.value());
            return Json(object);
        }
    }
    return {};
}

QString PlacesOutput(std::optional<int> region, Format format) {
    QList<QStringList> rows;  // region, place, elevation, outdoor, pressure
    const auto states = LocationTable::States();
    for (std::size_t s = 0; s < states.size(); ++s) {
        if (region && *region != static_cast<int>(s)) continue;
        for (const CityEntry& city : states[s].cities) {
            const auto pressure = CheckedBaroPressure(city.ElevationFeet);
            rows << QStringList{FromUtf8(states[s].name), FromUtf8(city.name),
                                QString::number(city.ElevationFeet),
                                QString::number(city.DesignTempF),
                                pressure ? FromUtf8(FormatNumber(*pressure, kPlacePressure)) : ""};
        }
    }
    switch (format) {
        case Format::Text:
            return Table({"Region", "Place", "Elevation (ft)", "Outdoor (\u00B0F)",
                          "Pressure (" + QString::fromLatin1(kPressureUnit) + ")"},
                         {false, false, true, true, true}, rows);
        case Format::Csv: {
            QString out =
                QStringLiteral("region,place,elevation_ft,outdoor_f,barometric_pressure_in_hg\n");
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
                array.append(QJsonObject{{"region", row[0]},
                                         {"place", row[1]},
                                         {"elevation", row[2].toInt()},
                                         {"outdoor", row[3].toInt()},
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

SweepOutput::SweepOutput(Format format) : format_(format) {
    if (format_ != Format::Csv) return;
    csv_ = (QStringList{"region", "place"} + Columns(InputFigures(ComparisonInputs())) +
            Columns(ResultFigures(nullptr)))
               .join(u',') +
           u'\n';
}

void SweepOutput::Add(int state, int city, const ComparisonInputs& inputs,
                      const ComparisonReport* report) {
    const PlaceName place{FromUtf8(RegionName(state)), FromUtf8(CityName(state, city))};
    if (format_ == Format::Csv) {
        csv_ += (QStringList{CsvField(place.region), CsvField(place.place)} +
                 Cells(InputFigures(inputs)) + Cells(ResultFigures(report)))
                    .join(u',') +
                u'\n';
        return;
    }
    json_.append(ComparisonJson(inputs, report, place));
}

QString SweepOutput::Finish() {
    if (format_ == Format::Csv) return csv_;
    QJsonObject object = Headed("vevi-sweep");
    object.insert("comparisons", json_);
    return Json(object);
}

}  // namespace vevi
