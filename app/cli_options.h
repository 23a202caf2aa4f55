// The options that set a comparison's inputs, and how their texts become the inputs: cut to
// the box's longest text and checked against its range, as the window reads what a user types.
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
// Whether typed values are range-checked or only cut to length.
enum class Check { Ranges, LengthOnly };

void AddInputOptions(QCommandLineParser& parser, Site site);

inline constexpr int kExitRefused = 1;  // a value refused, no result, or nothing written
inline constexpr int kExitUsage = 2;    // a usage error, an unknown name or an unreadable job

inline constexpr char kPlaceConflict[] =
    "--place sets the elevation and the outdoor temperature: give it without --elevation and "
    "--outdoor.";

struct Gathered {
    ComparisonInputs inputs;
    std::optional<PlaceName> place;  // the place the site texts came from, if they did
    QString note;
    int exitCode = 0;    // 0 when the inputs can be used
    QStringList errors;  // one line each, for standard error
};

// Design texts, then the job file's texts (--job), then the place (--place), then the typed
// options. Texts from a job or a place are cut as the boxes cut what the program puts in;
// only typed texts are range-checked, as the window checks only what the user types.
Gathered GatherInputs(const QCommandLineParser& parser, Site site, Check check);

// The texts a place gives the elevation and outdoor boxes: whole numbers, as the location
// dialog's OK copies them.
void TakeSite(ComparisonInputs& inputs, int state, int city);

}  // namespace vevi
