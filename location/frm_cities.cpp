#include "frm_cities.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QWindow>
#include <functional>
#include <optional>
#include <string_view>

#include "accessibility.h"
#include "fonts.h"
#include "formulas.h"
#include "list_box.h"
#include "location_table.h"
#include "number_text.h"
#include "palettes.h"
#include "settings_store.h"
#include "twips.h"
#include "units.h"
#include "utf8_text.h"
#include "window_frame.h"

namespace vevi {
namespace {

constexpr auto kPressurePattern = "#0.00";

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

ListBox* AddList(QWidget* parent, const char* name, const QString& accessibleName,
                 const QRect& geometry) {
    auto* list = new ListBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
    // Long names are cut at the edge rather than scrolled sideways.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RingFocus(list);
    return list;
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, const QString& accessibleName,
                      const QString& text, const QRect& geometry) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setGeometry(geometry);
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // The dialog has no default button (the dialog's own key handling presses the focused
    // one), so no button looks as if Enter anywhere would press it.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmCities::frmCities(SettingsStore& settings)
    : QDialog(nullptr, FixedSizeWindowFlags(Qt::Dialog)), settings_(settings) {
    setObjectName("frmCities");
    setWindowTitle("Select a City");
    setModal(false);
    setFixedSize(Px(5085), Px(3465));
    setFont(MakeFont(FontFace::MsSansSerif, 8.25, true));
    setPalette(LightPalette());
    ShowFocusMarks(this);
    CreateControls();
    ConnectHandlers();
    DescribeNamedControls(this);
}

frmCities::~frmCities() = default;

void frmCities::CreateControls() {
    // Created in tab order, so that the focus chain follows it.
    auto* states = AddList(this, "lstState", "State or province", TwipsRect(270, 435, 1905, 810));
    AddLabel(this, "lblState", "State/Province", TwipsRect(285, 210, 1770, 210));
    AddLabel(this, "lblCity", "City", TwipsRect(2475, 225, 765, 225));
    auto* cities = AddList(this, "lstCities", "City", TwipsRect(2490, 450, 2355, 810));
    AddLabel(this, "lblElevation", "Elevation", TwipsRect(2490, 1605, 1275, 240));
    txtElevation_ =
        AddTextBox(this, "txtElevation", "Elevation, feet", "0", TwipsRect(2520, 1815, 735, 285));
    lblFeet_ = AddLabel(this, "lblFeet", "ft.", TwipsRect(3300, 1830, 375, 285));
    cmdOK_ = AddButton(this, "cmdOK", "OK", TwipsRect(255, 2940, 945, 375));
    txtBarometricPressure_ =
        AddTextBox(this, "txtBarometricPressure", "Barometric pressure, inches of mercury", "29.92",
                   TwipsRect(2505, 2415, 735, 285));
    txtBarometricPressure_->setEnabled(false);
    lblHg_ = AddLabel(this, "lblHg", "\" Hg", TwipsRect(3315, 2430, 585, 285));
    AddLabel(this, "lblBarometricPressure", "Barometric Pressure",
             TwipsRect(2490, 2220, 1785, 240));
    AddLabel(this, "lblInstructions", "Select a city or enter an elevation and press OK",
             TwipsRect(210, 2175, 1845, 585))
        ->setWordWrap(true);
    cmdCancel_ = AddButton(this, "cmdCancel", "Cancel", TwipsRect(1320, 2940, 840, 375));
    txtOutdoorTemp_ = AddTextBox(this, "txtOutdoorTemp", "Outdoor design temperature, °F", "0",
                                 TwipsRect(2520, 3045, 735, 285));
    AddLabel(this, "Label1", "Outdoor design temperature", TwipsRect(2505, 2850, 2370, 195));
    Label2_ = AddLabel(this, "Label2", "°F", TwipsRect(3345, 3060, 585, 285));
    lstState_ = states;
    lstCities_ = cities;

    QWidget* const tabOrder[] = {
        lstState_,  lstCities_,     txtElevation_, cmdOK_, txtBarometricPressure_,
        cmdCancel_, txtOutdoorTemp_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    states->onKeyPress = [this](int keyAscii, QKeyEvent*) { lstState_KeyPress(keyAscii); };
    cities->onKeyPress = [this](int keyAscii, QKeyEvent* event) {
        lstCities_KeyPress(keyAscii);
        // Handled here; the dialog must not treat it as a press of a button.
        if (keyAscii == kEnter) event->accept();
    };
}

void frmCities::ConnectHandlers() {
    connect(lstState_, &QListWidget::currentRowChanged, this, &frmCities::lstState_Click);
    connect(lstCities_, &QListWidget::currentRowChanged, this, &frmCities::lstCities_Click);
    connect(txtElevation_, &QLineEdit::textChanged, this, &frmCities::txtElevation_Change);
    txtElevation_->installEventFilter(this);
    connect(cmdOK_, &QPushButton::clicked, this, &frmCities::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmCities::cmdCancel_Click);

    // Coming back from another window of the program is an activation; coming back from
    // another program, or from a popup menu, is not (it would overwrite a typed elevation).
    lastFocusWindow_ = QGuiApplication::focusWindow();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        const QPointer<QWindow> before = lastFocusWindow_;
        lastFocusWindow_ = now;
        if (!now || now != windowHandle() || !before || before == now) return;
        if (before->type() == Qt::Popup || before->type() == Qt::ToolTip) return;
        Form_Activate();
    });
}

// ---- Showing ----

void frmCities::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    Form_Activate();
}

void frmCities::Form_Load() {
    for (const std::string_view name : LocationTable::StateNames())
        lstState_->addItem(FromUtf8(name));

    // Values that name no place (only an edited settings store holds them) open as a first
    // run; a known region with an unknown city opens on that region's first city.
    std::optional<int> state = settings_.State();
    std::optional<int> city = settings_.City();
    if (!state || *state < 0 || *state >= lstState_->count()) {
        state = 0;
        city = 0;
    }
    const int cityCount = static_cast<int>(LocationTable::CityNames(*state).size());
    if (!city || *city < -1 || *city >= cityCount) city = 0;

    lstState_->setCurrentRow(*state);
    lstCities_->setCurrentRow(*city);
    lstCities_Click();
}

void frmCities::Form_Activate() {
    lstCities_Click();
}

// ---- The lists ----

void frmCities::lstState_Click() {
    {
        // Emptying the list is not a pick of "no city".
        const QSignalBlocker quiet(lstCities_);
        lstCities_->clear();
    }
    txtElevation_->setText(QString());
    txtOutdoorTemp_->setText(QString());
    for (const std::string_view name : LocationTable::CityNames(lstState_->currentRow()))
        lstCities_->addItem(FromUtf8(name));
}

void frmCities::lstCities_Click() {
    if (const auto place =
            LocationTable::LookUpCity(lstState_->currentRow(), lstCities_->currentRow())) {
        const auto in = [this](Field field, int inchPound) {
            return QString::fromStdString(FieldTextIn(field, std::to_string(inchPound), units_));
        };
        txtElevation_->setText(in(Field::Elevation, place->ElevationFeet));
        txtOutdoorTemp_->setText(in(Field::OutdoorTemp, place->DesignTempF));
    }
    UpdateBaroPressure();
}

int frmCities::SelectedState() const {
    return lstState_->currentRow();
}

int frmCities::SelectedCity() const {
    return lstCities_->currentRow();
}

void frmCities::SelectPlace(int state, int city) {
    if (!loaded_) return;
    lstState_->setCurrentRow(state);
    lstCities_->setCurrentRow(city);
}

void frmCities::lstState_KeyPress(int keyAscii) {
    if (keyAscii == kEnter && lstState_->currentRow() > -1) lstState_Click();
    lstCities_->setFocus(Qt::OtherFocusReason);
}

void frmCities::lstCities_KeyPress(int keyAscii) {
    if (keyAscii == kEnter) cmdOK_Click();
}

// ---- Elevation and pressure ----

void frmCities::UpdateBaroPressure() {
    const double elevation =
        InchPoundNumber(Field::Elevation, txtElevation_->text().toStdString(), units_);
    // Only for elevations the main window accepts: above the top of the standard atmosphere
    // there is no pressure, and far below sea level it runs to hundreds of digits.
    const std::optional<double> pressure =
        elevation >= kLowestElevation && elevation <= kHighestElevation
            ? CheckedBaroPressure(elevation)
            : std::nullopt;
    if (!pressure) return txtBarometricPressure_->setText(QString());
    txtBarometricPressure_->setText(QString::fromStdString(
        units_ == UnitSystem::US
            ? FormatNumber(*pressure, kPressurePattern)
            : SiText(Measure::Pressure, ToSystem(Measure::Pressure, *pressure, units_))));
}

void frmCities::SetUnits(UnitSystem units) {
    if (units == units_) return;
    const bool si = units == UnitSystem::SI;
    lblFeet_->setText(si ? Symbol(Measure::Length, units) : "ft.");
    lblHg_->setText(si ? Symbol(Measure::Pressure, units) : "\" Hg");
    Label2_->setText(QString::fromUtf8(Symbol(Measure::Temperature, units)));
    txtElevation_->setAccessibleName(si ? "Elevation, metres" : "Elevation, feet");
    txtBarometricPressure_->setAccessibleName(si ? "Barometric pressure, kilopascals"
                                                 : "Barometric pressure, inches of mercury");
    txtOutdoorTemp_->setAccessibleName(QString("Outdoor design temperature, ") +
                                       QString::fromUtf8(Symbol(Measure::Temperature, units)));
    const bool pressureShown = !txtBarometricPressure_->text().isEmpty();
    const auto carry = [this, units](QLineEdit* box, Field field) {
        if (box->text().isEmpty()) return;
        box->setText(QString::fromStdString(
            ConvertedFieldText(field, box->text().toStdString(), units_, units)));
    };
    carry(txtElevation_, Field::Elevation);
    carry(txtOutdoorTemp_, Field::OutdoorTemp);
    units_ = units;
    if (pressureShown) UpdateBaroPressure();
}

void frmCities::txtElevation_Change() {
    txtBarometricPressure_->setText(QString());
}

void frmCities::txtElevation_KeyPress(int keyAscii) {
    if (keyAscii != kEnter) return;
    UpdateBaroPressure();
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void frmCities::txtElevation_LostFocus() {
    UpdateBaroPressure();
}

bool frmCities::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtElevation_) {
        if (event->type() == QEvent::KeyPress) {
            const std::optional<int> code = CharacterCode(static_cast<QKeyEvent*>(event));
            if (code && *code == kEnter) {
                txtElevation_KeyPress(kEnter);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Only a move to another control of this window is a leave: another window or
            // program taking the focus, or hiding the dialog, is not.
            const QWidget* now = QApplication::focusWidget();
            if (now && now != txtElevation_ && now->window() == this) txtElevation_LostFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Keys of the dialog ----

void frmCities::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus and nothing else; Escape cancels.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->hasFocus())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- OK and Cancel ----

void frmCities::cmdOK_Click() {
    emit placeAccepted(txtElevation_->text(), txtOutdoorTemp_->text());
    if (rememberPick_) {
        settings_.SetState(lstState_->currentRow());
        settings_.SetCity(lstCities_->currentRow());
    }
    cmdCancel_Click();
}

void frmCities::cmdCancel_Click() {
    txtElevation_->setText(QString());
    txtBarometricPressure_->setText(QString());
    hide();
    emit closed();
}

void frmCities::reject() {
    if (isVisible()) cmdCancel_Click();
}

}  // namespace vevi
