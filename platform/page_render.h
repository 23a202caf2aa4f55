// A window's current image as recorded paint commands, so that pages stay vectors.
#pragma once

#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace vevi {

// Whether the window's own background colour is part of its image. On paper it is left out,
// so that a page is white whatever colours the window is shown in.
enum class Background { Window, Paper };

// The widget's background and its shown children as paint commands in logical pixels:
// text stays text, lines stay lines and pictures stay paths.
QPicture RecordWidget(QWidget& widget, Background background = Background::Window);

// A page's picture: the widget's image with, where `caption` is not empty, one line of text
// under it; `size` is the whole picture's size in logical pixels.
struct PagePicture {
    QPicture picture;
    QSizeF size;
};
PagePicture RecordPage(QWidget& widget, const QString& caption,
                       Background background = Background::Window);

// Plays a picture of `size` logical pixels into `area` (in the painter's coordinates),
// scaled to fit with its proportions kept and centred.
void PlayFitted(QPainter& painter, const QRectF& area, const QPicture& picture, QSizeF size);

// The widget's image on one page of `device`, which paints in dots of `resolution` per inch.
// False when the device could not be started or finished.
bool PaintPage(QPagedPaintDevice& device, int resolution, QWidget& widget,
               Background background = Background::Window);
bool PaintPage(QPagedPaintDevice& device, int resolution, const PagePicture& page);

}  // namespace vevi
