#include "frm_guide.h"

#include <QHideEvent>
#include <QIcon>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "accessibility.h"

namespace vevi {
namespace {

constexpr auto kGuide = "qrc:/guide/guide.html";
constexpr auto kTitle = "User Guide";
// Room for the guide's tables without a sideways scroll bar, in logical pixels.
const QSize kSize(680, 620);

}  // namespace

frmGuide::frmGuide() : QWidget(nullptr, Qt::Window) {
    setObjectName("frmGuide");
    setWindowIcon(QIcon(":/pictures/vevi.svg"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("txtGuide");
    browser_->setAccessibleName(kTitle);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(kGuide));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QString(kTitle) : title);
    resize(kSize);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    DescribeNamedControls(this);
}

void frmGuide::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) emit hidden();
}

}  // namespace vevi
