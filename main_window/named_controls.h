// Menu items, submenus and buttons named for tests and tools, made where they are used.
#pragma once

#include <QKeySequence>
#include <QString>

#include "main_layout.h"

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace vevi {

QAction* AddMenuItem(QMenu* menu, const char* name, const QString& text,
                     const QKeySequence& key = {});
// A submenu whose menu and item both carry the name.
QMenu* AddSubmenu(QWidget* parent, const char* name, const QString& text);
// A button placed and lettered as its row says; the window moves the focus to it itself.
QPushButton* MakeButton(const layout::ButtonSpec& row, QWidget* parent);

}  // namespace vevi
