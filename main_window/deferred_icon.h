// Gives a window its icon once its first picture is up. The icon is no part of that picture,
// and rendering it at each size the window manager asks for would hold the start up.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vevi {

class DeferredIcon : public QObject {
    Q_OBJECT
public:
    // `painted` is the widget whose first paint is the window's first picture.
    DeferredIcon(QWidget* window, QWidget* painted, const QString& resource);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QString resource_;
};

}  // namespace vevi
