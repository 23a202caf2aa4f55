#include "list_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace vevi {

std::optional<int> CharacterCode(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return kEnter;
    if (event->text().isEmpty()) return std::nullopt;
    return event->text().at(0).unicode();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    const std::optional<int> code = CharacterCode(event);
    if (code && *code != kEscape && onKeyPress) onKeyPress(*code, event);
}

// Once an entry is selected, one stays selected: Ctrl+click and Ctrl+Space would take the
// highlight off the entry that the dialog goes on using. Only the program empties a list (by
// clearing it), and only then does it report no selection.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        command &= ~QItemSelectionModel::SelectionFlags(QItemSelectionModel::Deselect |
                                                        QItemSelectionModel::Toggle);
        command |= QItemSelectionModel::ClearAndSelect;
    }
    return command;
}

// Taking the focus, the view makes its first entry current when none is; here that would
// read as a pick of that entry. A list without a selection keeps none.
void ListBox::focusInEvent(QFocusEvent* event) {
    if (currentRow() >= 0) {
        QListWidget::focusInEvent(event);
        return;
    }
    const QSignalBlocker quiet(this);
    QListWidget::focusInEvent(event);
    if (currentRow() >= 0) setCurrentRow(-1);
}

}  // namespace vevi
