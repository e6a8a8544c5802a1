#pragma once
// The spur grid: 15 x 15 cells with the header row and column inside the
// table, so that cell (row, col) is item(row, col).

#include "engine/GridFill.h"

class QTableWidget;

namespace kestrel::ui {

inline constexpr int kGridCells = 15;

class SpurGrid {
public:
    explicit SpurGrid(QTableWidget* table) : table_(table) {}

    // Start-up: cells, column widths, " NxM", the grey cells, empty texts.
    void prepare();

    // Solve: rows and columns 1..11 emptied and white, then the grey cells.
    void clearForSolve();
    void paintGreyCells();

    // Empty header texts, then "<m>xLO" for m 0..mMax, "<n>xRF" for n 0..nMax.
    void writeHeaders(int mMax, int nMax);

    std::array<Ink, kFillSize * kFillSize> inks() const;
    // Texts and colours of the cells a fill writes.
    GridCells cells() const;
    void apply(const GridCells& cells);

private:
    QTableWidget* table_;
};

} // namespace kestrel::ui
