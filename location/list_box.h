// The location dialog's list box, and the character codes its key events report.
#pragma once

#include <QListWidget>
#include <functional>
#include <optional>

class QKeyEvent;

namespace vevi {

inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;

// The character code a key produces, as the list and text box events report it; nothing
// for keys that type no character (arrows, function keys).
std::optional<int> CharacterCode(const QKeyEvent* event);

// A list box that reports each typed character after its own handling of it.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void(int keyAscii, QKeyEvent* event)> onKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace vevi
