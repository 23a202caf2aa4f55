// One of the main window's nine input boxes: its longest text, keys and focus, told to the
// window through signals.
#pragma once

#include <QLineEdit>
#include <QString>

#include "main_layout.h"

namespace vevi {

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    InputBox(const layout::BoxSpec& row, QWidget* parent);

    const layout::BoxSpec& Row() const { return row_; }
    Field GetField() const { return row_.field; }
    int LongestText() const;
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

}  // namespace vevi
