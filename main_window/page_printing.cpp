#include "page_printing.h"

#include <QPrinter>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "frm_formulas.h"
#include "page_readier.h"
#include "print_widget.h"
#include "prompts.h"

namespace vevi {
namespace {

// Each print job has its own document name, so that printing to a file proposes a fitting one.
constexpr auto kDiagramDocument = "Heater comparison";
constexpr auto kFormulasDocument = "Heater comparison formulas";

}  // namespace

PagePrinting::PagePrinting(Prompts& prompts, PageReadier& page, QWidget* window)
    : prompts_(prompts), page_(page), window_(window) {}

void PagePrinting::Warn(const QString& failure) {
    if (!failure.isEmpty()) prompts_.Warn(failure, window_->windowTitle());
}

void PagePrinting::PrintDiagram() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDiagramDocument);
    QString failure;
    {
        const PageReadier::Scope ready(page_);
        if (prompts_.ChoosePrinter(printer)) failure = PrintWidget(printer, page_.Page());
    }
    Warn(failure);
}

void PagePrinting::PrintFormulas(frmFormulas& formulas, QTimer& wheels) {
    const bool turning = wheels.isActive();
    wheels.stop();
    formulas.ShowGraphicsButton(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kFormulasDocument);
    const QString failure =
        prompts_.ChoosePrinter(printer) ? PrintWidget(printer, formulas) : QString();
    if (turning) wheels.start();
    formulas.ShowGraphicsButton(true);
    Warn(failure);
}

}  // namespace vevi
