// The main window: inputs, the diagram of both heaters, results, views, matching, printing.
//
// Data flows one way per comparison: the nine boxes are gathered into ComparisonInputs, the
// engine computes the typed record of every figure, and the window writes those texts into
// the labels its tables map them to, sizes the flames and lays out the view. Any edit of a
// box, or a second press, stops it. Other windows talk to this one through signals.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "comparison.h"
#include "diagram_canvas.h"
#include "main_layout.h"
#include "matching.h"
#include "results.h"
#include "shared_values.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QWindow;

namespace vevi {

class InputBox;
class Prompts;
struct ExportFormat;
class SettingsStore;
class frmAbout;
class frmCities;
class frmFormulas;
class frmGuide;

class frmHalvex : public QMainWindow {
    Q_OBJECT
public:
    // Without arguments the window uses the toolkit's prompts and the user's settings.
    explicit frmHalvex(Prompts* prompts = nullptr, SettingsStore* settings = nullptr);
    ~frmHalvex() override;

    // Start-up: centre, restore the saved choices, show, focus on "Select a City".
    void Form_Load();
    void SaveSettings();

    int ResultsShown() const { return resultsShown_; }
    int WheelPhase() const { return wheelPhase_; }
    const SharedValues& Shared() const { return shared_; }
    DiagramCanvas* Canvas() const { return canvas_; }
    QTimer* Timer1() const { return timer1_; }
    // Created on first use; null until then when `create` is false.
    frmFormulas* Formulas(bool create = true);
    frmCities* Cities() const { return cities_.get(); }
    frmAbout* About() const { return about_.get(); }
    frmGuide* Guide() const { return guide_.get(); }

    void cmdGo_Click();
    void cmdSelectCity_Click();
    void cmdShowFormulas_Click();
    void Timer1_Timer();
    void mnuColor_Click();
    void mnuBW_Click();
    void mnuPrintFormulas_Click();
    void mnuExportResults_Click();
    void mnuCopyResults_Click();
    void mnuExit_Click();
    void mnuViewDetails_Click();
    void mnuViewPresentation_Click();
    void mnuMatchInputCapacity_Click() { Match(MatchKind::Input); }
    void mnuMatchOutputCapacity_Click() { Match(MatchKind::Output); }
    void mnuMatchNetCapacity_Click() { Match(MatchKind::Net); }
    void mnuMatchAirflow_Click() { Match(MatchKind::Airflow); }
    void mnuAbout_Click();
    void mnuUserGuide_Click();
    void mnuAboutQt_Click();

    // Job files (frm_halvex_jobs.cpp). False, after a warning, when the file could not be
    // opened or saved; nothing then changes.
    bool OpenJob(const QString& path);
    bool SaveJob(const QString& path);
    void mnuOpenJob_Click();
    void mnuSaveJob_Click();
    QStringList RecentJobs() const { return recentJobs_; }

signals:
    // Exit has saved the settings and hidden every window: the program ends now.
    void programEnded();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct WheelSpokes {
        std::vector<DiagramCanvas::ItemId> setA, setB;
    };

    // Construction (frm_halvex_build.cpp).
    void CreateDiagram();
    void CreateLabels();
    void PlaceSubscript(QLabel* small, QLabel* caption, const char* after);
    void CreateBoxes();
    void CreateButtons();
    void CreateMenus();
    void CreateFileMenu(QMenuBar* bar);
    void CreateViewMenu(QMenuBar* bar);
    void CreateSpecialMenu(QMenuBar* bar);
    void CreateHelpMenu(QMenuBar* bar);
    QAction* OnClick(QAction* action, void (frmHalvex::*handler)());
    // A menu item named for tests and tools.
    static QAction* Item(QMenu* menu, const char* name, const QString& text);
    void WatchFocus();

    // The comparison (frm_halvex_results.cpp).
    ComparisonInputs InputsFromBoxes() const;
    void StartComparison();
    void StopComparison();
    void WriteResults(const ComparisonReport& report);
    void LayoutResults();
    void ClearResults();
    void SizeDrawThruFlame();
    void SizeBloThruFlame();
    void SizeFlame(DiagramCanvas::ItemId flame, double rise, double top0, double top1);
    void ShowGroup(layout::Group group, bool visible);
    void WriteLimit(Field field, double value);
    void ShowNetRules(bool visible);

    // The boxes and matching (frm_halvex_inputs.cpp).
    void InputBox_GotFocus(InputBox* box);
    void InputBox_KeyMove(InputBox* box, layout::Target target);
    void InputBox_Change();
    void FocusMoved(QWidget* now);
    bool RunPendingCheck();
    static bool IsLimitBox(const InputBox* box);
    bool ElevationUsable();
    void Match(MatchKind kind);

    void CentreOnScreen();

    // Other windows (frm_halvex.cpp).
    static void BringUp(QWidget* window);
    void OpenLocationDialog();
    void LocationDialog_Accepted(const QString& elevation, const QString& outdoorTemp);
    void LocationDialog_Closed();
    void ReturnFromSecondaryWindow();
    QList<QWidget*> SecondaryWindows() const;
    void EndProgram();

    // Job files (frm_halvex_jobs.cpp).
    struct PlacePick {
        int state, city;
        QString elevation, outdoorTemp;  // the texts the place put into the boxes
    };
    void CreateJobItems(QMenu* file);
    void RecentJob_Click(const QString& path);
    void AddRecentJob(const QString& path);
    void SetRecentJobs(const QStringList& paths);
    void LocationDialog_PlacePicked(const QString& elevation, const QString& outdoorTemp);

    // Keyboard, colours and screen readers (frm_halvex_keys.cpp).
    void UseOwnColours();
    void SetUpKeyboard();
    bool ControlKey(QWidget* control, const QKeyEvent& key);
    QPushButton* ButtonOf(layout::Button button) const;
    void MoveTo(layout::Target target);
    void MoveBack(QWidget* from);
    void GiveShortcut(QAction* action, void (frmHalvex::*handler)());
    void NameValues();

    // Printing (frm_halvex_print.cpp).
    void PrintGraphics();
    void SetResultColours(bool own);

    // Copying and export of the comparison shown (frm_halvex_export.cpp).
    void CreateResultsCommands(QMenu* file);
    QString WriteExport(const QString& path, const ExportFormat& format);
    std::string ShownPlace() const;

    // Invalid: the window-text colour.
    static void SetTextColour(QLabel* label, const QColor& colour);
    InputBox* Box(Field field) const { return boxes_[static_cast<std::size_t>(field)]; }
    QLabel* Value(Arrangement a, Quantity q) const;

    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<SettingsStore> ownSettings_;
    Prompts* prompts_;
    SettingsStore* settings_;

    SharedValues shared_;
    std::optional<ComparisonReport> shownReport_;  // what the labels show, for copy and export
    int resultsShown_ = 0;
    int wheelPhase_ = 0;
    int stopGuard_ = 0;  // writes of the result layout into the limit boxes
    bool refocusing_ = false;
    bool exiting_ = false;
    bool returnFocusDone_ = false;
    bool centreOnceFramed_ = false;
    QPointer<InputBox> pendingCheck_;
    QPointer<QWidget> lastFocus_;  // the last control of this window that had the focus
    QPointer<QWindow> previousFocusWindow_;
    QMetaObject::Connection focusWatch_;
    QMetaObject::Connection focusLeaveWatch_;

    DiagramCanvas* canvas_ = nullptr;
    DiagramCanvas::ItemId drawThruFlame_ = 0;
    DiagramCanvas::ItemId bloThruFlame_ = 0;
    std::array<DiagramCanvas::ItemId, 2> netRules_{};
    WheelSpokes drawThruWheel_;
    WheelSpokes bloThruWheel_;
    QTimer* timer1_ = nullptr;

    // In the order of the layout's tables.
    std::vector<QLabel*> labels_;
    std::array<std::array<QLabel*, kQuantityCount>, kArrangements.size()> values_{};
    std::array<InputBox*, kFieldCount> boxes_{};
    QLabel* dischargeRowCaption_ = nullptr;
    QLabel* riseRowCaption_ = nullptr;
    QPushButton* cmdSelectCity_ = nullptr;
    QPushButton* cmdGo_ = nullptr;
    QPushButton* cmdShowFormulas_ = nullptr;
    QMenu* mnuPrintGraphics_ = nullptr;
    QAction* mnuPrintFormulas_ = nullptr;
    QAction* mnuExportResults_ = nullptr;
    QAction* mnuCopyResults_ = nullptr;
    QAction* mnuViewDetails_ = nullptr;
    QAction* mnuViewPresentation_ = nullptr;
    QAction* mnuSaveSettings_ = nullptr;

    QMenu* mnuRecentJobs_ = nullptr;
    QStringList recentJobs_;
    std::optional<PlacePick> lastPlace_;  // the place the elevation and outdoor texts came from
    QString jobNote_;                     // the note of the job last opened, kept on saving
    QString jobPath_;                     // the job file last opened or saved

    std::unique_ptr<frmFormulas> formulas_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmCities> cities_;
    std::unique_ptr<frmGuide> guide_;
};

}  // namespace vevi
