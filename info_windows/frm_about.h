// The About box: the program's name, what it does, its version and date.
#pragma once

#include <QDialog>

class QHideEvent;

namespace vevi {

// Shown without being modal and only ever hidden, so one instance serves the whole run.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Cmd_OK_Click();

signals:
    // After the box has been hidden (OK, Escape or the title bar's close), so that the main
    // window can take the focus back.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;
};

}  // namespace vevi
