#include "named_controls.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "fonts.h"
#include "twips.h"

namespace vevi {

QAction* AddMenuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& key) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}

QMenu* AddSubmenu(QWidget* parent, const char* name, const QString& text) {
    auto* menu = new QMenu(text, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QPushButton* MakeButton(const layout::ButtonSpec& row, QWidget* parent) {
    auto* button = new QPushButton(row.text, parent);
    button->setObjectName(row.name);
    button->setFont(MakeFont(FontFace::MsSansSerif, 8.25, true));
    button->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
    button->setFocusPolicy(Qt::ClickFocus);
    button->setAutoDefault(false);
    button->setVisible(row.visible);
    return button;
}

}  // namespace vevi
