// Fuzzes the reading of job files.
//
// Checks: nothing crashes or hangs; a refused file always says why; a job that reads writes
// back (when it fits a job file) to bytes that read as the same job.
#include <QByteArray>
#include <cstdint>

#include "job_file.h"

using namespace vevi;

namespace {

bool Same(const Job& a, const Job& b) {
    for (Field field : kJobFields)
        if (a.inputs.FieldText(field) != b.inputs.FieldText(field)) return false;
    if (a.place.has_value() != b.place.has_value()) return false;
    if (a.place && (a.place->region != b.place->region || a.place->place != b.place->place))
        return false;
    return a.note == b.note;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const JobRead read = ParseJob(bytes);
    if (!read.job) {
        if (read.error.isEmpty()) __builtin_trap();
        return 0;
    }
    if (!read.error.isEmpty()) __builtin_trap();
    const QByteArray written = JobBytes(*read.job);
    if (written.size() > kLargestJobFile) return 0;  // WriteJob refuses it
    const JobRead again = ParseJob(written);
    if (!again.job || !Same(*read.job, *again.job)) __builtin_trap();
    return 0;
}
