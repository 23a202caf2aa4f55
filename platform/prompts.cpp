#include "prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace vevi {
namespace {

constexpr auto kOk = "OK";
constexpr auto kCancel = "Cancel";

}  // namespace

void QtPrompts::Warn(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent_);
    // The program's own button text, in whatever language the toolkit's dialogs speak.
    box.button(QMessageBox::Ok)->setText(kOk);
    box.exec();
}

QString QtPrompts::AskText(const QString& prompt, const QString& title) {
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setOkButtonText(kOk);
    box.setCancelButtonText(kCancel);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

namespace {

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtPrompts::ChooseExportFile(const QString& title, const QStringList& filters,
                                    QString* chosenFilter) {
    // The dialog asks before it lets an existing file be replaced; the picked filter's
    // extension is added before it looks, so "keep" with the PDF filter asks about keep.pdf.
    QFileDialog dialog(parent_, title, QString(), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto suffixOf = [](const QString& filter) {
        const QRegularExpressionMatch m = QRegularExpression("\\*\\.(\\w+)").match(filter);
        return m.hasMatch() ? m.captured(1) : QString();
    };
    if (chosenFilter && !chosenFilter->isEmpty()) dialog.selectNameFilter(*chosenFilter);
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    const QString path = ChosenFile(dialog);
    if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
    return path;
}

bool QtPrompts::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrompts::ChooseOpenFile(const QString& title, const QString& filter) {
    QFileDialog dialog(parent_, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString QtPrompts::ChooseSaveFile(const QString& title, const QString& filter,
                                  const QString& suggestedName) {
    QFileDialog dialog(parent_, title, suggestedName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Added before the dialog asks whether to replace a file, so it asks about the right one.
    static const QRegularExpression kFirstExtension(R"(\(\*\.([^ ;)]+))");
    const QRegularExpressionMatch extension = kFirstExtension.match(filter);
    if (extension.hasMatch()) dialog.setDefaultSuffix(extension.captured(1));
    return ChosenFile(dialog);
}

}  // namespace vevi
