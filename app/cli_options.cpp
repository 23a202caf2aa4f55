#include "cli_options.h"

#include "field_rules.h"
#include "location_table.h"
#include "place_lookup.h"

namespace vevi {
namespace {

// The options are offered, and a report lists the inputs, in the job file's order.
constexpr bool LabelsInJobOrder() {
    for (std::size_t i = 0; i < kJobFields.size(); ++i)
        if (kInputLabels[i].field != kJobFields[i]) return false;
    return true;
}
static_assert(LabelsInJobOrder());

bool IsSite(Field field) {
    return field == Field::Elevation || field == Field::OutdoorTemp;
}

QString ValueName(Field field) {
    if (field == Field::Elevation) return QStringLiteral("FT");
    if (field == Field::DrawThruFanCapacity || field == Field::BloThruFanCapacity)
        return QStringLiteral("CFM");
    return QStringLiteral("F");
}

std::string Cut(Field field, const QString& text) {
    return CutToLongest(field, text.toStdString());
}

}  // namespace

QString OptionName(Field field) {
    return QString::fromLatin1(JobInputKey(field)).replace(u'_', u'-');
}

void AddInputOptions(QCommandLineParser& parser, Site site) {
    for (const InputLabel& input : kInputLabels) {
        if (site == Site::FromEachPlace && IsSite(input.field)) continue;
        const FieldRule& rule = RuleOf(input.field);
        parser.addOption(QCommandLineOption(
            OptionName(input.field),
            QStringLiteral("%1, %2 (default %3).")
                .arg(QString::fromUtf8(input.label), QString::fromUtf8(input.unit),
                     QString::fromLatin1(rule.designText)),
            ValueName(input.field)));
        if (site == Site::FromOptions && input.field == Field::Elevation)
            parser.addOption(QCommandLineOption(
                "place",
                "Elevation and outdoor design temperature of a built-in place, as "
                "\"REGION/PLACE\" (see 'vevi places').",
                "REGION/PLACE"));
    }
    parser.addOption(QCommandLineOption(
        "job", "Start from the texts of a job file; options given beside it override them.",
        "FILE.vevi"));
}

void TakeSite(ComparisonInputs& inputs, int state, int city) {
    const CityValues values = *LocationTable::LookUpCity(state, city);
    inputs.Elevation = Cut(Field::Elevation, QString::number(values.ElevationFeet));
    inputs.OutdoorTemp = Cut(Field::OutdoorTemp, QString::number(values.DesignTempF));
}

Gathered GatherInputs(const QCommandLineParser& parser, Site site, Check check) {
    Gathered g;
    auto refuse = [&g](int code, const QString& line) {
        g.exitCode = code;
        g.errors << line;
        return g;
    };
    const bool placeGiven = site == Site::FromOptions && parser.isSet("place");
    if (placeGiven && (parser.isSet("elevation") || parser.isSet("outdoor")))
        return refuse(kExitUsage, kPlaceConflict);

    if (parser.isSet("job")) {
        const QString path = parser.value("job");
        JobRead read = ReadJob(path);
        if (!read.job) return refuse(kExitUsage, "Cannot open job " + path + ": " + read.error);
        for (Field field : kJobFields)
            g.inputs.Text(field) = CutToLongest(field, read.job->inputs.FieldText(field));
        g.place = std::move(read.job->place);
        g.note = read.job->note;
    }

    if (placeGiven) {
        const QString name = parser.value("place");
        const auto found = FindPlace(name);
        if (!found)
            return refuse(kExitUsage, "Unknown place \"" + name + "\". Nearest: " +
                                          NearestPlaces(name).join(QStringLiteral("; ")));
        TakeSite(g.inputs, found->state, found->city);
        g.place = PlaceName{RegionName(found->state), CityName(found->state, found->city)};
    }

    for (const InputLabel& input : kInputLabels) {
        if (site == Site::FromEachPlace && IsSite(input.field)) continue;
        const QString option = OptionName(input.field);
        if (!parser.isSet(option)) continue;
        const std::string text = Cut(input.field, parser.value(option));
        if (check == Check::Ranges)
            if (const auto warning = RangeWarning(input.field, text))
                g.errors << QString::fromStdString(*warning);
        g.inputs.Text(input.field) = text;
        if (IsSite(input.field)) g.place.reset();  // it no longer says where the site is
    }
    if (!g.errors.isEmpty()) g.exitCode = kExitRefused;
    return g;
}

}  // namespace vevi
