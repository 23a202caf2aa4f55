// Prints a window's current image on one page.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace vevi {

// Paints the widget's shown parts on one page, scaled to fit with its proportions kept and
// centred, as vectors: text prints as text and lines and pictures at the printer's
// resolution. The window's background colour is left out: the page stays white. Printing to
// a PDF file writes it whole or not at all, and only over a regular file. Gives "" or the
// warning to show.
QString PrintWidget(QPrinter& printer, QWidget& widget);

}  // namespace vevi
