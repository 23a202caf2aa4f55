// Writes a window's current image to a file. Each writer goes through a temporary file that
// replaces the target only when complete, so a failure leaves an earlier file as it was.
// Each returns an empty text on success, else a message for the user.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace vevi {

// Each writes the widget's image with, where `caption` is not empty, one line of text under it.

// One page of PDF with the image scaled to fit and centred, as the print lays it out.
QString WriteWidgetPdf(QWidget& widget, const QString& path, const QString& title,
                       const QString& caption = {});

// An SVG drawing of the image's size in logical pixels, with text kept as text.
QString WriteWidgetSvg(QWidget& widget, const QString& path, const QString& title,
                       const QString& caption = {});

// A PNG of the image's size times `scale` (2 gives sharp slides), tagged 96 dpi times `scale`.
QString WriteWidgetPng(QWidget& widget, const QString& path, double scale,
                       const QString& caption = {});

// Any other file made in memory (a table, a report), written the same safe way.
QString WriteFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace vevi
