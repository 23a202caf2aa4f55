#include "input_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace vevi {

// clang-format off
const InputRules kInputRules[] = {
    {"txtIndoorTemp", 5, 3, "txtOutdoorTemp", nullptr, "txtOutdoorTemp", 30, 150,
     "The indoor temperature must be between 30 and 150"},
    {"txtOutdoorTemp", 3, 3, "txtBaroPress", "txtIndoorTemp", nullptr, -40, 120,
     "The outdoor temperature must be between -40 and 120"},
    // No pressure exists above the top figure, and far beyond either bound the arithmetic
    // overflows: refused like the other boxes.
    {"txtBaroPress", 6, 5, "txtDrawThruDisTemp", "txtDrawThruDisTemp", "txtIndoorTemp",
     -10000, 145365, "The elevation must be between -10,000 and 145,365 ft"},
    {"txtDrawThruDisTemp", 0, 3, "txtDrawThruTempRise", "txtDrawThruTempRise",
     "OpenLocationDialog", 0, 160,
     "The Draw Thru discharge temperature must be between 0 and 160"},
    {"txtDrawThruTempRise", 3, 3, "txtDrawThruFanCapacity", "txtDrawThruFanCapacity",
     "txtDrawThruDisTemp", 0, 160, "The temperature rise must be between 0 and 160"},
    {"txtDrawThruFanCapacity", 7, 7, "txtBloThruFanCapacity", "txtBloThruFanCapacity",
     "txtDrawThruTempRise", 0, 500000,
     "The Draw Thru fan capacity must be between 0 and 500,000"},
    {"txtBloThruDisTemp", 0, 3, "txtBloThruTempRise", "txtBloThruTempRise",
     "txtDrawThruFanCapacity", 0, 160,
     "The Blow Thru discharge temperature must be between 0 and 160"},
    {"txtBloThruTempRise", 0, 3, "txtBloThruFanCapacity", "txtBloThruFanCapacity",
     "txtDrawThruFanCapacity", 0, 160,
     "The Blow Thru temperature rise must be between 0 and 160"},
    {"txtBloThruFanCapacity", 6, 6, "cmdGo", "cmdGo", "txtDrawThruFanCapacity", 0, 500000,
     "The Blow Thru fan capacity must be between 0 and 500,000"},
};
// clang-format on
const int kInputRuleCount = sizeof kInputRules / sizeof kInputRules[0];

namespace {

// Typing stops at the longest text; texts the program sets are cut by SetText instead,
// so that a result layout can still show a value whole.
class LongestTextValidator : public QValidator {
public:
    LongestTextValidator(int longest, QObject* parent) : QValidator(parent), longest_(longest) {}
    State validate(QString& input, int&) const override {
        return longest_ > 0 && input.size() > longest_ ? Invalid : Acceptable;
    }

private:
    int longest_;
};

}  // namespace

InputBox::InputBox(const InputRules& rules, InputBoxHandler& handler, QWidget* parent)
    : QLineEdit(parent), rules_(rules), handler_(&handler) {
    setObjectName(rules.name);
    setValidator(new LongestTextValidator(rules.longestText, this));
    // The window moves the focus itself; no box is a stop of the toolkit's Tab order.
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (handler_) handler_->InputBox_Change(this);
    });
}

void InputBox::SetText(const QString& text) {
    SetTextWhole(rules_.longestText > 0 ? text.left(rules_.longestText) : text);
}

void InputBox::SetTextWhole(const QString& text) {
    setText(text);
}

bool InputBox::event(QEvent* event) {
    // Tab would otherwise be taken for the toolkit's own focus chain before keyPressEvent.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && handler_) {
            handler_->InputBox_KeyMove(this, rules_.next);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (!handler_) return QLineEdit::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            handler_->InputBox_KeyMove(this, rules_.next);
            return;
        case Qt::Key_Down:
            if (rules_.down) handler_->InputBox_KeyMove(this, rules_.down);
            return;
        case Qt::Key_Up:
            if (rules_.up) handler_->InputBox_KeyMove(this, rules_.up);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (handler_) handler_->InputBox_GotFocus(this);
}

}  // namespace vevi
