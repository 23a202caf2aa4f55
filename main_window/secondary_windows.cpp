#include "secondary_windows.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "frm_guide.h"

namespace vevi {
namespace {

// Shown, on top and active: the secondary windows are never modal, so the user can go back.
void BringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

SecondaryWindows::SecondaryWindows(QWidget* main, QWidget* anchor, QWidget* returnFocus,
                                   SettingsStore& settings)
    : main_(main), anchor_(anchor), returnFocus_(returnFocus), settings_(settings) {
    // Coming back from a secondary window puts the focus on the return control.
    focusWatch_ = connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        QWindow* before = previousFocusWindow_;
        previousFocusWindow_ = now;
        if (!now || now != main_->windowHandle()) return;
        // One return moves the focus once, whichever notices it first.
        const bool handled = std::exchange(returnFocusDone_, false);
        if (!before || handled) return;
        for (QWidget* w : Made())
            if (w->windowHandle() == before) returnFocus_->setFocus();
    });
}

SecondaryWindows::~SecondaryWindows() {
    disconnect(focusWatch_);
}

frmFormulas* SecondaryWindows::MakeFormulas() {
    if (!formulas_) {
        formulas_ = std::make_unique<frmFormulas>(main_);
        // "Show graphics" lands exactly over "Show formulae".
        formulas_->SetAnchor(anchor_);
        formulas_->ShowInchPoundNote(units_ != UnitSystem::US);
        connect(formulas_.get(), &frmFormulas::graphicsShown, this,
                &SecondaryWindows::ReturnToMain);
    }
    return formulas_.get();
}

void SecondaryWindows::ShowFormulas() {
    BringUp(MakeFormulas());
}

void SecondaryWindows::ShowAbout() {
    if (!about_) {
        about_ = std::make_unique<frmAbout>();
        connect(about_.get(), &frmAbout::hidden, this, &SecondaryWindows::ReturnToMain);
    }
    BringUp(about_.get());
}

void SecondaryWindows::ShowGuide() {
    if (!guide_) {
        guide_ = std::make_unique<frmGuide>();
        connect(guide_.get(), &frmGuide::hidden, this, &SecondaryWindows::ReturnToMain);
    }
    BringUp(guide_.get());
}

void SecondaryWindows::ShowLocationDialog(bool rememberPick) {
    if (!cities_) {
        cities_ = std::make_unique<frmCities>(settings_);
        connect(cities_.get(), &frmCities::placeAccepted, this,
                [this](const QString& elevation, const QString& outdoorTemp) {
                    emit placeAccepted(elevation, outdoorTemp, cities_->SelectedState(),
                                       cities_->SelectedCity());
                });
        connect(cities_.get(), &frmCities::closed, this, [this] {
            EnableOthers(true);
            emit locationDialogClosed();
        });
    }
    cities_->SetUnits(units_);
    cities_->SetRememberPick(rememberPick);
    cities_->show();
    // Kept above the main window, so that nothing can bury it while it is the one taking input.
    if (cities_->windowHandle()) cities_->windowHandle()->setTransientParent(main_->windowHandle());
    cities_->raise();
    cities_->activateWindow();
    EnableOthers(false);
}

void SecondaryWindows::SelectPlace(int state, int city) {
    if (cities_) cities_->SelectPlace(state, city);
}

void SecondaryWindows::SetUnits(UnitSystem units) {
    units_ = units;
    if (formulas_) formulas_->ShowInchPoundNote(units != UnitSystem::US);
    if (cities_) cities_->SetUnits(units);
}

void SecondaryWindows::EnableOthers(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get())})
        if (w) w->setEnabled(enabled);
}

void SecondaryWindows::HideAll() {
    for (QWidget* w : Made()) w->hide();
}

void SecondaryWindows::ReturnToMain() {
    const bool wasActive = main_->isActiveWindow();
    main_->show();
    main_->raise();
    main_->activateWindow();
    returnFocus_->setFocus();
    // The activation, when it is reported, must not move the focus a second time.
    returnFocusDone_ = !wasActive;
}

QList<QWidget*> SecondaryWindows::Made() const {
    QList<QWidget*> windows;
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get()),
                       static_cast<QWidget*>(cities_.get()), static_cast<QWidget*>(guide_.get())})
        if (w) windows << w;
    return windows;
}

}  // namespace vevi
