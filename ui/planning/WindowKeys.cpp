#include "ui/planning/WindowKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QTableWidget>
#include <algorithm>

namespace kestrel::ui {

void closeOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

RowChoiceKeys::RowChoiceKeys(QTableWidget* table, std::function<void()> enter)
    : QObject(table), table_(table), enter_(std::move(enter)) {
    table->setTabKeyNavigation(false);
    table->installEventFilter(this);
}

bool RowChoiceKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_) return false;
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byKeys = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        if (byKeys && table_->rowCount() > 0 && table_->selectedItems().isEmpty())
            table_->selectRow(std::max(table_->currentRow(), 0));
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (!table_->selectedItems().isEmpty() && enter_) enter_();
    return true;
}

} // namespace kestrel::ui
