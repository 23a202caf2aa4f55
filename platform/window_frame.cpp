#include "window_frame.h"

#include <algorithm>
#include <cmath>

#include "twips.h"

namespace vevi {
namespace {

// Half the free room, counted as the window's own geometry is: in whole twips, halved toward
// zero.
int HalfFreeRoom(int free) {
    return Px(std::trunc(std::round(ToTwips(free)) / 2));
}

// The start of a span of the given length within [first, first + room), at most the wanted one.
int Within(int wanted, int first, int room, int length) {
    return std::max(first, std::min(wanted, first + room - length));
}

}  // namespace

bool HasPlausibleFrame(QMargins frame, QSize window) {
    if (frame.isNull()) return false;
    if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0)
        return false;
    return frame.left() + frame.right() < window.width() &&
           frame.top() + frame.bottom() < window.height();
}

QPoint CentredClientTopLeft(QSize window, QMargins frame, QRect screen, QRect available) {
    if (!HasPlausibleFrame(frame, window)) frame = QMargins();
    const QSize outer = window.grownBy(frame);
    const int left = screen.left() + HalfFreeRoom(screen.width() - outer.width());
    const int top = screen.top() + HalfFreeRoom(screen.height() - outer.height());
    return QPoint(Within(left, available.left(), available.width(), outer.width()),
                  Within(top, available.top(), available.height(), outer.height())) +
           QPoint(frame.left(), frame.top());
}

Qt::WindowFlags FixedSizeWindowFlags(Qt::WindowType type) {
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (type == Qt::Window)
        flags |= Qt::WindowMinimizeButtonHint;
    else
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

}  // namespace vevi
