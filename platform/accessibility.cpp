#include "accessibility.h"

#include <QEvent>
#include <QFocusFrame>
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

// Follows one control: the ring shows while the control has the focus.
class FocusRing : public QObject {
public:
    FocusRing(QWidget* control, QFocusFrame* ring) : QObject(control), ring_(ring) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) ring_->setWidget(static_cast<QWidget*>(watched));
        if (event->type() == QEvent::FocusOut) ring_->setWidget(nullptr);
        return false;
    }

private:
    QFocusFrame* ring_;
};

}  // namespace

void DescribeNamedControls(QWidget* window) {
    Describe(window);
}

void ShowFocusMarks(QWidget* window) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    window->installEventFilter(new FocusMarks(window));
}

QFocusFrame* RingFocus(QWidget* control) {
    auto* ring = new QFocusFrame(control);
    ring->setObjectName(control->objectName() + "_focus");
    ring->hide();
    // In the colour of the style's other focus marks, which keeps 3:1 on a light window.
    QPalette palette = ring->palette();
    palette.setBrush(QPalette::WindowText, control->palette().brush(QPalette::Highlight));
    ring->setPalette(palette);
    control->installEventFilter(new FocusRing(control, ring));
    return ring;
}

}  // namespace vevi
