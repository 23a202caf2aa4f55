// Job files: the nine input texts of a comparison, the place they came from and a note, kept
// as a small UTF-8 JSON file that both the window and the command line open and save.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "comparison.h"
#include "fields.h"
#include "units.h"

namespace vevi {

// A place of the built-in table, by its names as the location dialog lists them.
struct PlaceName {
    QString region;
    QString place;
};

struct Job {
    ComparisonInputs inputs;  // the texts exactly as typed
    std::optional<PlaceName> place;
    QString note;
    // The units the texts are in ("units": "us" or "si"). A file without the key was written
    // before there were units to choose, so its texts are inch-pound.
    UnitSystem units = UnitSystem::US;
};

// The job, or the reason it cannot be opened (a sentence fragment to follow "Cannot open job
// FILE: ", also shown under "Cannot Open Job").
struct JobRead {
    std::optional<Job> job;
    QString error;
};

inline constexpr int kJobFormatVersion = 1;
inline constexpr qint64 kLargestJobFile = 64 * 1024;  // bytes; a job needs well under 1 KB

// The fields in the order the file lists them, and each one's key under "inputs".
inline constexpr std::array kJobFields = {
    Field::IndoorTemp,      Field::OutdoorTemp,      Field::Elevation,
    Field::DrawThruDisTemp, Field::DrawThruTempRise, Field::DrawThruFanCapacity,
    Field::BloThruDisTemp,  Field::BloThruTempRise,  Field::BloThruFanCapacity,
};
static_assert(kJobFields.size() == kFieldCount);
const char* JobInputKey(Field field);  // "draw_thru_capacity"

// Refuses folders, pipes and other non-regular files before opening them (opening a FIFO
// would block), and files larger than kLargestJobFile before reading them.
JobRead ReadJob(const QString& path);
JobRead ParseJob(const QByteArray& bytes);

// The file's bytes for a job.
QByteArray JobBytes(const Job& job);
// Writes through a temporary file renamed into place, so a failure leaves an earlier file
// as it was. Gives "" or the reason it failed.
QString WriteJob(const Job& job, const QString& path);

}  // namespace vevi
