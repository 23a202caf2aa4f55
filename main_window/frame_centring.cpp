#include "frame_centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "window_frame.h"

namespace vevi {

FrameCentring::FrameCentring(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

// On the screen the window opens on.
void FrameCentring::Centre() {
    const QScreen* s = window_->screen();
    if (!s) return;
    const QWindow* w = window_->windowHandle();
    const QMargins frame = w ? w->frameMargins() : QMargins();
    const QSize size = window_->sizeHint();
    window_->setGeometry(
        QRect(CentredClientTopLeft(size, frame, s->geometry(), s->availableGeometry()), size));
}

bool FrameCentring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (waitingForFrame_ && watched == window_ &&
        (type == QEvent::Move || type == QEvent::Show || type == QEvent::WindowActivate ||
         type == QEvent::Paint)) {
        const QWindow* w = window_->windowHandle();
        // Window managers report passing margins while they reparent a window: only a
        // plausible frame counts, and without one the first centring stays.
        if (w && HasPlausibleFrame(w->frameMargins(), window_->sizeHint())) {
            waitingForFrame_ = false;
            Centre();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vevi
