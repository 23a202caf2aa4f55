// Where a window opens and which buttons its frame offers, worked out from what the window
// manager reports about the frame.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

namespace vevi {

// Frame margins that describe a real frame around a window of this size: none negative, not
// all zero, and together smaller than the window. Window managers report passing values while
// they reparent a window (such as a 1x1 frame, which gives large negative margins).
bool HasPlausibleFrame(QMargins frame, QSize window);

// Where the client area of a window goes so that its outer frame is centred on the screen:
// each free difference rounded to whole twips and halved toward zero. The frame counts only
// when it is plausible. The window then stays wholly on the screen's available area (panels
// left clear); one larger than that area keeps its top-left corner, and so its title bar, on
// it. The client area is placed rather than the frame because the toolkit may still hold an
// older frame when it turns a frame position into a client position.
QPoint CentredClientTopLeft(QSize window, QMargins frame, QRect screen, QRect available);

// Flags for a top-level window whose size never changes: a title, a close button and, for a
// main window, a minimise button, but no maximise button, which would do nothing useful.
Qt::WindowFlags FixedSizeWindowFlags(Qt::WindowType type);

}  // namespace vevi
