// One of the main window's nine input boxes: its longest text, keys and focus, told to the
// window through signals.
#pragma once

#include <QLineEdit>
#include <QString>
#include <array>

#include "comparison.h"
#include "main_layout.h"
#include "units.h"

namespace vevi {

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    // Placed, lettered and named as its row says, holding its design text.
    InputBox(const layout::BoxSpec& row, QWidget* parent);

    const layout::BoxSpec& Row() const { return row_; }
    Field GetField() const { return row_.field; }
    // In the units the box's texts are in.
    int LongestText() const;
    // The units of the box's texts: the longest text and the range follow them.
    UnitSystem Units() const { return units_; }
    void SetUnits(UnitSystem units);
    // `text` as the box takes it from the program: cut to the longest text.
    QString Fitted(const QString& text) const;
    // Selects the first `characters` of the text (all of a shorter one). An SI text, a
    // character or two longer than the inch-pound one the count is for, is selected whole.
    void SelectFirst(int characters);
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
    UnitSystem units_ = UnitSystem::US;
};

// The texts of the nine boxes, as a comparison takes them.
ComparisonInputs TextsOf(const std::array<InputBox*, kFieldCount>& boxes);

}  // namespace vevi
