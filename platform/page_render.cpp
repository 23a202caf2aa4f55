#include "page_render.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace vevi {

QPicture RecordWidget(QWidget& widget, Background background) {
    // Rendered straight onto a printer, a widget goes through one large pixmap; rendered
    // into a picture, it keeps its paint commands, which any painter plays back as vectors.
    QPicture picture;
    if (background == Background::Window) {
        widget.render(&picture, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
        return picture;
    }
    // A widget that fills its own background paints it whatever the flags say.
    const bool fills = widget.autoFillBackground();
    widget.setAutoFillBackground(false);
    widget.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    widget.setAutoFillBackground(fills);
    return picture;
}

void PlayFitted(QPainter& painter, const QRectF& area, const QPicture& picture, QSizeF size) {
    if (size.isEmpty()) return;
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.save();
    painter.translate(area.left() + (area.width() - size.width() * scale) / 2,
                      area.top() + (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    // Playing a picture enlarges it by the device's resolution over the picture's own; the
    // scale above already brings it to the area, so take that back out.
    const QPaintDevice* device = painter.device();
    painter.scale(double(picture.logicalDpiX()) / device->logicalDpiX(),
                  double(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

bool PaintPage(QPagedPaintDevice& device, int resolution, QWidget& widget, Background background) {
    // Recorded first, so the window's image is taken before the device starts a page.
    const QPicture picture = RecordWidget(widget, background);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the top-left corner of the printable area.
    const QRectF paintable = device.pageLayout().paintRectPixels(resolution);
    PlayFitted(painter, QRectF(QPointF(0, 0), paintable.size()), picture, widget.size());
    return painter.end();
}

}  // namespace vevi
