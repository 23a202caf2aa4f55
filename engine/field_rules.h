// What each of the nine input fields holds at start, how long its text may be, and the range
// it is held to, with the warning that refuses a value outside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields.h"

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

}  // namespace vevi
