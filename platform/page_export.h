// Writes a window's current image to a file. Each writer goes through a temporary file that
// replaces the target only when complete, so a failure leaves an earlier file as it was.
// Each returns an empty text on success, else a message for the user.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace vevi {

// One page of PDF with the image scaled to fit and centred, as the print lays it out.
QString WriteWidgetPdf(QWidget& widget, const QString& path, const QString& title);

// An SVG drawing of the widget's size in logical pixels, with text kept as text.
QString WriteWidgetSvg(QWidget& widget, const QString& path, const QString& title);

// A PNG of the widget's size times `scale` (2 gives sharp slides).
QString WriteWidgetPng(QWidget& widget, const QString& path, double scale);

// Any other file made in memory (a table, a report), written the same safe way.
QString WriteFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace vevi
