// A stand-in for the modal prompts: records what was shown and answers from a script.
#pragma once

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <functional>

#include "prompts.h"

class ScriptedPrompts : public vevi::Prompts {
public:
    struct Shown {
        QString kind;  // "warn", "ask", "printer", "open" or "save"
        QString text;  // for "open" the filter, for "save" the filter and the suggested name
        QString title;
    };
    QList<Shown> shown;
    QStringList answers;                     // for AskText; empty answers once they run out
    std::function<bool(QPrinter&)> printer;  // for ChoosePrinter; none: the user cancels
    std::function<void()> onWarn;            // runs while a warning is "up"
    QStringList files;  // for ChooseOpenFile and ChooseSaveFile; cancelled once they run out

    // For ChooseExportFile: the path typed (empty: the user cancels) and the filter picked.
    QString exportPath;
    QString exportFilter;
    // The filters offered the last time.
    QStringList exportFilters;

    void Warn(const QString& text, const QString& title) override {
        shown.append({"warn", text, title});
        if (onWarn) onWarn();
    }
    QString AskText(const QString& prompt, const QString& title) override {
        shown.append({"ask", prompt, title});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString ChooseExportFile(const QString& title, const QStringList& filters,
                             QString* chosenFilter) override {
        shown.append({"export", QString(), title});
        exportFilters = filters;
        if (!exportPath.isEmpty()) *chosenFilter = exportFilter;
        return exportPath;
    }
    bool ChoosePrinter(QPrinter& p) override {
        shown.append({"printer", p.docName(), QString()});
        return printer ? printer(p) : false;
    }
    QString ChooseOpenFile(const QString& title, const QString& filter) override {
        shown.append({"open", filter, title});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString ChooseSaveFile(const QString& title, const QString& filter,
                           const QString& suggestedName) override {
        shown.append({"save", filter + "|" + suggestedName, title});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QStringList Warnings() const {
        QStringList w;
        for (const Shown& s : shown)
            if (s.kind == "warn") w << s.text;
        return w;
    }
};
