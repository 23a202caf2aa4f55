#include "input_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

#include "field_rules.h"
#include "fonts.h"
#include "twips.h"

namespace vevi {
namespace {

// The blank the toolkit leaves between a box's frame and its text, in pixels.
constexpr int kInnerMargin = 2;

// Typing stops at the longest text, and a paste puts in its first characters up to it.
// Texts the program sets are cut by PutText instead, so that a result layout can still show
// a value whole.
class LongestTextValidator : public QValidator {
public:
    LongestTextValidator(int longest, QLineEdit* box) : QValidator(box), longest_(longest) {
        // The box's own text already holds the change while it is checked: keep the last one.
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { old_ = text; });
    }

    void SetLongest(int longest) { longest_ = longest; }

    State validate(QString& input, int& position) const override {
        if (longest_ == 0 || input.size() <= longest_) return Acceptable;
        // What was put in lies between the part the old text keeps in front and behind.
        const QString& old = old_;
        qsizetype front = 0;
        while (front < old.size() && front < input.size() && old[front] == input[front]) ++front;
        qsizetype back = 0;
        while (back < old.size() - front && back < input.size() - front &&
               old[old.size() - 1 - back] == input[input.size() - 1 - back])
            ++back;
        const qsizetype kept = front + back;
        const qsizetype room = std::max<qsizetype>(0, longest_ - kept);
        const QString added = input.mid(front, input.size() - kept).left(room);
        input = input.left(front) + added + input.right(back);
        position = static_cast<int>(front + added.size());
        return input.size() <= longest_ ? Acceptable : Invalid;
    }

private:
    int longest_;
    QString old_;
};

}  // namespace

InputBox::InputBox(const layout::BoxSpec& row, QWidget* parent) : QLineEdit(parent), row_(row) {
    setObjectName(row.name);
    setValidator(new LongestTextValidator(LongestText(), this));
    // The window moves the focus itself; no box is a stop of the toolkit's Tab order.
    setFocusPolicy(Qt::ClickFocus);
    if (row.tight) setTextMargins(-kInnerMargin, 0, -kInnerMargin, 0);
    setFont(MakeFont(FontFace::Arial, 9.75, true));
    setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
    setAccessibleName(QString::fromUtf8(row.accessibleName));
    PutText(RuleOf(row.field).designText);
}

int InputBox::LongestText() const {
    return RangeIn(row_.field, units_).longestText;
}

void InputBox::SetUnits(UnitSystem units) {
    units_ = units;
    // SI texts run a character or two longer in the same boxes: they use the inner margins.
    const bool si = units == UnitSystem::SI;
    const int margin = row_.tight || si ? -kInnerMargin : 0;
    setTextMargins(margin, 0, margin, 0);
    const double left = si && row_.siLeft > 0 ? row_.siLeft : row_.left;
    const double width = si && row_.siWidth > 0 ? row_.siWidth : row_.width;
    setGeometry(TwipsRect(left, row_.top, width, row_.height));
    // "Elevation, feet": the name ends in the unit.
    QString name = QString::fromUtf8(row_.accessibleName);
    const Measure measure = MeasureOf(row_.field);
    const bool length = measure == Measure::Length;
    const QString us = length ? "feet" : Symbol(measure, UnitSystem::US);
    const QString shown = !length                   ? QString::fromUtf8(Symbol(measure, units))
                          : units == UnitSystem::SI ? "metres"
                                                    : "feet";
    if (name.endsWith(us)) name = name.left(name.size() - us.size()) + shown;
    setAccessibleName(name);
    static_cast<LongestTextValidator*>(const_cast<QValidator*>(validator()))
        ->SetLongest(LongestText());
}

QString InputBox::Fitted(const QString& text) const {
    const int longest = LongestText();
    return longest > 0 ? text.left(longest) : text;
}

void InputBox::SelectFirst(int characters) {
    const int length = static_cast<int>(text().size());
    setSelection(0, units_ == UnitSystem::US ? std::min(characters, length) : length);
}

void InputBox::PutText(const QString& text) {
    PutWholeText(Fitted(text));
}

void InputBox::PutWholeText(const QString& text) {
    // The longest-text check is for what the user puts in; it must not cut this.
    QValidator* longest = const_cast<QValidator*>(validator());
    setValidator(nullptr);
    setText(text);
    setValidator(longest);
}

bool InputBox::event(QEvent* event) {
    // Tab would otherwise be taken for the toolkit's own focus chain before keyPressEvent.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            emit moveRequested(row_.next);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit moveRequested(row_.next);
            return;
        case Qt::Key_Down:
            emit moveRequested(row_.down);
            return;
        case Qt::Key_Up:
            emit moveRequested(row_.up);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusArrived();
}

ComparisonInputs TextsOf(const std::array<InputBox*, kFieldCount>& boxes) {
    ComparisonInputs inputs;
    for (const InputBox* box : boxes) inputs.Text(box->GetField()) = box->text().toStdString();
    return inputs;
}

}  // namespace vevi
