// The location dialog: pick a state and a city, or type an elevation, and hand the elevation
// and the outdoor design temperature to the window that opened it.
//
// All of the dialog's state lives in its controls. Setting a text or a selection from code
// runs that control's change handling at once (textChanged, currentRowChanged), and the
// handlers below rely on it: a city pick writes the elevation, whose change empties the
// pressure, before the pressure is computed again.
#pragma once

#include <QDialog>
#include <QPointer>

#include "units.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWindow;

namespace vevi {

class SettingsStore;

// A top-level window of its own, never modal and created without a parent, so that
// disabling the main window leaves it usable. Closing it only hides it.
class frmCities : public QDialog {
    Q_OBJECT
public:
    explicit frmCities(SettingsStore& settings);
    ~frmCities() override;

    void Form_Load();
    void Form_Activate();
    void lstState_Click();
    void lstCities_Click();
    void lstState_KeyPress(int keyAscii);
    void lstCities_KeyPress(int keyAscii);
    void txtElevation_Change();
    void txtElevation_KeyPress(int keyAscii);
    void txtElevation_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
    void UpdateBaroPressure();

    // The place selected: list positions, -1 for none.
    int SelectedState() const;
    int SelectedCity() const;
    // Selects a place of the table, as a pick would, so that the dialog next shows it. Before
    // the first load the remembered place decides instead.
    void SelectPlace(int state, int city);

    // Whether OK remembers the pick in the settings ("Save Settings on Exit").
    void SetRememberPick(bool remember) { rememberPick_ = remember; }

    // The elevation, pressure and outdoor temperature in `units`, the texts held converted.
    void SetUnits(UnitSystem units);
    UnitSystem Units() const { return units_; }

    // Escape and the title bar's close button land here: they act as Cancel.
    void reject() override;

signals:
    // OK: the elevation and outdoor temperature texts for the main window's boxes.
    void placeAccepted(const QString& elevation, const QString& outdoorTemp);
    // OK or Cancel has hidden the dialog.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();

    SettingsStore& settings_;
    bool rememberPick_ = true;
    bool loaded_ = false;
    UnitSystem units_ = UnitSystem::US;
    // The application's focus window, to tell a return from another window of the program
    // from a return from another program.
    QPointer<QWindow> lastFocusWindow_;

    QListWidget* lstState_ = nullptr;
    QListWidget* lstCities_ = nullptr;
    QLineEdit* txtElevation_ = nullptr;
    QLineEdit* txtBarometricPressure_ = nullptr;
    QLineEdit* txtOutdoorTemp_ = nullptr;
    QLabel* lblFeet_ = nullptr;
    QLabel* lblHg_ = nullptr;
    QLabel* Label2_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace vevi
