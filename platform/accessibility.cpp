#include "accessibility.h"

#include <QWidget>

namespace vevi {
namespace {

void Describe(QWidget* widget) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
        widget->setAccessibleDescription(widget->objectName());
    for (QObject* child : widget->children())
        if (child->isWidgetType()) Describe(static_cast<QWidget*>(child));
}

}  // namespace

void DescribeNamedControls(QWidget* window) {
    Describe(window);
}

}  // namespace vevi
