#include "prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace vevi {

void QtPrompts::Warn(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtPrompts::AskText(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtPrompts::ChooseExportFile(const QString& title, const QStringList& filters,
                                    QString* chosenFilter) {
    // The dialog asks before it lets an existing file be replaced.
    return QFileDialog::getSaveFileName(parent_, title, QString(), filters.join(";;"),
                                        chosenFilter);
}

bool QtPrompts::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vevi
