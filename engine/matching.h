// Working the two blower capacities back from a desired capacity or airflow.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "shared_values.h"

namespace vevi {

enum class MatchKind { Input, Output, Net, Airflow };

// The desired figure of an answer, or nothing where the command ends without a change:
// the answer's leading number is not above 0. The figure itself is the whole answer read
// with its thousands separators ("12,345.6" is 12345.6); text after it is ignored.
std::optional<double> ReadMatchAnswer(std::string_view answer);

struct MatchedCapacities {
    double BloThruCfm = 0;
    double DrawThruCfm = 0;
};

// The capacities (cfm) for a desired figure, or nothing where a divisor is zero or the
// arithmetic gives no finite result. The capacity calculations update the shared values.
std::optional<MatchedCapacities> MatchFanCapacityToOutput(double output, const FieldReader& f,
                                                          SharedValues& shared);
std::optional<MatchedCapacities> MatchCapacities(MatchKind kind, double desired,
                                                 const FieldReader& f, SharedValues& shared);

// The texts written into the two fan-capacity boxes.
std::string BloThruCapacityText(double cfm);
std::string DrawThruCapacityText(double cfm);

// What the command asks for ("Enter the desired input capacity for each heater (MBH):"),
// under this title.
const char* MatchPrompt(MatchKind kind);
inline constexpr const char* kMatchPromptTitle = "Enter Data";

// The two capacity texts, or why they cannot be written: a capacity longer than its box
// would be cut to a tenth of itself, so it is refused instead (one line per capacity).
struct MatchedTexts {
    std::string bloThru, drawThru;
    std::string tooLong;  // empty: both fit
};
MatchedTexts MatchedCapacityTexts(const MatchedCapacities& matched);

}  // namespace vevi
