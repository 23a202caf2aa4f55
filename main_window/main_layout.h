// Where the main window's controls stand, in twips, how they look and what part each plays.
#pragma once

#include <QColor>
#include <optional>
#include <vector>

#include "fields.h"
#include "results.h"

namespace vevi::layout {

inline constexpr double kClientWidth = 10215;
inline constexpr double kClientHeight = 6765;

enum class Align { Left, Right };

enum class Style {
    Caption,  // 9.75 pt bold Arial
    Heading,  // the same, underlined
    Value,    // 9.75 pt bold Arial, right-aligned result value
    Small,    // 6 pt regular Arial: reads as a subscript of the caption before it
};

// What a label does when a comparison starts and stops.
enum class Group {
    Fixed,         // always shown, never rewritten
    DischargeRow,  // the limits grid's discharge row caption: "Max." or "Actual"
    RiseRow,       // the rise row caption
    FanTemp,       // never hidden; emptied by a stop
    Common,        // shown by both views
    Detail,        // shown by Details, hidden by Presentation
    Net,           // shown by Details, left as it is by Presentation
};

struct ValueKey {
    Arrangement arrangement;
    Quantity quantity;
};

struct LabelSpec {
    const char* name;
    const char* text;
    double left, top, width, height;  // a small caption is placed after its caption instead
    Style style;
    Align align;
    Group group;
    QColor color;                   // invalid: the window-text colour
    std::optional<ValueKey> value;  // the result a value label shows
    const char* after = nullptr;    // a small caption stands after this part of its caption
    // Where a unit caption stands in SI, beside a box of another width, and how wide it is
    // for the SI symbol; 0: as in inch-pound.
    double siLeft = 0, siWidth = 0;
};

// Where the focus goes from a box: another box, the start button, the location dialog,
// or nowhere.
struct Target {
    enum Kind { None, Box, Go, LocationDialog } kind = None;
    Field field = Field::Elevation;
};

struct BoxSpec {
    Field field;
    const char* name;
    const char* accessibleName;
    double left, top, width, height;
    int selectOnFocus;  // characters selected when the focus arrives
    Target next;        // Enter and Tab
    Target down, up;
    // The text may use the box's inner margins: the box cannot grow to show its widest text
    // with them.
    bool tight = false;
    // Where it stands and how wide it is in SI, for its widest text; 0: as in inch-pound.
    double siLeft = 0, siWidth = 0;
};

enum class Button { SelectCity, Go, ShowFormulas };

struct ButtonSpec {
    Button button;
    const char* name;
    const char* text;
    double left, top, width, height;
    bool visible;
};

inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kBlue(0, 0, 255);

// In the order the controls are created.
const std::vector<LabelSpec>& Labels();
const std::vector<BoxSpec>& Boxes();
const std::vector<ButtonSpec>& Buttons();

}  // namespace vevi::layout
