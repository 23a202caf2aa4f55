#include "page_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>
#include <cmath>

#include "checked_write.h"
#include "page_render.h"

namespace vevi {
namespace {

QString CouldNotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString NotDrawn(const QString& path) {
    return CouldNotWrite(path, QStringLiteral("the image could not be drawn"));
}

// The paper a local user most likely has, upright, as a printer starts out.
QPageLayout DefaultPageLayout() {
    const QPageSize size(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                             ? QPageSize::Letter
                             : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

}  // namespace

// The file is made in memory and written in one checked piece: the generators do not all
// notice a short write (a full disk), and a partial file must never replace a whole one.
QString WriteFileBytes(const QString& path, const QByteArray& bytes) {
    const QString reason = WriteAtomically(path, bytes);
    return reason.isEmpty() ? QString() : CouldNotWrite(path, reason);
}

QString WriteWidgetPdf(QWidget& widget, const QString& path, const QString& title,
                       const QString& caption) {
    const PagePicture page = RecordPage(widget, caption);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageLayout(DefaultPageLayout());
        painted = PaintPage(writer, writer.resolution(), page);
    }
    return painted ? WriteFileBytes(path, buffer.data()) : NotDrawn(path);
}

QString WriteWidgetSvg(QWidget& widget, const QString& path, const QString& title,
                       const QString& caption) {
    const PagePicture page = RecordPage(widget, caption);
    const QSize size = page.size.toSize();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(title);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // At the picture's own resolution the drawing's units are the widget's logical pixels.
    generator.setResolution(page.picture.logicalDpiX());
    QPainter painter;
    if (!painter.begin(&generator)) return NotDrawn(path);
    PlayFitted(painter, QRectF(QPointF(0, 0), page.size), page.picture, page.size);
    if (!painter.end()) return NotDrawn(path);
    return WriteFileBytes(path, buffer.data());
}

QString WriteWidgetPng(QWidget& widget, const QString& path, double scale, const QString& caption) {
    if (!(scale > 0) || !std::isfinite(scale))
        return CouldNotWrite(path, QStringLiteral("the scale must be above 0"));
    const PagePicture page = RecordPage(widget, caption);
    // Far beyond any screen or slide; also keeps the rounding below within int.
    constexpr double kLargestSide = 32767;
    if (page.size.width() * scale > kLargestSide || page.size.height() * scale > kLargestSide)
        return CouldNotWrite(path, QStringLiteral("the image is too large"));
    const QSize pixels(static_cast<int>(std::lround(page.size.width() * scale)),
                       static_cast<int>(std::lround(page.size.height() * scale)));
    if (pixels.isEmpty()) return CouldNotWrite(path, QStringLiteral("the window has no area"));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return CouldNotWrite(path, QStringLiteral("the image is too large"));
    // The painter works in the widget's logical pixels; the image holds `scale` times as many,
    // and says so: 96 dpi times the scale.
    image.setDevicePixelRatio(scale);
    constexpr double kInchesPerMetre = 1 / 0.0254;
    const int dotsPerMetre = static_cast<int>(std::lround(96 * scale * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PlayFitted(painter, QRectF(QPointF(0, 0), page.size), page.picture, page.size);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return NotDrawn(path);
    return WriteFileBytes(path, buffer.data());
}

}  // namespace vevi
