// Keeps a window's outer frame, title bar included, centred on the screen: once at once, and
// again when the window manager has reported the frame, which it does only once the window
// is up.
#pragma once

#include <QObject>

class QWidget;

namespace vevi {

class FrameCentring : public QObject {
    Q_OBJECT
public:
    explicit FrameCentring(QWidget* window);

    void Centre();
    // Centres again at the first sign of a frame from the window manager.
    void CentreOnceFramed() { waitingForFrame_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool waitingForFrame_ = false;
};

}  // namespace vevi
