#include "deferred_icon.h"

#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace vevi {

DeferredIcon::DeferredIcon(QWidget* window, QWidget* painted, const QString& resource)
    : QObject(window), window_(window), resource_(resource) {
    painted->installEventFilter(this);
}

bool DeferredIcon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After the paint has been handled and the picture sent on its way.
        QTimer::singleShot(0, this, [this] { window_->setWindowIcon(QIcon(resource_)); });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vevi
