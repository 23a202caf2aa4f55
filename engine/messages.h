// Messages that the window and the command line both give, worded once.
#pragma once

namespace vevi {

// The title of a warning about a value the program refuses.
inline constexpr const char* kInvalidValueTitle = "Invalid Value";
// The inputs give no finite result (an elevation with no pressure, overflowing arithmetic).
inline constexpr const char* kNoResultMessage =
    "The values entered give no result that can be shown";

}  // namespace vevi
