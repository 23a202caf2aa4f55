// Prints a window's current image on one page.
#pragma once

class QPrinter;
class QWidget;

namespace vevi {

// Paints the widget with the printer's own painter, scaled to fit the page with its
// proportions kept and centred, so text and lines print at the printer's resolution.
// False when the printer could not be started or finished.
bool PrintWidget(QPrinter& printer, QWidget& widget);

}  // namespace vevi
