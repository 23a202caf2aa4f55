// Keyboard-only use of the main window beyond the boxes' own documented Enter, Tab and arrow
// moves: Enter presses a focused button, Tab from a button without a documented target goes
// to the first box, and Shift+Tab goes back through every control in reading order.
#pragma once

#include <QObject>
#include <array>

#include "fields.h"
#include "main_layout.h"

class QKeyEvent;
class QPushButton;
class QWidget;

namespace vevi {

class InputBox;

class KeyboardNavigation : public QObject {
    Q_OBJECT
public:
    using Boxes = std::array<InputBox*, kFieldCount>;
    using Buttons = std::array<QPushButton*, 3>;  // in the order of layout::Button
    KeyboardNavigation(QWidget* window, const Boxes& boxes, const Buttons& buttons);

    // The focus to a box or the start button, as Tab puts it there.
    void MoveTo(layout::Target target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ControlKey(QWidget* control, const QKeyEvent& key);
    QPushButton* ButtonOf(layout::Button button) const;
    InputBox* Box(Field field) const { return boxes_[static_cast<std::size_t>(field)]; }
    void MoveBack(QWidget* from);

    QWidget* window_;
    Boxes boxes_;
    Buttons buttons_;
};

}  // namespace vevi
