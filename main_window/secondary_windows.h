// The main window's secondary windows (formulas, About, the guide and the location dialog):
// each made on first use as a top-level window of its own, brought up without waiting, and
// left by handing the focus back to the main window.
#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <memory>

#include "units.h"

class QWidget;
class QWindow;

namespace vevi {

class SettingsStore;
class frmAbout;
class frmCities;
class frmFormulas;
class frmGuide;

class SecondaryWindows : public QObject {
    Q_OBJECT
public:
    // `anchor` is the button "Show graphics" lands over; `returnFocus` the control that has
    // the focus when the user comes back to `main`.
    SecondaryWindows(QWidget* main, QWidget* anchor, QWidget* returnFocus, SettingsStore& settings);
    ~SecondaryWindows() override;

    // Made, not shown, on first use: a start writes its figures into it.
    frmFormulas* MakeFormulas();
    void ShowFormulas();
    void ShowAbout();
    void ShowGuide();
    // Shown without waiting and kept above the main window; while it is up the other
    // secondary windows take no input either.
    void ShowLocationDialog(bool rememberPick);
    // The place the location dialog opens on next, if it has been made.
    void SelectPlace(int state, int city);
    void HideAll();
    // The location dialog speaks `units`; the formulas window says it stays inch-pound.
    void SetUnits(UnitSystem units);
    // The main window shown, on top and active, the focus on its return control.
    void ReturnToMain();

signals:
    // The location dialog's OK, with the place it was on.
    void placeAccepted(const QString& elevation, const QString& outdoorTemp, int state, int city);
    // The location dialog closed either way; the other secondary windows take input again.
    void locationDialogClosed();

private:
    void EnableOthers(bool enabled);
    QList<QWidget*> Made() const;

    QWidget* main_;
    QWidget* anchor_;
    QWidget* returnFocus_;
    SettingsStore& settings_;
    std::unique_ptr<frmFormulas> formulas_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmCities> cities_;
    std::unique_ptr<frmGuide> guide_;
    QPointer<QWindow> previousFocusWindow_;
    UnitSystem units_ = UnitSystem::US;
    bool returnFocusDone_ = false;
    QMetaObject::Connection focusWatch_;
};

}  // namespace vevi
