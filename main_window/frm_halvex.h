// The main window: inputs, the diagram of both heaters, results, views, matching, printing.
//
// Data flows one way per comparison: the nine boxes are gathered into ComparisonInputs, the
// comparison session computes the typed report of every figure and says it is shown; the
// window writes the report into the labels, the formulas window, the flames and the limit
// boxes, and every "shown" mirror (wheels, button caption, print, copy and export items)
// follows the session's signal. Any edit of a box, or a second press, stops it.
//
// The window owns the controls the documents name and their handlers; collaborators own the
// rest: the diagram, the session, the result labels, job files, copy and export, keyboard
// navigation, the range check on leaving a box, the secondary windows and the units shown
// (the boxes hold texts in those units; the session converts them in).
//
// Naming: handlers of the documents are `control_Event` (cmdGo_Click); signals and Qt
// overrides are camelCase; everything else is PascalCase.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "fields.h"
#include "main_layout.h"
#include "matching.h"

class QAction;
class QMenu;
class QPushButton;

namespace vevi {

class ComparisonSession;
class FrameCentring;
class HeaterDiagram;
class InputBox;
class JobFiles;
class KeyboardNavigation;
class RangeCheck;
class PagePrinting;
class PageReadier;
class Prompts;
class ResultLabels;
class SecondaryWindows;
class SettingsStore;
class WindowUnits;

class frmHalvex : public QMainWindow {
    Q_OBJECT
public:
    // Without arguments the window uses the toolkit's prompts and the user's settings.
    explicit frmHalvex(Prompts* prompts = nullptr, SettingsStore* settings = nullptr);
    ~frmHalvex() override;

    // Start-up: centre, restore the saved choices, show, focus on "Select a City".
    void Form_Load();
    // False, after a warning, when the job file could not be opened; nothing then changes.
    bool OpenJob(const QString& path);

signals:
    // Exit has saved the settings and hidden every window: the program ends now.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void cmdGo_Click();
    void cmdSelectCity_Click();
    void cmdShowFormulas_Click();
    void Timer1_Timer();
    void mnuColor_Click();
    void mnuBW_Click();
    void mnuPrintFormulas_Click();
    void mnuExit_Click();
    void mnuViewDetails_Click();
    void mnuViewPresentation_Click();
    void mnuMatchInputCapacity_Click() { Match(MatchKind::Input); }
    void mnuMatchOutputCapacity_Click() { Match(MatchKind::Output); }
    void mnuMatchNetCapacity_Click() { Match(MatchKind::Net); }
    void mnuMatchAirflow_Click() { Match(MatchKind::Airflow); }
    void mnuAbout_Click();
    void mnuUserGuide_Click();
    void InputBox_GotFocus(InputBox* box);
    void InputBox_KeyMove(InputBox* box, layout::Target target);
    void InputBox_Change();
    void LocationDialog_Accepted(const QString& elevation, const QString& outdoorTemp, int state,
                                 int city);
    void LocationDialog_Closed();
    void Session_ShownChanged(bool shown);

private:
    void CreateBoxes();
    void CreateButtons();
    void CreateMenus();
    void FollowShown(QMenu* printGraphics, QAction* printFormulas);

    void StartComparison();
    void WriteResults();
    void LayoutResults();
    void ClearResults();
    void WriteLimit(Field field, double value);
    void Match(MatchKind kind);
    void OpenLocationDialog();

    void SaveSettings();
    void EndProgram();
    InputBox* Box(Field field) const { return boxes_[static_cast<std::size_t>(field)]; }

    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<SettingsStore> ownSettings_;
    Prompts* prompts_;
    SettingsStore* settings_;

    ComparisonSession* session_;
    HeaterDiagram* diagram_ = nullptr;
    ResultLabels* labels_ = nullptr;
    std::array<InputBox*, kFieldCount> boxes_{};
    QPushButton* cmdSelectCity_ = nullptr;
    QPushButton* cmdGo_ = nullptr;
    QPushButton* cmdShowFormulas_ = nullptr;
    QAction* mnuViewDetails_ = nullptr;
    QAction* mnuViewPresentation_ = nullptr;
    QAction* mnuSaveSettings_ = nullptr;

    std::unique_ptr<PageReadier> page_;
    std::unique_ptr<PagePrinting> printing_;
    std::unique_ptr<SecondaryWindows> windows_;
    std::unique_ptr<RangeCheck> rangeCheck_;
    JobFiles* jobs_ = nullptr;
    WindowUnits* units_ = nullptr;
    KeyboardNavigation* keys_ = nullptr;
    FrameCentring* centring_ = nullptr;

    int stopGuard_ = 0;  // writes of the result layout into the limit boxes
    bool exiting_ = false;
};

}  // namespace vevi
