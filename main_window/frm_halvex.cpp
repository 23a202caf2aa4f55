#include "frm_halvex.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "accessibility.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "frm_guide.h"
#include "input_box.h"
#include "number_text.h"
#include "prompts.h"
#include "settings_store.h"
#include "twips.h"
#include "window_frame.h"

namespace vevi {
namespace {

constexpr auto kCaption = "Vevi Razo ro. Vozo Veri Vevirazedo";
constexpr auto kIcon = ":/pictures/vevi.svg";
constexpr int kTimerIntervalMs = 250;

}  // namespace

frmHalvex::frmHalvex(Prompts* prompts, SettingsStore* settings)
    : QMainWindow(nullptr, FixedSizeWindowFlags(Qt::Window)),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtPrompts>(this)),
      ownSettings_(settings ? nullptr : std::make_unique<SettingsStore>()),
      prompts_(prompts ? prompts : ownPrompts_.get()),
      settings_(settings ? settings : ownSettings_.get()) {
    setObjectName("frmHalvex");
    setWindowTitle(kCaption);
    setWindowIcon(QIcon(kIcon));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
    setCentralWidget(client);
    UseOwnColours();

    CreateDiagram();
    CreateLabels();
    CreateBoxes();
    CreateButtons();
    CreateMenus();
    SetUpKeyboard();
    NameValues();
    // A fixed border: the client area never changes size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &frmHalvex::Timer1_Timer);

    WatchFocus();
    DescribeNamedControls(this);
}

frmHalvex::~frmHalvex() {
    // Closing hands the focus on while the window is half destroyed: nothing may reach it.
    disconnect(focusWatch_);
    disconnect(focusLeaveWatch_);
    for (InputBox* box : boxes_) disconnect(box, nullptr, this, nullptr);
}

void frmHalvex::WatchFocus() {
    // Coming back from another window of the program puts the focus on "Select a City".
    focusWatch_ = connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        QWindow* before = previousFocusWindow_;
        previousFocusWindow_ = now;
        if (!now || now != windowHandle()) return;
        // One return from a secondary window moves the focus once, whichever notices it first.
        const bool handled = std::exchange(returnFocusDone_, false);
        if (!before || handled) return;
        for (QWidget* w : SecondaryWindows())
            if (w->windowHandle() == before) cmdSelectCity_->setFocus();
    });
    focusLeaveWatch_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

// ---- Start-up and exit ----

void frmHalvex::Form_Load() {
    CentreOnScreen();
    mnuSaveSettings_->setChecked(settings_->SaveOnExit());
    mnuViewDetails_->setChecked(settings_->DetailsView());
    mnuViewPresentation_->setChecked(settings_->PresentationView());
    const bool restore = mnuSaveSettings_->isChecked();
    Box(Field::OutdoorTemp)->PutText(restore ? settings_->OutdoorText() : "0");
    Box(Field::Elevation)->PutText(restore ? settings_->ElevationText() : "0");
    show();
    activateWindow();
    cmdSelectCity_->setFocus();
    // A window manager reports its frame only once the window is up: centre again then.
    centreOnceFramed_ = true;
}

// The outer frame, title bar included, centred on the screen the window opens on.
void frmHalvex::CentreOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(QRect(CentredClientTopLeft(sizeHint(), frame, s->availableGeometry()), sizeHint()));
}

bool frmHalvex::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (centreOnceFramed_ && (type == QEvent::Move || type == QEvent::Show ||
                              type == QEvent::WindowActivate || type == QEvent::Paint)) {
        const QWindow* w = windowHandle();
        if (w && HasPlausibleFrame(w->frameMargins(), sizeHint())) {
            centreOnceFramed_ = false;
            CentreOnScreen();
        }
    }
    return QMainWindow::event(event);
}

void frmHalvex::SaveSettings() {
    auto number = [this](Field field) { return LeadingNumber(Box(field)->text().toStdString()); };
    settings_->SetOutdoor(number(Field::OutdoorTemp));
    settings_->SetElevation(number(Field::Elevation));
    settings_->SetSaveOnExit(mnuSaveSettings_->isChecked());
    settings_->SetDetailsView(mnuViewDetails_->isChecked());
    settings_->SetPresentationView(mnuViewPresentation_->isChecked());
    // A store that cannot be written must not keep the program from closing.
    settings_->Flush();
}

void frmHalvex::mnuExit_Click() {
    SaveSettings();
    EndProgram();
}

void frmHalvex::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        SaveSettings();
        EndProgram();
    }
    event->accept();
}

void frmHalvex::EndProgram() {
    exiting_ = true;
    timer1_->stop();
    for (QWidget* w : SecondaryWindows()) w->hide();
    hide();
    emit programEnded();
}

// ---- Other windows ----

// Shown, on top and active: the secondary windows are never modal, so the user can go back.
void frmHalvex::BringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

frmFormulas* frmHalvex::Formulas(bool create) {
    if (!formulas_ && create) {
        formulas_ = std::make_unique<frmFormulas>(this);
        // "Show graphics" lands exactly over "Show formulae".
        formulas_->SetAnchor(cmdShowFormulas_);
        connect(formulas_.get(), &frmFormulas::graphicsShown, this,
                &frmHalvex::ReturnFromSecondaryWindow);
    }
    return formulas_.get();
}

void frmHalvex::cmdSelectCity_Click() {
    if (RunPendingCheck()) OpenLocationDialog();
}

void frmHalvex::cmdShowFormulas_Click() {
    if (!RunPendingCheck()) return;
    frmFormulas* f = Formulas();
    BringUp(f);
}

void frmHalvex::mnuAbout_Click() {
    if (!about_) {
        about_ = std::make_unique<frmAbout>();
        connect(about_.get(), &frmAbout::hidden, this, &frmHalvex::ReturnFromSecondaryWindow);
    }
    BringUp(about_.get());
}

void frmHalvex::OpenLocationDialog() {
    if (!cities_) {
        cities_ = std::make_unique<frmCities>(*settings_);
        connect(cities_.get(), &frmCities::placeAccepted, this,
                &frmHalvex::LocationDialog_Accepted);
        connect(cities_.get(), &frmCities::closed, this, &frmHalvex::LocationDialog_Closed);
    }
    // The check mark cannot change while the dialog is up: this window is disabled.
    cities_->SetRememberPick(mnuSaveSettings_->isChecked());
    cities_->show();
    // Kept above this window, so that nothing can bury it while it is the one taking input.
    if (cities_->windowHandle()) cities_->windowHandle()->setTransientParent(windowHandle());
    cities_->raise();
    cities_->activateWindow();
    setEnabled(false);
    // While it is up, only the dialog takes input: the other windows too are disabled.
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get())})
        if (w) w->setEnabled(false);
}

void frmHalvex::LocationDialog_Accepted(const QString& elevation, const QString& outdoorTemp) {
    Box(Field::Elevation)->PutText(elevation);
    Box(Field::OutdoorTemp)->PutText(outdoorTemp);
    LocationDialog_PlacePicked(elevation, outdoorTemp);
}

void frmHalvex::LocationDialog_Closed() {
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get())})
        if (w) w->setEnabled(true);
    setEnabled(true);
    ReturnFromSecondaryWindow();
}

void frmHalvex::ReturnFromSecondaryWindow() {
    const bool wasActive = isActiveWindow();
    show();
    raise();
    activateWindow();
    cmdSelectCity_->setFocus();
    // The activation, when it is reported, must not move the focus a second time.
    returnFocusDone_ = !wasActive;
}

QList<QWidget*> frmHalvex::SecondaryWindows() const {
    QList<QWidget*> windows;
    for (QWidget* w : {static_cast<QWidget*>(formulas_.get()), static_cast<QWidget*>(about_.get()),
                       static_cast<QWidget*>(cities_.get()), static_cast<QWidget*>(guide_.get())})
        if (w) windows << w;
    return windows;
}

}  // namespace vevi
