// One of the main window's nine input boxes: its longest text, keys and focus, told to the
// window through signals.
#pragma once

#include <QLineEdit>
#include <QString>
#include <array>

#include "comparison.h"
#include "main_layout.h"

namespace vevi {

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    // Placed, lettered and named as its row says, holding its design text.
    InputBox(const layout::BoxSpec& row, QWidget* parent);

    const layout::BoxSpec& Row() const { return row_; }
    Field GetField() const { return row_.field; }
    int LongestText() const;
    // `text` as the box of `field` takes it from the program: cut to the longest text.
    static QString Fitted(Field field, const QString& text);
    // A text put in by the program: cut to the longest text, as typing is.
    void PutText(const QString& text);
    // A text shown whole whatever its length (the actual values of a result layout).
    void PutWholeText(const QString& text);

signals:
    void focusArrived();
    // Enter, Tab or an arrow key asks the window to move the focus.
    void moveRequested(layout::Target target);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    const layout::BoxSpec& row_;
};

// The texts of the nine boxes, as a comparison takes them.
ComparisonInputs TextsOf(const std::array<InputBox*, kFieldCount>& boxes);

}  // namespace vevi
