// Results that leave the window: the comparison on display copied to the clipboard as a
// table, or exported as a page of the diagram, a CSV table or a text report. Both read the
// session's report in the window's units, so they give exactly what the window shows.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vevi {

class ComparisonSession;
class JobFiles;
class PageReadier;
class Prompts;
struct ExportFormat;

class ResultsExport : public QObject {
    Q_OBJECT
public:
    // Ctrl+C in any of `boxes` with no selection of its own copies the comparison too.
    // The place the job files remember goes with the figures.
    ResultsExport(Prompts& prompts, ComparisonSession& session, const JobFiles& jobs,
                  PageReadier& page, const std::vector<QWidget*>& boxes, QObject* parent);

    // Export Results… and Copy Results, offered while a comparison is on display.
    void AddMenuItems(QMenu* file);

private:
    void mnuExportResults_Click();
    void mnuCopyResults_Click();
    QString Write(const QString& path, const ExportFormat& format);

    Prompts& prompts_;
    ComparisonSession& session_;
    const JobFiles& jobs_;
    PageReadier& page_;
    std::vector<QWidget*> boxes_;
};

}  // namespace vevi
