// One of the main window's nine input boxes: its limits, keys and focus handling.
#pragma once

#include <QLineEdit>
#include <QString>

namespace vevi {

// How one box behaves; names refer to the window's controls.
struct InputRules {
    const char* name;
    int longestText;  // 0: no limit
    int selectOnFocus;
    const char* next;  // Enter and Tab
    const char* down;
    const char* up;  // "OpenLocationDialog" runs the location dialog
    double lowest, highest;
    const char* warning;
};

extern const InputRules kInputRules[];
extern const int kInputRuleCount;

class InputBoxHandler {
public:
    virtual ~InputBoxHandler() = default;
    virtual void InputBox_GotFocus(class InputBox* box) = 0;
    virtual void InputBox_KeyMove(class InputBox* box, const char* target) = 0;
    virtual void InputBox_Change(class InputBox* box) = 0;
};

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    InputBox(const InputRules& rules, InputBoxHandler& handler, QWidget* parent);

    const InputRules& Rules() const { return rules_; }
    // The window is going away: its focus events must no longer reach it.
    void DetachHandler() { handler_ = nullptr; }
    // A text put in by the program: cut to the longest text, as typing is.
    void SetText(const QString& text);
    // A text shown whole whatever its length (actual values of a result layout).
    void SetTextWhole(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    const InputRules& rules_;
    InputBoxHandler* handler_;
};

}  // namespace vevi
