#pragma once
// Keyboard helpers of the planning windows: Esc closes a window, and a table
// whose rows are choices is left by Tab and answers Enter on its row.

#include <QObject>
#include <functional>

class QTableWidget;
class QWidget;

namespace kestrel::ui {

// Esc anywhere in the window closes it (an open list's popup takes its Esc first).
void closeOnEscape(QWidget* window);

// Tab and Shift+Tab leave the table instead of walking its cells. Entered by
// the keyboard with no row chosen, it chooses the current one (or the first),
// so that the window's buttons act on what is in view. Enter or Return on a
// chosen row runs `enter`.
class RowChoiceKeys : public QObject {
public:
    RowChoiceKeys(QTableWidget* table, std::function<void()> enter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* table_;
    std::function<void()> enter_;
};

} // namespace kestrel::ui
