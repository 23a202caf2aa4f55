// Keyboard-only use of the main window, its own light colours, what a screen reader hears of
// its results, and its help. The boxes keep their documented Enter, Tab and arrow moves
// (InputBox); this adds what the documents leave out, so that no control needs the mouse:
// Enter presses a focused button, Tab from a button without a documented target goes to the
// first box, Shift+Tab goes back through every control in reading order, and the menu items
// have keys.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <variant>
#include <vector>

#include "accessibility.h"
#include "frm_guide.h"
#include "frm_halvex.h"
#include "input_box.h"
#include "palettes.h"

namespace vevi {
namespace {

using layout::Button;

// One control of the Shift+Tab ring: a box or a button.
using Stop = std::variant<Field, Button>;

// Reading order: the general inputs, the two buttons beside them, the limits grid row by row,
// then "Show formulae" below it. Shift+Tab goes backward, past hidden controls, and from the
// first to the last.
constexpr Stop kReadingOrder[] = {
    Field::IndoorTemp,
    Field::OutdoorTemp,
    Field::Elevation,
    Button::SelectCity,
    Button::Go,
    Field::DrawThruDisTemp,
    Field::BloThruDisTemp,
    Field::DrawThruTempRise,
    Field::BloThruTempRise,
    Field::DrawThruFanCapacity,
    Field::BloThruFanCapacity,
    Button::ShowFormulas,
};

// Where Tab goes from a button. "Show formulae" leads to the start button, as documented; the
// other two have no documented target and lead into the first box, which could otherwise
// not be reached from the keyboard once a button has the focus.
struct ButtonTab {
    Button button;
    layout::Target to;
};
constexpr ButtonTab kButtonTabs[] = {
    {Button::SelectCity, {layout::Target::Box, Field::IndoorTemp}},
    {Button::Go, {layout::Target::Box, Field::IndoorTemp}},
    {Button::ShowFormulas, {layout::Target::Go}},
};

// The menu items' keys, shown beside their captions.
struct MenuKey {
    void (frmHalvex::*handler)();
    QKeyCombination key;
};
const MenuKey kMenuKeys[] = {
    {&frmHalvex::mnuColor_Click, Qt::CTRL | Qt::Key_P},
    {&frmHalvex::mnuExit_Click, Qt::CTRL | Qt::Key_Q},
    {&frmHalvex::mnuUserGuide_Click, QKeyCombination(Qt::Key_F1)},
};

bool IsBacktab(const QKeyEvent& key) {
    return key.key() == Qt::Key_Backtab ||
           (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
}

// Plain Enter or Return, as a dialog takes it for a press of its button.
bool IsEnter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers others = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && others == 0;
}

}  // namespace

// ---- Colours ----

void frmHalvex::UseOwnColours() {
    // Before anything is drawn: the diagram takes its ink from here.
    setPalette(LightPalette());
    centralWidget()->setPalette(PaperPalette());
    centralWidget()->setAutoFillBackground(true);
}

// ---- Keys ----

void frmHalvex::SetUpKeyboard() {
    for (InputBox* box : boxes_) box->installEventFilter(this);
    for (QPushButton* button : {cmdSelectCity_, cmdGo_, cmdShowFormulas_})
        button->installEventFilter(this);
    // The program puts the focus on "Select a City" and "Show formulae" itself.
    ShowFocusMarks(this);
}

bool frmHalvex::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && event->type() == QEvent::KeyPress &&
        ControlKey(control, *static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmHalvex::ControlKey(QWidget* control, const QKeyEvent& key) {
    if (IsBacktab(key)) {
        MoveBack(control);
        return true;
    }
    auto* button = qobject_cast<QPushButton*>(control);
    if (!button) return false;  // every other key of a box is the box's own
    if (key.key() == Qt::Key_Tab) {
        for (const ButtonTab& tab : kButtonTabs)
            if (ButtonOf(tab.button) == button) MoveTo(tab.to);
        return true;
    }
    if (IsEnter(key)) {
        // A held key presses once: the press itself moves the focus on.
        if (!key.isAutoRepeat()) button->click();
        return true;
    }
    return false;
}

QPushButton* frmHalvex::ButtonOf(Button button) const {
    switch (button) {
        case Button::SelectCity:
            return cmdSelectCity_;
        case Button::Go:
            return cmdGo_;
        case Button::ShowFormulas:
            return cmdShowFormulas_;
    }
    return nullptr;
}

void frmHalvex::MoveTo(layout::Target target) {
    if (target.kind == layout::Target::Box) Box(target.field)->setFocus(Qt::TabFocusReason);
    if (target.kind == layout::Target::Go) cmdGo_->setFocus(Qt::TabFocusReason);
}

// Leaving a box this way is a leave like any other: its range check runs (FocusMoved).
void frmHalvex::MoveBack(QWidget* from) {
    std::vector<QWidget*> ring;
    for (const Stop& stop : kReadingOrder)
        ring.push_back(std::holds_alternative<Field>(stop)
                           ? static_cast<QWidget*>(Box(std::get<Field>(stop)))
                           : ButtonOf(std::get<Button>(stop)));
    const std::size_t n = ring.size();
    const auto at = std::find(ring.begin(), ring.end(), from);
    const std::size_t here = at == ring.end() ? 0 : static_cast<std::size_t>(at - ring.begin());
    for (std::size_t step = 1; step <= n; ++step) {
        QWidget* previous = ring[(here + n - step) % n];
        if (previous->isVisibleTo(this) && previous->isEnabled()) {
            previous->setFocus(Qt::BacktabFocusReason);
            return;
        }
    }
}

// Color's key works only while its submenu, Print Graphics, is offered: the toolkit does not
// take a key for an item of a disabled menu.
void frmHalvex::GiveShortcut(QAction* action, void (frmHalvex::*handler)()) {
    for (const MenuKey& row : kMenuKeys)
        if (row.handler == handler) action->setShortcut(QKeySequence(row.key));
}

// ---- Screen readers ----

// A value label is read with what it is: "Draw Thru inlet airflow 8,070 cfm". The bridge
// reads a label's accessible name in place of its text, so the name carries the text too and
// is written again whenever the text is.
void frmHalvex::NameValues() {
    for (Arrangement a : kArrangements) {
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            const QuantityInfo& info = Describe(Quantity(i));
            QLabel* label = Value(a, Quantity(i));
            const QString text = label->text().simplified();
            const QString unit = QString::fromUtf8(UnitText(info.unit));
            QString name;
            if (!text.isEmpty()) {
                name = QString::fromUtf8(ArrangementName(a)) + ' ' +
                       QString::fromUtf8(info.description) + ' ' + text;
                // The temperatures carry their unit in their text.
                if (!text.endsWith(unit)) name += ' ' + unit;
            }
            label->setAccessibleName(name);
        }
    }
}

// ---- Help ----

void frmHalvex::mnuUserGuide_Click() {
    if (!guide_) {
        guide_ = std::make_unique<frmGuide>();
        connect(guide_.get(), &frmGuide::hidden, this, &frmHalvex::ReturnFromSecondaryWindow);
    }
    BringUp(guide_.get());
}

void frmHalvex::mnuAboutQt_Click() {
    QApplication::aboutQt();
}

}  // namespace vevi
