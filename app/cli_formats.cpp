#include "cli_formats.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "cli_options.h"
#include "formulas.h"
#include "location_table.h"
#include "number_text.h"
#include "place_lookup.h"
#include "report_text.h"

namespace vevi {
namespace {

// The location dialog shows a place's pressure with "#0.00".
constexpr const char* kPlacePressure = "#0.00";

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::vector<std::string> Utf8Cells(const QStringList& row) {
    std::vector<std::string> cells;
    for (const QString& cell : row) cells.push_back(cell.toStdString());
    return cells;
}

QString Table(const QStringList& headings, const std::vector<bool>& right,
              const QList<QStringList>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : rows) cells.push_back(Utf8Cells(row));
    return Text(AlignedTable(Utf8Cells(headings), right, cells));
}

QJsonObject InputsJson(const ComparisonInputs& inputs) {
    QJsonObject object;
    for (Field field : kJobFields)
        object.insert(QLatin1String(JobInputKey(field)), Text(inputs.FieldText(field)));
    return object;
}

QJsonObject ArrangementJson(const ComparisonReport& report, Arrangement a) {
    QJsonObject object;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const QuantityInfo& info = Describe(Quantity(q));
        const ShownValue& shown = report.Value(a, info.quantity);
        object.insert(QLatin1String(info.key),
                      QJsonObject{{"text", Text(shown.text)},
                                  {"value", shown.value},
                                  {"unit", QString::fromUtf8(UnitText(info.unit))}});
    }
    return object;
}

QJsonObject ComparisonJson(const ComparisonReport& report) {
    QJsonObject object{{"inputs", InputsJson(report.inputs)},
                       {"barometric_pressure", report.result.BaroPress}};
    for (Arrangement a : kArrangements)
        object.insert(QLatin1String(ArrangementKey(a)), ArrangementJson(report, a));
    return object;
}

QString Json(const QJsonDocument& document) {
    return QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

}  // namespace

std::optional<Format> FormatNamed(const QString& name) {
    if (name == QLatin1String("text")) return Format::Text;
    if (name == QLatin1String("csv")) return Format::Csv;
    if (name == QLatin1String("json")) return Format::Json;
    return std::nullopt;
}

QString CsvField(const QString& field) {
    return Text(CsvField(field.toStdString()));
}

QString ComparisonOutput(const ComparisonReport& report, Format format,
                         const std::optional<PlaceName>& place) {
    switch (format) {
        case Format::Text:
            return (place ? "Place: " + place->region + u'/' + place->place + u'\n' : QString()) +
                   Text(ReportText(report));
        case Format::Csv:
            return Text(ReportCsv(report));
        case Format::Json: {
            QJsonObject object = ComparisonJson(report);
            if (place)
                object.insert("place",
                              QJsonObject{{"region", place->region}, {"place", place->place}});
            return Json(QJsonDocument(object));
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
                                pressure ? Text(FormatNumber(*pressure, kPlacePressure)) : ""};
        }
    }
    switch (format) {
        case Format::Text:
            return Table({"Region", "Place", "Elevation (ft)", "Outdoor (\u00B0F)",
                          "Pressure (" + QString::fromLatin1(kPressureUnit) + ")"},
                         {false, false, true, true, true}, rows);
        case Format::Csv: {
            QString out = QStringLiteral("region,place,elevation,outdoor,barometric_pressure\n");
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
            return Json(QJsonDocument(array));
        }
    }
    return {};
}

SweepOutput::SweepOutput(Format format) : format_(format) {
    if (format_ != Format::Csv) return;
    csv_ = QStringLiteral("region,place,elevation,outdoor");
    for (std::size_t q = 0; q < kQuantityCount; ++q)
        for (Arrangement a : kArrangements)
            csv_ += u',' + QString::fromLatin1(ArrangementKey(a)) + u'_' +
                    QString::fromLatin1(Describe(Quantity(q)).key);
    csv_ += u'\n';
}

void SweepOutput::Add(int state, int city, const ComparisonInputs& inputs,
                      const ComparisonReport* report) {
    if (format_ == Format::Csv) {
        csv_ += CsvField(RegionName(state)) + u',' + CsvField(CityName(state, city)) + u',' +
                CsvField(Text(inputs.Elevation)) + u',' + CsvField(Text(inputs.OutdoorTemp));
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            for (Arrangement a : kArrangements)
                csv_ += u',' +
                        (report ? CsvField(Text(report->Value(a, Quantity(q)).text)) : QString());
        csv_ += u'\n';
        return;
    }
    QJsonObject object =
        report ? ComparisonJson(*report) : QJsonObject{{"inputs", InputsJson(inputs)}};
    object.insert("region", RegionName(state));
    object.insert("place", CityName(state, city));
    json_.append(object);
}

QString SweepOutput::Finish() {
    return format_ == Format::Csv ? csv_ : Json(QJsonDocument(json_));
}

}  // namespace vevi
