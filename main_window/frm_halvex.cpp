#include "frm_halvex.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "accessibility.h"
#include "comparison_session.h"
#include "field_rules.h"
#include "first_picture.h"
#include "frame_centring.h"
#include "frm_formulas.h"
#include "heater_diagram.h"
#include "input_box.h"
#include "job_files.h"
#include "keyboard_navigation.h"
#include "main_menu.h"
#include "named_controls.h"
#include "number_text.h"
#include "page_printing.h"
#include "page_readier.h"
#include "palettes.h"
#include "prompts.h"
#include "range_check.h"
#include "result_labels.h"
#include "results_export.h"
#include "secondary_windows.h"
#include "settings_store.h"
#include "twips.h"
#include "window_frame.h"
#include "window_units.h"

namespace vevi {
namespace {

constexpr auto kCaption = "Vevi Razo ro. Vozo Veri Vevirazedo";
constexpr auto kIcon = ":/pictures/vevi.svg";
constexpr auto kShutDown = "Shut 'em down";
constexpr auto kFireUp = "Fire 'em up";  // after a stop: no exclamation mark
// Enter or Tab from the outdoor temperature selects this much of the elevation.
constexpr int kElevationSelectedFromOutdoor = 4;

}  // namespace

frmHalvex::frmHalvex(Prompts* prompts, SettingsStore* settings)
    : QMainWindow(nullptr, FixedSizeWindowFlags(Qt::Window)),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtPrompts>(this)),
      ownSettings_(settings ? nullptr : std::make_unique<SettingsStore>()),
      prompts_(prompts ? prompts : ownPrompts_.get()),
      settings_(settings ? settings : ownSettings_.get()),
      session_(new ComparisonSession(this)) {
    setObjectName("frmHalvex");
    setWindowTitle(kCaption);
    centring_ = new FrameCentring(this);
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(Px(layout::kClientWidth), Px(layout::kClientHeight));
    setCentralWidget(client);
    // Before anything is drawn: the diagram takes its ink from here.
    setPalette(LightPalette());
    client->setPalette(PaperPalette());
    client->setAutoFillBackground(true);

    diagram_ = new HeaterDiagram(client);
    labels_ = new ResultLabels(client);
    // Neither the icon nor the labels of the results are in the first picture.
    auto* firstPicture = new FirstPicture(client);
    connect(firstPicture, &FirstPicture::shown, this, [this] { setWindowIcon(QIcon(kIcon)); });
    connect(firstPicture, &FirstPicture::shown, labels_, &ResultLabels::BuildAll);
    CreateBoxes();
    CreateButtons();
    windows_ =
        std::make_unique<SecondaryWindows>(this, cmdShowFormulas_, cmdSelectCity_, *settings_);
    page_ = std::make_unique<PageReadier>(
        client, diagram_->WheelTimer(),
        std::vector<QWidget*>{cmdGo_, cmdSelectCity_, cmdShowFormulas_});
    printing_ = std::make_unique<PagePrinting>(*prompts_, *page_, this);
    units_ = new WindowUnits(*session_, boxes_, *settings_, this);
    jobs_ = new JobFiles(*prompts_, *settings_, *session_, *units_, boxes_, this);
    CreateMenus();
    keys_ = new KeyboardNavigation(this, boxes_, {cmdSelectCity_, cmdGo_, cmdShowFormulas_});
    // A fixed border: the client area never changes size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(diagram_->WheelTimer(), &QTimer::timeout, this, &frmHalvex::Timer1_Timer);
    connect(jobs_, &JobFiles::placeOpened, windows_.get(), &SecondaryWindows::SelectPlace);
    connect(windows_.get(), &SecondaryWindows::placeAccepted, this,
            &frmHalvex::LocationDialog_Accepted);
    connect(windows_.get(), &SecondaryWindows::locationDialogClosed, this,
            &frmHalvex::LocationDialog_Closed);
    rangeCheck_ = std::make_unique<RangeCheck>(*prompts_, *session_, this);
    connect(units_, &WindowUnits::unitsChanged, labels_, &ResultLabels::SetUnits);
    connect(units_, &WindowUnits::unitsChanged, windows_.get(), &SecondaryWindows::SetUnits);
    connect(units_, &WindowUnits::unitsChanged, this, [this] { Session_ShownChanged(true); });
    DescribeNamedControls(this);
}

// The collaborators that watch the focus go with the members, before the window's widgets.
frmHalvex::~frmHalvex() {
    for (InputBox* box : boxes_) disconnect(box, nullptr, this, nullptr);
}

void frmHalvex::CreateBoxes() {
    for (const layout::BoxSpec& s : layout::Boxes()) {
        auto* box = new InputBox(s, centralWidget());
        connect(box, &InputBox::focusArrived, this, [this, box] { InputBox_GotFocus(box); });
        connect(box, &InputBox::moveRequested, this,
                [this, box](layout::Target to) { InputBox_KeyMove(box, to); });
        connect(box, &QLineEdit::textChanged, this, &frmHalvex::InputBox_Change);
        boxes_[static_cast<std::size_t>(s.field)] = box;
    }
}

void frmHalvex::CreateButtons() {
    for (const layout::ButtonSpec& s : layout::Buttons()) {
        QPushButton*& slot = s.button == layout::Button::SelectCity ? cmdSelectCity_
                             : s.button == layout::Button::Go       ? cmdGo_
                                                                    : cmdShowFormulas_;
        slot = MakeButton(s, centralWidget());
    }
    connect(cmdSelectCity_, &QPushButton::clicked, this, &frmHalvex::cmdSelectCity_Click);
    connect(cmdGo_, &QPushButton::clicked, this, &frmHalvex::cmdGo_Click);
    connect(cmdShowFormulas_, &QPushButton::clicked, this, &frmHalvex::cmdShowFormulas_Click);
}

void frmHalvex::CreateMenus() {
    auto* results = new ResultsExport(*prompts_, *session_, *jobs_, *page_,
                                      std::vector<QWidget*>(boxes_.begin(), boxes_.end()), this);
    const MainMenu m = BuildMainMenu(menuBar(), *jobs_, *results, *units_);
    using Handler = void (frmHalvex::*)();
    const std::pair<QAction*, Handler> handlers[] = {
        {m.color, &frmHalvex::mnuColor_Click},
        {m.bw, &frmHalvex::mnuBW_Click},
        {m.printFormulas, &frmHalvex::mnuPrintFormulas_Click},
        {m.exit, &frmHalvex::mnuExit_Click},
        {m.viewDetails, &frmHalvex::mnuViewDetails_Click},
        {m.viewPresentation, &frmHalvex::mnuViewPresentation_Click},
        {m.matchInput, &frmHalvex::mnuMatchInputCapacity_Click},
        {m.matchOutput, &frmHalvex::mnuMatchOutputCapacity_Click},
        {m.matchNet, &frmHalvex::mnuMatchNetCapacity_Click},
        {m.matchAirflow, &frmHalvex::mnuMatchAirflow_Click},
        {m.about, &frmHalvex::mnuAbout_Click},
        {m.userGuide, &frmHalvex::mnuUserGuide_Click},
    };
    for (const auto& [item, handler] : handlers) connect(item, &QAction::triggered, this, handler);
    mnuViewDetails_ = m.viewDetails;
    mnuViewPresentation_ = m.viewPresentation;
    mnuSaveSettings_ = m.saveSettings;
    FollowShown(m.printGraphics, m.printFormulas);
}

// Every "shown" mirror follows the session, in the documented order: the results, the wheels,
// the button's caption, "Show formulae", the print items (copy and export on their own).
void frmHalvex::FollowShown(QMenu* printGraphics, QAction* printFormulas) {
    ComparisonSession* s = session_;
    connect(s, &ComparisonSession::shownChanged, this, &frmHalvex::Session_ShownChanged);
    connect(s, &ComparisonSession::shownChanged, diagram_, &HeaterDiagram::FollowShown);
    connect(s, &ComparisonSession::shownChanged, cmdGo_,
            [this](bool shown) { cmdGo_->setText(shown ? kShutDown : kFireUp); });
    connect(s, &ComparisonSession::shownChanged, cmdShowFormulas_, &QWidget::setVisible);
    // Disabled on the menu itself: a menu only follows its action while the window is enabled,
    // and enabling the window again after the location dialog would enable it too.
    printGraphics->setEnabled(false);
    printFormulas->setEnabled(false);
    connect(s, &ComparisonSession::shownChanged, printGraphics, &QMenu::setEnabled);
    connect(s, &ComparisonSession::shownChanged, printFormulas, &QAction::setEnabled);
}

void frmHalvex::Form_Load() {
    centring_->Centre();
    mnuSaveSettings_->setChecked(settings_->SaveOnExit());
    mnuViewDetails_->setChecked(settings_->DetailsView());
    mnuViewPresentation_->setChecked(settings_->PresentationView());
    const bool restore = mnuSaveSettings_->isChecked();
    Box(Field::OutdoorTemp)->PutText(restore ? settings_->OutdoorText() : "0");
    Box(Field::Elevation)->PutText(restore ? settings_->ElevationText() : "0");
    units_->Switch(settings_->Units());
    show();
    activateWindow();
    cmdSelectCity_->setFocus();
    centring_->CentreOnceFramed();
}

bool frmHalvex::OpenJob(const QString& path) {
    return jobs_->Open(path);
}

void frmHalvex::SaveSettings() {
    const ComparisonInputs texts = units_->InchPoundInputs();  // the keys hold inch-pound
    auto number = [&texts](Field field) { return LeadingNumber(texts.FieldText(field)); };
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
    diagram_->WheelTimer()->stop();
    windows_->HideAll();
    hide();
    emit programEnded();
}

void frmHalvex::cmdGo_Click() {
    // A click that took the focus from a box whose value is then refused does nothing.
    if (!rangeCheck_->RunPending()) return;
    session_->Shown() ? session_->Stop() : StartComparison();
}

void frmHalvex::StartComparison() {
    if (!rangeCheck_->Accepts(*Box(Field::Elevation))) return;
    if (!session_->Start(TextsOf(boxes_), units_->InchPoundInputs())) {
        prompts_->Warn(kNoResultText, kInvalidValueTitle);
        return;
    }
    cmdShowFormulas_->setFocus();
}

// The session's report on display, or its end: the first of the "shown" mirrors.
void frmHalvex::Session_ShownChanged(bool shown) {
    if (!shown) return ClearResults();
    if (!session_->Shown()) return;  // other units with nothing on display
    const ComparisonReport& report = *session_->Report();
    WriteResults();
    diagram_->SizeDrawThruFlame(report);
    diagram_->SizeBloThruFlame(report);
    LayoutResults();
}

// Each arrangement's main-window labels, then its formulas, Draw Thru first.
void frmHalvex::WriteResults() {
    const ComparisonReport& report = *session_->Report();
    labels_->Write(report);
    frmFormulas* formulas = windows_->MakeFormulas();
    for (const FormulaText& t : report.formulas)
        formulas->SetFigure(t.arrangement, t.slot, QString::fromStdString(t.text));
}

void frmHalvex::WriteLimit(Field field, double value) {
    // The actual value is shown whole: cut to the box's length it would be a wrong figure.
    Box(field)->PutWholeText(QString::fromStdString(LimitTextIn(field, value, units_->Units())));
}

void frmHalvex::LayoutResults() {
    const ComparisonResult& r = session_->Report()->result;
    ++stopGuard_;
    labels_->ShowGroup(layout::Group::Common, true);
    labels_->ShowActualRowCaptions(true);
    WriteLimit(Field::BloThruDisTemp, r.BloThru.DischargeTemp);
    WriteLimit(Field::BloThruTempRise, r.BloThru.Rise);
    WriteLimit(Field::DrawThruDisTemp, r.DrawThru.DischargeTemp);
    WriteLimit(Field::DrawThruTempRise, r.DrawThru.Rise);
    const bool details = mnuViewDetails_->isChecked();
    labels_->ShowGroup(layout::Group::Detail, details);
    if (details) {
        labels_->ShowGroup(layout::Group::Net, true);
        diagram_->ShowNetRules(true);
    }
    --stopGuard_;
}

void frmHalvex::ClearResults() {
    ++stopGuard_;
    labels_->Clear();
    diagram_->HideFlames();
    labels_->ShowActualRowCaptions(false);
    for (Field f : {Field::BloThruDisTemp, Field::BloThruTempRise, Field::DrawThruDisTemp,
                    Field::DrawThruTempRise})
        Box(f)->PutText(QString::fromStdString(session_->SavedLimitText(f)));
    diagram_->ShowNetRules(false);
    --stopGuard_;
}

void frmHalvex::Timer1_Timer() {
    diagram_->TurnWheels();
}

void frmHalvex::mnuViewDetails_Click() {
    mnuViewDetails_->setChecked(true);
    mnuViewPresentation_->setChecked(false);
    if (session_->Shown()) LayoutResults();
}

void frmHalvex::mnuViewPresentation_Click() {
    mnuViewDetails_->setChecked(false);
    mnuViewPresentation_->setChecked(true);
    if (session_->Shown()) LayoutResults();
}

void frmHalvex::InputBox_GotFocus(InputBox* box) {
    box->SelectFirst(box->Row().selectOnFocus);
}

void frmHalvex::InputBox_KeyMove(InputBox* box, layout::Target target) {
    if (target.kind == layout::Target::LocationDialog) return OpenLocationDialog();
    keys_->MoveTo(target);
    if (target.kind == layout::Target::Box && box->GetField() == Field::OutdoorTemp) {
        InputBox* next = Box(target.field);
        next->SelectFirst(kElevationSelectedFromOutdoor);
    }
}

void frmHalvex::InputBox_Change() {
    if (stopGuard_ == 0 && !units_->Converting()) session_->Stop();
}

bool frmHalvex::focusNextPrevChild(bool) {
    // No control is a stop of the toolkit's Tab order; the boxes move the focus themselves.
    return true;
}

void frmHalvex::Match(MatchKind kind) {
    session_->Stop();
    const auto prompt = QString::fromStdString(MatchPromptIn(kind, units_->Units()));
    const QString answer = prompts_->AskText(prompt, kMatchPromptTitle);
    // The elevation is checked before anything is written: the start would refuse it.
    const auto desired = ReadMatchAnswer(answer.toStdString());
    if (!desired || !rangeCheck_->Accepts(*Box(Field::Elevation))) return;
    const auto matched = session_->Match(kind, *desired, units_->InchPoundInputs());
    if (!matched) return;  // a zero divisor: nothing sound to write
    const MatchedTexts texts = MatchedCapacityTextsIn(*matched, units_->Units());
    if (!texts.tooLong.empty()) {
        prompts_->Warn(QString::fromStdString(texts.tooLong), kInvalidValueTitle);
        return;
    }
    Box(Field::BloThruFanCapacity)->PutText(QString::fromStdString(texts.bloThru));
    Box(Field::DrawThruFanCapacity)->PutText(QString::fromStdString(texts.drawThru));
    StartComparison();
}

void frmHalvex::cmdSelectCity_Click() {
    if (rangeCheck_->RunPending()) OpenLocationDialog();
}

void frmHalvex::cmdShowFormulas_Click() {
    if (rangeCheck_->RunPending()) windows_->ShowFormulas();
}

void frmHalvex::mnuAbout_Click() {
    windows_->ShowAbout();
}

void frmHalvex::mnuUserGuide_Click() {
    windows_->ShowGuide();
}

void frmHalvex::OpenLocationDialog() {
    // The check mark cannot change while the dialog is up: this window is disabled.
    windows_->ShowLocationDialog(mnuSaveSettings_->isChecked());
    setEnabled(false);
}

void frmHalvex::LocationDialog_Accepted(const QString& elevation, const QString& outdoorTemp,
                                        int state, int city) {
    Box(Field::Elevation)->PutText(elevation);
    Box(Field::OutdoorTemp)->PutText(outdoorTemp);
    jobs_->PlacePicked(state, city, elevation, outdoorTemp);
}

void frmHalvex::LocationDialog_Closed() {
    setEnabled(true);
    windows_->ReturnToMain();
}

void frmHalvex::mnuColor_Click() {
    printing_->PrintDiagram();
}

void frmHalvex::mnuBW_Click() {
    labels_->UseOwnColours(false);
    printing_->PrintDiagram();
    labels_->UseOwnColours(true);
}

void frmHalvex::mnuPrintFormulas_Click() {
    printing_->PrintFormulas(*windows_->MakeFormulas(), *diagram_->WheelTimer());
}

}  // namespace vevi
