// The main window: inputs, the diagram of both heaters, results, views, matching, printing.
//
// Data flows one way per comparison: the nine boxes are gathered into ComparisonInputs,
// the engine computes the results and the label texts, and the window writes those texts,
// sizes the flames and lays out the view. Any edit of a box, or a second press, stops it.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "comparison.h"
#include "input_box.h"
#include "location_host.h"
#include "matching.h"
#include "shared_values.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QTimer;
class QWindow;

namespace vevi {

class DiagramCanvas;
class Prompts;
class SettingsStore;
class frmAbout;
class frmCities;
class frmFormulas;

class frmHalvex : public QMainWindow, public InputBoxHandler, public LocationHost {
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
    // How the program ends; tests replace it.
    void SetQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

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

    // LocationHost
    void SetElevationText(const QString& text) override;
    void SetOutdoorTempText(const QString& text) override;
    bool SaveSettingsChecked() const override;
    void LocationDialogClosed() override;

    // InputBoxHandler
    void InputBox_GotFocus(InputBox* box) override;
    void InputBox_KeyMove(InputBox* box, const char* target) override;
    void InputBox_Change(InputBox* box) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateDiagram();
    void CreateMenus();
    void PlaceSubscripts();

    ComparisonInputs InputsFromBoxes() const;
    void StartComparison();
    void StopComparison();
    void LayoutResults();
    void ClearResults();
    void SizeDrawThruFlame();
    void SizeBloThruFlame();
    void SizeFlame(const char* name, double rise, double top0, double top1);
    void SetLabelsVisible(const QStringList& names, bool visible);
    void WriteLimit(const char* box, double value);

    void OpenLocationDialog();
    void ReturnFromSecondaryWindow();
    void Match(MatchKind kind);
    void FocusMoved(QWidget* now);
    bool RunPendingCheck();
    static bool IsLimitBox(const InputBox* box);
    QList<QWidget*> SecondaryWindows() const;
    bool ElevationUsable();
    void PrintGraphics();
    void EndProgram();

    InputBox* Box(const char* name) const;
    QLabel* Label(const QString& name) const;
    QAction* Action(const char* name) const;

    std::unique_ptr<Prompts> ownPrompts_;
    std::unique_ptr<SettingsStore> ownSettings_;
    Prompts* prompts_;
    SettingsStore* settings_;

    SharedValues shared_;
    int resultsShown_ = 0;
    int wheelPhase_ = 0;
    int stopGuard_ = 0;  // writes of the result layout into the limit boxes
    bool refocusing_ = false;
    bool exiting_ = false;
    bool returnFocusDone_ = false;
    QPointer<InputBox> pendingCheck_;
    QPointer<QWidget> lastFocus_;  // the last control of this window that had the focus
    QPointer<QWindow> previousFocusWindow_;
    QMetaObject::Connection focusWatch_;
    QMetaObject::Connection focusLeaveWatch_;
    std::function<void()> quit_;

    DiagramCanvas* canvas_ = nullptr;
    QTimer* timer1_ = nullptr;
    QPushButton* cmdGo_ = nullptr;
    QPushButton* cmdSelectCity_ = nullptr;
    QPushButton* cmdShowFormulas_ = nullptr;
    QHash<QString, QLabel*> labels_;
    QHash<QString, InputBox*> boxes_;
    QHash<QString, QAction*> actions_;
    QMenu* mnuPrintGraphics_ = nullptr;

    std::unique_ptr<frmFormulas> formulas_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmCities> cities_;
};

}  // namespace vevi
