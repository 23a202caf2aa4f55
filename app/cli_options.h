// The options that set a comparison's inputs, and how their texts become the inputs: strictly,
// never cut or read as 0; job texts are checked as the window's boxes would check them.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "comparison.h"
#include "job_file.h"
#include "report_text.h"

namespace vevi {

QString OptionName(Field field);  // "draw-thru-capacity"

// Whether the command takes the site (elevation, outdoor temperature, place) as options or
// from every place in turn.
enum class Site { FromOptions, FromEachPlace };

void AddInputOptions(QCommandLineParser& parser, Site site);

inline constexpr int kExitRefused = 1;  // a value refused, no result, or nothing written
inline constexpr int kExitUsage = 2;    // a usage error, an unknown name or an unreadable job

inline constexpr char kPlaceConflict[] =
    "--place sets the elevation and the outdoor temperature: give it without --elevation and "
    "--outdoor.";

struct Gathered {
    ComparisonInputs inputs;  // each text in the units textUnits gives for its field
    std::array<UnitSystem, kFieldCount> textUnits{};  // inch-pound unless given in SI
    std::optional<PlaceName> place;  // the place the site texts came from, if they did
    QString note;
    int exitCode = 0;    // 0 when the inputs can be used
    QStringList errors;  // one line each, for standard error
};

// Design texts, then the job file's texts (--job, "-" for standard input) in the job's units,
// then the place (--place), then the options, read and checked in `units`. Each refusal is one
// line starting "vevi COMMAND: ". A place's own figures are taken as the location dialog takes
// them, unchecked.
Gathered GatherInputs(const QCommandLineParser& parser, Site site, const QString& command,
                      UnitSystem units);

// The texts the comparison reads: inch-pound texts as given, SI ones converted exactly.
ComparisonInputs InchPoundTexts(const Gathered& gathered);
// Every text as a box in `units` would hold it, for a job in those units.
ComparisonInputs TextsIn(const Gathered& gathered, UnitSystem units);

// The refusals of the texts of a job in `units`, as `source` ("job FILE") names it: each line
// names the field and gives the window's warning.
QStringList JobTextProblems(const ComparisonInputs& inputs, const std::optional<PlaceName>& place,
                            const QString& command, const QString& source, UnitSystem units);

// The --units option: its name and help, and the system a value names.
QCommandLineOption UnitsOption();
std::optional<UnitSystem> UnitsNamed(const QString& name);

// The texts a place gives the elevation and outdoor boxes: whole numbers, as the location
// dialog's OK copies them.
void TakeSite(ComparisonInputs& inputs, int state, int city);

}  // namespace vevi
