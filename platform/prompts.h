// The modal prompts the windows use; tests install a scripted double instead.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace vevi {

class Prompts {
public:
    virtual ~Prompts() = default;
    // A message box with the exclamation-mark icon and an OK button; waits until closed.
    virtual void Warn(const QString& text, const QString& title) = 0;
    // An input box with an empty entry line; Cancel gives the empty text.
    virtual QString AskText(const QString& prompt, const QString& title) = 0;
    // A save-file dialog offering `filters` ("PDF document (*.pdf)"), starting on
    // *chosenFilter and leaving the one picked there; the empty text when cancelled.
    virtual QString ChooseExportFile(const QString& title, const QStringList& filters,
                                     QString* chosenFilter) = 0;
    // The printer dialog; false when cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // File dialogs showing the files that `filter` ("Name (*.ext)") names; the empty text
    // when cancelled. Saving starts on `suggestedName` and adds the filter's extension to a
    // name typed without one.
    virtual QString ChooseOpenFile(const QString& title, const QString& filter) = 0;
    virtual QString ChooseSaveFile(const QString& title, const QString& filter,
                                   const QString& suggestedName) = 0;
};

// The toolkit's own modal boxes, parented to `parent`.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void Warn(const QString& text, const QString& title) override;
    QString AskText(const QString& prompt, const QString& title) override;
    QString ChooseExportFile(const QString& title, const QStringList& filters,
                             QString* chosenFilter) override;
    bool ChoosePrinter(QPrinter& printer) override;
    QString ChooseOpenFile(const QString& title, const QString& filter) override;
    QString ChooseSaveFile(const QString& title, const QString& filter,
                           const QString& suggestedName) override;

private:
    QWidget* parent_;
};

}  // namespace vevi
