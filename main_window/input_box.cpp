#include "input_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "field_rules.h"

namespace vevi {
namespace {

// Typing stops at the longest text; texts the program sets are cut by PutText instead,
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

InputBox::InputBox(const layout::BoxSpec& spec, QWidget* parent) : QLineEdit(parent), spec_(spec) {
    setObjectName(spec.name);
    setValidator(new LongestTextValidator(LongestText(), this));
    // The window moves the focus itself; no box is a stop of the toolkit's Tab order.
    setFocusPolicy(Qt::ClickFocus);
}

int InputBox::LongestText() const {
    return RuleOf(spec_.field).longestText;
}

void InputBox::PutText(const QString& text) {
    PutWholeText(LongestText() > 0 ? text.left(LongestText()) : text);
}

void InputBox::PutWholeText(const QString& text) {
    setText(text);
}

bool InputBox::event(QEvent* event) {
    // Tab would otherwise be taken for the toolkit's own focus chain before keyPressEvent.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            emit moveRequested(spec_.next);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit moveRequested(spec_.next);
            return;
        case Qt::Key_Down:
            emit moveRequested(spec_.down);
            return;
        case Qt::Key_Up:
            emit moveRequested(spec_.up);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusArrived();
}

}  // namespace vevi
