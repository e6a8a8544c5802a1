#pragma once
// Keeps a table's first row and first column in place while its body
// scrolls: three views of the same model (header row, header column and the
// corner cell between them) lie over the body's viewport and follow its
// scrolling. The table itself keeps every cell, so item(row, col) is still
// cell (row, col); the overlays only paint.

#include <QObject>

class QModelIndex;
class QTableView;
class QWidget;

namespace kestrel::ui {

class FrozenGridHeaders : public QObject {
public:
    // Lives as long as the table (its parent). The table scrolls per pixel
    // from then on, so that no cell hides for good under the headers.
    explicit FrozenGridHeaders(QTableView* table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeOverlay(const char* name, bool firstRowOnly, bool firstColumnOnly);
    void layoutOverlays();
    void copySectionSizes();
    // Keyboard moves may leave the current cell under a header; scroll it out.
    void revealCurrent(const QModelIndex& current);

    QTableView* body_;
    QWidget* viewport_;
    QTableView* row_ = nullptr;
    QTableView* column_ = nullptr;
    QTableView* corner_ = nullptr;
};

} // namespace kestrel::ui
