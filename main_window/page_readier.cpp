#include "page_readier.h"

#include <QTimer>
#include <utility>

namespace vevi {

PageReadier::PageReadier(QWidget* page, QTimer* wheels, std::vector<QWidget*> buttons)
    : page_(page), wheels_(wheels), buttons_(std::move(buttons)) {}

void PageReadier::Ready() {
    wheelsWereTurning_ = wheels_->isActive();
    wheels_->stop();
    hidden_.clear();
    for (QWidget* b : buttons_) {
        if (b->isHidden()) continue;
        b->hide();
        hidden_.push_back(b);
    }
}

void PageReadier::Restore() {
    if (wheelsWereTurning_) wheels_->start();
    wheelsWereTurning_ = false;
    for (const QPointer<QWidget>& b : hidden_)
        if (b) b->show();
    hidden_.clear();
}

}  // namespace vevi
