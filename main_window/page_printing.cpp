#include "page_printing.h"

#include <QPrinter>
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
constexpr auto kPrintingFailed = "Printing failed";

}  // namespace

PagePrinting::PagePrinting(Prompts& prompts, PageReadier& page, QWidget* window)
    : prompts_(prompts), page_(page), window_(window) {}

void PagePrinting::Warn() {
    prompts_.Warn(kPrintingFailed, window_->windowTitle());
}

void PagePrinting::PrintDiagram() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDiagramDocument);
    bool failed = false;
    {
        const PageReadier::Scope ready(page_);
        failed = prompts_.ChoosePrinter(printer) && !PrintWidget(printer, page_.Page());
    }
    if (failed) Warn();
}

void PagePrinting::PrintFormulas(frmFormulas& formulas, QTimer& wheels) {
    const bool turning = wheels.isActive();
    wheels.stop();
    formulas.ShowGraphicsButton(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kFormulasDocument);
    const bool failed = prompts_.ChoosePrinter(printer) && !PrintWidget(printer, formulas);
    if (turning) wheels.start();
    formulas.ShowGraphicsButton(true);
    if (failed) Warn();
}

}  // namespace vevi
