// What each of the nine input fields holds at start, how long its text may be, and the range
// it is held to, with the warning that refuses a value outside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"
#include "units.h"

namespace vevi {

struct FieldRule {
    Field field;
    const char* designText;
    int longestText;  // in the boxes' characters (UTF-16 units); 0: no limit
    double lowest, highest;
    const char* warning;
};

const FieldRule& RuleOf(Field field);

// The text cut to the field's longest text, as a box cuts a text the program puts in.
std::string CutToLongest(Field field, std::string_view utf8);
// The same for a longest text of `longest` UTF-16 units; 0: no limit.
std::string CutToLength(int longest, std::string_view utf8);

// The warning that refuses the text's value, or nothing when the value lies in the range
// (both bounds allowed).
std::optional<std::string> RangeWarning(Field field, std::string_view text);

// A text given other than by typing (a command-line value): nothing, or why it is refused. It
// must be a plain number (an optional sign, digits with at most one point, an optional
// exponent), no longer than the box takes, in the field's range. Never cut, never read as 0.
// In SI the box's length and the range are the SI ones (RangeIn).
std::optional<std::string> StrictValueProblem(Field field, std::string_view text,
                                              UnitSystem system = UnitSystem::US);
// A text from a job file: as the window's box would hold it (no longer than the box takes)
// and in the field's range by the leading-number reading the box uses.
std::optional<std::string> JobTextProblem(Field field, std::string_view text,
                                          UnitSystem system = UnitSystem::US);

// The window's texts for a refused value and for inputs that give no figures.
inline constexpr char kInvalidValueTitle[] = "Invalid Value";
inline constexpr char kNoResultText[] = "The values entered give no result that can be shown";

}  // namespace vevi
