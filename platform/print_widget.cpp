#include "print_widget.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace vevi {

bool PrintWidget(QPrinter& printer, QWidget& widget) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = widget.size();
    if (size.isEmpty()) return painter.end();
    // The widget paints in logical pixels (96 dpi); the page is in printer dots.
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2,
                      (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    widget.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

}  // namespace vevi
