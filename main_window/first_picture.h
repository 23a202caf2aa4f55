// Says once that a window's first picture is up. What that picture does not show (the icon,
// the labels of the results) waits for it, so that the window appears sooner.
#pragma once

#include <QObject>

class QWidget;

namespace vevi {

class FirstPicture : public QObject {
    Q_OBJECT
public:
    // `painted` is the widget whose first paint is the window's first picture.
    explicit FirstPicture(QWidget* painted);

signals:
    // Once, after the first paint has been handled and the picture sent on its way.
    void shown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vevi
