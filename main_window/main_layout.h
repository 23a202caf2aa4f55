// Where the main window's controls and diagram stand, in twips, and how they look.
#pragma once

#include <QColor>

namespace vevi::layout {

inline constexpr double kClientWidth = 10215;
inline constexpr double kClientHeight = 6765;

enum class Style {
    Caption,  // 9.75 pt bold Arial
    Heading,  // the same, underlined
    Value,    // 9.75 pt bold Arial, right-aligned result value
    Small,    // 6 pt regular Arial: reads as a subscript of the caption it stands in
};

enum class Align { Left, Right };

struct LabelSpec {
    const char* name;
    const char* text;
    double left, top, width, height;
    Style style;
    QColor color;  // invalid: the window-text colour
    Align align;
    bool visible;
};

// A small caption placed after `prefix` of its caption's text, slightly lowered.
struct SubscriptSpec {
    const char* name;
    const char* caption;
    const char* prefix;
};

struct BoxSpec {
    const char* name;
    const char* text;
    const char* accessibleName;
    double left, top, width, height;
};

struct ButtonSpec {
    const char* name;
    const char* text;
    double left, top, width, height;
    bool visible;
};

inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kBlue(0, 0, 255);
inline const QColor kWindowText;  // invalid: follow the palette

extern const LabelSpec kLabels[];
extern const int kLabelCount;
extern const SubscriptSpec kSubscripts[];
extern const int kSubscriptCount;
extern const BoxSpec kBoxes[];
extern const int kBoxCount;
extern const ButtonSpec kButtons[];
extern const int kButtonCount;

}  // namespace vevi::layout
