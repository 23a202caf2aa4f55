// Prints a window's current image on one page.
#pragma once

class QPrinter;
class QWidget;

namespace vevi {

// Paints the widget's shown parts on one page, scaled to fit with its proportions kept and
// centred, as vectors: text prints as text and lines and pictures at the printer's
// resolution. The window's background colour is left out: the page stays white. False when
// the printer could not be started or finished.
bool PrintWidget(QPrinter& printer, QWidget& widget);

}  // namespace vevi
