#include "first_picture.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vevi {

FirstPicture::FirstPicture(QWidget* painted) : QObject(painted) {
    painted->installEventFilter(this);
}

bool FirstPicture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &FirstPicture::shown);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vevi
