#include "print_widget.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "checked_write.h"
#include "page_render.h"

namespace vevi {

QString PrintWidget(QPrinter& printer, QWidget& widget) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return PaintPage(printer, printer.resolution(), widget, Background::Paper)
                   ? QString()
                   : QStringLiteral("Printing failed");
    // Qt's PDF engine reports success on a full disk and leaves a cut file in the place of an
    // earlier one: the page is made in memory and written whole, or not at all.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        painted = PaintPage(writer, writer.resolution(), widget, Background::Paper);
    }
    if (!painted) return QStringLiteral("Printing failed");
    const QString error = WriteAtomically(printer.outputFileName(), buffer.data());
    if (error.isEmpty()) return {};
    return QStringLiteral("Printing failed: %1 could not be written (%2)")
        .arg(printer.outputFileName(), error);
}

}  // namespace vevi
