// Printing the main window's diagram, in colour or black and white, and the formulas.
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "frm_formulas.h"
#include "frm_halvex.h"
#include "print_widget.h"
#include "prompts.h"

namespace vevi {
namespace {

constexpr auto kDiagramDocument = "Heater comparison";
constexpr auto kFormulasDocument = "Heater comparison formulas";

}  // namespace

// The result values in their own colours, or all in the window-text colour; Draw Thru's
// first, each in the order of the table.
void frmHalvex::SetResultColours(bool own) {
    for (Arrangement a : kArrangements) {
        const auto& specs = layout::Labels();
        for (std::size_t i = 0; i < specs.size(); ++i)
            if (specs[i].color.isValid() && specs[i].value && specs[i].value->arrangement == a)
                SetTextColour(labels_[i], own ? specs[i].color : QColor());
    }
}

void frmHalvex::PrintGraphics() {
    timer1_->stop();
    cmdGo_->hide();
    cmdSelectCity_->hide();
    cmdShowFormulas_->hide();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDiagramDocument);
    // A failure is reported once the window is whole again.
    const QString failure =
        prompts_->ChoosePrinter(printer) ? PrintWidget(printer, *centralWidget()) : QString();
    timer1_->start();
    cmdGo_->show();
    cmdSelectCity_->show();
    cmdShowFormulas_->show();
    if (!failure.isEmpty()) prompts_->Warn(failure, windowTitle());
}

void frmHalvex::mnuColor_Click() {
    PrintGraphics();
}

void frmHalvex::mnuBW_Click() {
    SetResultColours(false);
    PrintGraphics();
    SetResultColours(true);
}

void frmHalvex::mnuPrintFormulas_Click() {
    timer1_->stop();
    frmFormulas* f = Formulas();
    f->ShowGraphicsButton(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kFormulasDocument);
    const QString failure = prompts_->ChoosePrinter(printer) ? PrintWidget(printer, *f) : QString();
    timer1_->start();
    f->ShowGraphicsButton(true);
    if (!failure.isEmpty()) prompts_->Warn(failure, windowTitle());
}

}  // namespace vevi
