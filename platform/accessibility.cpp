#include "accessibility.h"

#include <QEvent>
#include <QWidget>

namespace vevi {
namespace {

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
    if (!window->objectName().isEmpty()) window->setAccessibleDescription(window->objectName());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            w->setAccessibleDescription(w->objectName());
    }
}

void ShowFocusMarks(QWidget* window) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    window->installEventFilter(new FocusMarks(window));
}

}  // namespace vevi
