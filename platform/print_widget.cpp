#include "print_widget.h"

#include <QPrinter>

#include "page_render.h"

namespace vevi {

bool PrintWidget(QPrinter& printer, QWidget& widget) {
    return PaintPage(printer, printer.resolution(), widget, Background::Paper);
}

}  // namespace vevi
