#include "accessibility.h"

#include <QEvent>
#include <QWidget>

namespace vevi {
namespace {

void Describe(QWidget* widget) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
        widget->setAccessibleDescription(widget->objectName());
    for (QObject* child : widget->children())
        if (child->isWidgetType()) Describe(static_cast<QWidget*>(child));
}
// The toolkit clears the window's record of keyboard use each time the window is shown; it is
// set again once the window is up.
class FocusMarks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

}  // namespace

void DescribeNamedControls(QWidget* window) {
    Describe(window);
}

void ShowFocusMarks(QWidget* window) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    window->installEventFilter(new FocusMarks(window));
}

}  // namespace vevi
