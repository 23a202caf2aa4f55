// The command line's outputs: a comparison, the place table and the comparison at every
// place, as a readable text, CSV or JSON. CSV cells are plain numbers; JSON gives one
// comparison one shape wherever it appears.
#pragma once

#include <QJsonArray>
#include <QString>
#include <optional>

#include "job_file.h"
#include "results.h"
#include "units.h"

namespace vevi {

enum class Format { Text, Csv, Json };
std::optional<Format> FormatNamed(const QString& name);

inline constexpr int kOutputFormatVersion = 1;

// One CSV field, quoted where it holds a comma, a quote or a line break.
QString CsvField(const QString& field);

// The report is the inch-pound comparison; every figure is shown in `units`.
QString ComparisonOutput(const ComparisonReport& report, Format format,
                         const std::optional<PlaceName>& place = std::nullopt,
                         UnitSystem units = UnitSystem::US);
// Every place, or one region's, with the pressure as the location dialog shows it.
QString PlacesOutput(std::optional<int> region, Format format, UnitSystem units = UnitSystem::US);

// The comparison at every place in turn, CSV or JSON.
class SweepOutput {
public:
    explicit SweepOutput(Format format, UnitSystem units = UnitSystem::US);
    // `report` is null where the inputs give no result at that place.
    void Add(int state, int city, const ComparisonInputs& inputs, const ComparisonReport* report);
    QString Finish();

private:
    Format format_;
    UnitSystem units_;
    QString csv_;
    QJsonArray json_;
};

}  // namespace vevi
