#include "cli_options.h"

#include <QFile>

#include "field_rules.h"
#include "location_table.h"
#include "number_text.h"
#include "place_lookup.h"
#include "utf8_text.h"

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

// The unit of the value in both systems, "FT|M".
QString ValueName(Field field) {
    if (field == Field::Elevation) return QStringLiteral("FT|M");
    if (field == Field::DrawThruFanCapacity || field == Field::BloThruFanCapacity)
        return QStringLiteral("CFM|L/S");
    return QStringLiteral("F|C");
}

// A control character is shown as an escape, so that a message cannot work the terminal.
QString Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            quoted += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString Joined(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) list << FromUtf8(name);
    return list.join(QStringLiteral("; "));
}

QString SiteText(int value) {
    return QString::number(value);
}

// The place's own texts in `units`, which the location dialog writes without a range check.
bool SiteIsThePlaces(const ComparisonInputs& inputs, const std::optional<PlaceName>& place,
                     UnitSystem units) {
    if (!place) return false;
    const auto found = FindPlace(ToUtf8(place->region), ToUtf8(place->place));
    if (!found) return false;
    const CityValues values = *LocationTable::LookUpCity(found->state, found->city);
    const auto siteText = [units](Field field, int value) {
        return ConvertedFieldText(field, ToUtf8(SiteText(value)), UnitSystem::US, units);
    };
    return inputs.Elevation == siteText(Field::Elevation, values.ElevationFeet) &&
           inputs.OutdoorTemp == siteText(Field::OutdoorTemp, values.DesignTempF);
}

// The field's unit in both systems, for the help: "°F (°C with --units si)".
QString BothUnits(Field field) {
    const Measure measure = MeasureOf(field);
    return FromUtf8(Symbol(measure, UnitSystem::US)) + " (" +
           FromUtf8(Symbol(measure, UnitSystem::SI)) + " with --units si)";
}

// Standard input when the path is "-", read as a file would be, within the same bound.
JobRead ReadJobArgument(const QString& path) {
    if (path != QLatin1String("-")) return ReadJob(path);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {std::nullopt, "standard input cannot be read (" + in.errorString() + ")"};
    const QByteArray bytes = in.read(kLargestJobFile + 1);
    if (in.error() != QFileDevice::NoError)
        return {std::nullopt, "standard input cannot be read (" + in.errorString() + ")"};
    return ParseJob(bytes);
}

}  // namespace

QString OptionName(Field field) {
    return QString::fromLatin1(JobInputKey(field)).replace(u'_', u'-');
}

void AddInputOptions(QCommandLineParser& parser, Site site) {
    for (const InputLabel& input : kInputLabels) {
        if (site == Site::FromEachPlace && IsSite(input.field)) continue;
        const FieldRule& rule = RuleOf(input.field);
        const QString us = QString::fromLatin1(rule.designText);
        const QString si = FromUtf8(FieldTextIn(input.field, rule.designText, UnitSystem::SI));
        parser.addOption(QCommandLineOption(OptionName(input.field),
                                            QStringLiteral("%1, %2 (default %3).")
                                                .arg(FromUtf8(input.label), BothUnits(input.field),
                                                     us == si ? us : us + "; " + si + " in SI"),
                                            ValueName(input.field)));
        if (site == Site::FromOptions && input.field == Field::Elevation)
            parser.addOption(QCommandLineOption(
                "place",
                "Elevation and outdoor design temperature of a built-in place, as "
                "\"REGION/PLACE\" (see 'vevi places').",
                "REGION/PLACE"));
    }
    parser.addOption(QCommandLineOption(
        "job",
        "Start from the texts of a job file ('-' reads it from standard input); options given "
        "beside it override them.",
        "FILE.vevi"));
}

void TakeSite(ComparisonInputs& inputs, int state, int city) {
    const CityValues values = *LocationTable::LookUpCity(state, city);
    inputs.Elevation = ToUtf8(SiteText(values.ElevationFeet));
    inputs.OutdoorTemp = ToUtf8(SiteText(values.DesignTempF));
}

QCommandLineOption UnitsOption() {
    return QCommandLineOption(
        "units",
        "The units of the values given and shown: us (inch-pound: \u00B0F, "
        "ft, cfm, MBH, in. Hg) or si (\u00B0C, m, L/s, kW, kPa) (default us).",
        "us|si", "us");
}

std::optional<UnitSystem> UnitsNamed(const QString& name) {
    return UnitSystemFromKey(ToUtf8(name));
}

ComparisonInputs InchPoundTexts(const Gathered& gathered) {
    ComparisonInputs texts = gathered.inputs;
    for (Field field : kJobFields) {
        if (gathered.textUnits[static_cast<std::size_t>(field)] == UnitSystem::US) continue;
        texts.Text(field) = PlainNumberText(
            InchPoundNumber(field, gathered.inputs.FieldText(field), UnitSystem::SI));
    }
    return texts;
}

ComparisonInputs TextsIn(const Gathered& gathered, UnitSystem units) {
    ComparisonInputs texts;
    for (Field field : kJobFields)
        texts.Text(field) =
            ConvertedFieldText(field, gathered.inputs.FieldText(field),
                               gathered.textUnits[static_cast<std::size_t>(field)], units);
    return texts;
}

QStringList JobTextProblems(const ComparisonInputs& inputs, const std::optional<PlaceName>& place,
                            const QString& command, const QString& source, UnitSystem units) {
    QStringList problems;
    const bool placeSite = SiteIsThePlaces(inputs, place, units);
    for (Field field : kJobFields) {
        if (placeSite && IsSite(field)) continue;
        const std::string text = inputs.FieldText(field);
        if (const auto problem = JobTextProblem(field, text, units))
            problems << "vevi " + command + ": " + source + ": " +
                            QLatin1String(JobInputKey(field)) + u' ' + Quoted(FromUtf8(text)) +
                            ": " + FromUtf8(*problem);
    }
    return problems;
}

Gathered GatherInputs(const QCommandLineParser& parser, Site site, const QString& command,
                      UnitSystem units) {
    Gathered g;
    const QString prefix = "vevi " + command + ": ";
    auto refuse = [&g, &prefix](int code, const QString& line) {
        g.exitCode = code;
        g.errors << prefix + line;
        return g;
    };
    const bool placeGiven = site == Site::FromOptions && parser.isSet("place");
    if (placeGiven && (parser.isSet("elevation") || parser.isSet("outdoor")))
        return refuse(kExitUsage, kPlaceConflict);

    if (parser.isSet("job")) {
        const QString path = parser.value("job");
        const QString source =
            path == QLatin1String("-") ? QStringLiteral("job on standard input") : "job " + path;
        JobRead read = ReadJobArgument(path);
        if (!read.job) return refuse(kExitUsage, "Cannot open " + source + ": " + read.error);
        g.inputs = read.job->inputs;
        g.textUnits.fill(read.job->units);
        g.place = std::move(read.job->place);
        g.note = read.job->note;
        const QStringList problems =
            JobTextProblems(g.inputs, g.place, command, source, read.job->units);
        if (!problems.isEmpty()) {
            g.errors = problems;
            g.exitCode = kExitRefused;
            return g;
        }
    }

    if (placeGiven) {
        const QString name = parser.value("place");
        const std::string wanted = ToUtf8(name);
        const auto found = FindPlace(wanted);
        if (!found) {
            const auto same = PlacesNamed(wanted);
            if (!same.empty()) {
                std::vector<std::string> names;
                for (const PlaceIndex& place : same) names.push_back(FullPlaceName(place));
                return refuse(kExitUsage, "--place " + Quoted(name) +
                                              ": give the region too: " + Joined(names));
            }
            return refuse(kExitUsage, "Unknown place " + Quoted(name) +
                                          ". Nearest: " + Joined(NearestPlaces(wanted)));
        }
        TakeSite(g.inputs, found->state, found->city);
        for (Field field : {Field::Elevation, Field::OutdoorTemp})
            g.textUnits[static_cast<std::size_t>(field)] = UnitSystem::US;
        g.place = PlaceName{FromUtf8(RegionName(found->state)),
                            FromUtf8(CityName(found->state, found->city))};
    }

    for (const InputLabel& input : kInputLabels) {
        if (site == Site::FromEachPlace && IsSite(input.field)) continue;
        const QString option = OptionName(input.field);
        if (!parser.isSet(option)) continue;
        const QString value = parser.value(option);
        const std::string text = ToUtf8(value);
        if (const auto problem = StrictValueProblem(input.field, text, units)) {
            g.errors << prefix + "--" + option + u' ' + Quoted(value) + ": " + FromUtf8(*problem);
            continue;
        }
        g.inputs.Text(input.field) = text;
        g.textUnits[static_cast<std::size_t>(input.field)] = units;
        if (IsSite(input.field)) g.place.reset();  // it no longer says where the site is
    }
    if (!g.errors.isEmpty()) g.exitCode = kExitRefused;
    return g;
}

}  // namespace vevi
