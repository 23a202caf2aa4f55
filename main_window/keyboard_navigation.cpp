#include "keyboard_navigation.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <variant>
#include <vector>

#include "accessibility.h"
#include "input_box.h"

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

KeyboardNavigation::KeyboardNavigation(QWidget* window, const Boxes& boxes, const Buttons& buttons)
    : QObject(window), window_(window), boxes_(boxes), buttons_(buttons) {
    for (InputBox* box : boxes_) box->installEventFilter(this);
    for (QPushButton* button : buttons_) button->installEventFilter(this);
    // The program puts the focus on "Select a City" and "Show formulae" itself.
    ShowFocusMarks(window_);
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && event->type() == QEvent::KeyPress &&
        ControlKey(control, *static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool KeyboardNavigation::ControlKey(QWidget* control, const QKeyEvent& key) {
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

QPushButton* KeyboardNavigation::ButtonOf(Button button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

void KeyboardNavigation::MoveTo(layout::Target target) {
    if (target.kind == layout::Target::Box) Box(target.field)->setFocus(Qt::TabFocusReason);
    if (target.kind == layout::Target::Go) ButtonOf(Button::Go)->setFocus(Qt::TabFocusReason);
}

// Leaving a box this way is a leave like any other: its range check runs.
void KeyboardNavigation::MoveBack(QWidget* from) {
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
        if (previous->isVisibleTo(window_) && previous->isEnabled()) {
            previous->setFocus(Qt::BacktabFocusReason);
            return;
        }
    }
}

}  // namespace vevi
