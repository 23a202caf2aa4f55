// main() of a window test executable: the offscreen platform unless another is set, and a
// guard that fails any test during which a modal window opens outside the prompts seam (such
// a window would wait for a user who is not there).
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "test_main.h"

namespace vevi_test {

// Watches every window that shows; a modal one fails the running test and is closed, so the
// test goes on instead of hanging.
class ModalGuard : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal()) {
                QTest::qFail(qPrintable("a modal window opened: " + widget->objectName() + " " +
                                        widget->windowTitle()),
                             __FILE__, __LINE__);
                QTimer::singleShot(0, widget, [widget] {
                    if (auto* dialog = qobject_cast<QDialog*>(widget))
                        dialog->reject();
                    else
                        widget->close();
                });
            }
        }
        return false;
    }
};

inline void UseOffscreenUnlessSet() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace vevi_test

// main() of a window test executable.
template <class... Tests>
int RunWindowTests(int argc, char** argv) {
    vevi_test::UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    vevi_test::ModalGuard guard;
    app.installEventFilter(&guard);
    return RunTests<Tests...>(argc, argv);
}
