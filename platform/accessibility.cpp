#include "accessibility.h"

#include <QWidget>

namespace vevi {

void DescribeNamedControls(QWidget* window) {
    if (!window->objectName().isEmpty()) window->setAccessibleDescription(window->objectName());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            w->setAccessibleDescription(w->objectName());
    }
}

}  // namespace vevi
