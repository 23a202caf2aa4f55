// Makes a window's named controls findable by automation over the accessibility bridge, and
// its focus visible to keyboard users.
#pragma once

class QFocusFrame;
class QWidget;

namespace vevi {

// Every named widget (the window included) carries its objectName as its accessible
// description; the bridge exposes no object names.
void DescribeNamedControls(QWidget* window);

// The style draws the focus mark of a focused button or list however the focus got there: by
// the keyboard, by the mouse or by the program. The toolkit shows it only after Tab was used,
// but these windows move the focus themselves, from Enter and the arrow keys.
void ShowFocusMarks(QWidget* window);

// A ring drawn around the control while it has the focus, for controls on which the style draws
// no focus mark of its own (a list whose selected row is also its current one). The ring is
// a sibling of the control, named after it with "_focus".
QFocusFrame* RingFocus(QWidget* control);

}  // namespace vevi
