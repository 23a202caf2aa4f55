// Readies the window's client area to be drawn as a page, for printing and export alike: the
// wheels stand still and the buttons are left out; Restore puts back exactly what was there.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class QTimer;

namespace vevi {

class PageReadier {
public:
    PageReadier(QWidget* page, QTimer* wheels, std::vector<QWidget*> buttons);

    QWidget& Page() const { return *page_; }
    void Ready();
    void Restore();

    // Ready for as long as it lives.
    class Scope {
    public:
        explicit Scope(PageReadier& readier) : readier_(readier) { readier_.Ready(); }
        ~Scope() { readier_.Restore(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        PageReadier& readier_;
    };

private:
    QWidget* page_;
    QTimer* wheels_;
    std::vector<QWidget*> buttons_;
    bool wheelsWereTurning_ = false;
    std::vector<QPointer<QWidget>> hidden_;  // the buttons Ready hid
};

}  // namespace vevi
