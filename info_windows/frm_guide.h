// The user guide: the bundled HTML page in a plain window of its own.
#pragma once

#include <QWidget>

class QHideEvent;
class QTextBrowser;

namespace vevi {

// Created on first use and only ever hidden, like the program's other windows. Escape or the
// title bar's close hides it; links to other sites open in the desktop's browser.
class frmGuide : public QWidget {
    Q_OBJECT
public:
    frmGuide();

    QTextBrowser* Browser() const { return browser_; }

signals:
    // After the guide has been hidden, so that the main window can take the focus back.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace vevi
