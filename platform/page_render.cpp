#include "page_render.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "fonts.h"

namespace vevi {
namespace {

// Blank around the caption line (logical pixels).
constexpr int kCaptionGap = 6;

}  // namespace

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

PagePicture RecordPage(QWidget& widget, const QString& caption, Background background) {
    const QPicture image = RecordWidget(widget, background);
    if (caption.isEmpty()) return {image, widget.size()};
    const QFont font = MakeFont(FontFace::Arial, 8.25);
    const QFontMetrics metrics(font);
    const int width =
        std::max(widget.width(), metrics.horizontalAdvance(caption) + 2 * kCaptionGap);
    const int height = widget.height() + metrics.height() + 2 * kCaptionGap;
    PagePicture page{QPicture(), QSizeF(width, height)};
    QPainter painter(&page.picture);
    // The caption stands on the window's own background, as the image does.
    if (background == Background::Window)
        painter.fillRect(QRect(0, 0, width, height), widget.palette().window());
    painter.drawPicture(0, 0, image);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(QRect(kCaptionGap, widget.height() + kCaptionGap, width - 2 * kCaptionGap,
                           metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.end();
    page.picture.setBoundingRect(QRect(0, 0, width, height));
    return page;
}

bool PaintPage(QPagedPaintDevice& device, int resolution, const PagePicture& page) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the top-left corner of the printable area.
    const QRectF paintable = device.pageLayout().paintRectPixels(resolution);
    PlayFitted(painter, QRectF(QPointF(0, 0), paintable.size()), page.picture, page.size);
    return painter.end();
}

bool PaintPage(QPagedPaintDevice& device, int resolution, QWidget& widget, Background background) {
    // Recorded first, so the window's image is taken before the device starts a page.
    return PaintPage(device, resolution, RecordPage(widget, QString(), background));
}

}  // namespace vevi
