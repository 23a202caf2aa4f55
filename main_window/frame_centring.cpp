#include "frame_centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "twips.h"

namespace vevi {

FrameCentring::FrameCentring(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

void FrameCentring::Centre() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    QSize frame = window_->sizeHint();
    if (const QWindow* w = window_->windowHandle()) frame = frame.grownBy(w->frameMargins());
    // Each difference rounded to whole twips first, the halving truncated toward zero.
    const double left = std::trunc(std::round(ToTwips(s.width() - frame.width())) / 2);
    const double top = std::trunc(std::round(ToTwips(s.height() - frame.height())) / 2);
    window_->move(s.left() + Px(left), s.top() + Px(top));
}

bool FrameCentring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (waitingForFrame_ && watched == window_ &&
        (type == QEvent::Move || type == QEvent::Show || type == QEvent::WindowActivate ||
         type == QEvent::Paint)) {
        const QWindow* w = window_->windowHandle();
        if (w && !w->frameMargins().isNull()) {
            waitingForFrame_ = false;
            Centre();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vevi
