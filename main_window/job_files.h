// Job files on the main window: Open Job, Save Job As and the recent jobs in the File menu,
// job files dropped on the window, and the place of the table the elevation and outdoor
// texts came from, which a saved job names.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

#include "fields.h"

class QMenu;
class QWidget;

namespace vevi {

class ComparisonSession;
class InputBox;
class Prompts;
class SettingsStore;
class WindowUnits;

class JobFiles : public QObject {
    Q_OBJECT
public:
    using Boxes = std::array<InputBox*, kFieldCount>;
    // The boxes' texts are in the units of `units`; a job's are carried to them.
    JobFiles(Prompts& prompts, SettingsStore& settings, ComparisonSession& session,
             WindowUnits& units, const Boxes& boxes, QWidget* window);

    // Open Job…, Save Job As… and Recent Jobs, with a separator below them.
    void AddMenuItems(QMenu* file);
    // False, after a warning, when the file could not be opened or saved; nothing then changes.
    bool Open(const QString& path);
    bool Save(const QString& path);
    // After the location dialog's OK has put its texts into the boxes. Only a city whose own
    // values were copied counts: an elevation typed over the city's is not that place's.
    void PlacePicked(int state, int city, const QString& elevation, const QString& outdoorTemp);
    // "REGION/PLACE" while the site boxes still hold the texts the place put there, else "".
    std::string ShownPlace() const;

signals:
    // A job named a place of the table: the location dialog opens on it next.
    void placeOpened(int state, int city);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PlacePick {
        int state, city;
        QString elevation, outdoorTemp;  // the texts the place put into the boxes
    };
    void mnuOpenJob_Click();
    void mnuSaveJob_Click();
    void RecentJob_Click(const QString& path);
    void AddRecentJob(const QString& path);
    void SetRecentJobs(const QStringList& paths);
    QString BoxText(Field field) const;
    // A figure of the place table as the boxes show it in the window's units.
    QString PlaceText(Field field, int inchPound) const;
    // The place's own elevation and outdoor temperature, as the boxes show them now.
    bool BoxesHoldPlace(int state, int city) const;

    Prompts& prompts_;
    SettingsStore& settings_;
    ComparisonSession& session_;
    WindowUnits& units_;
    Boxes boxes_;
    QWidget* window_;
    QMenu* mnuRecentJobs_ = nullptr;
    QStringList recentJobs_;
    std::optional<PlacePick> lastPlace_;
    QString jobNote_;  // the note of the job last opened, kept on saving
    QString jobPath_;  // the job file last opened or saved
};

}  // namespace vevi
