#include "ui/SpurGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include "engine/DesignConstants.h"
#include "ui/FrozenGridHeaders.h"
#include "ui/LayoutBuilder.h"

namespace kestrel::ui {
namespace {

constexpr int kHeaderColumnWidth = 525; // twips
constexpr int kDataColumnWidth = 650;
constexpr int kRowHeight = 240;
constexpr int kSolveArea = kFillSize; // rows and columns 1..11

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

QColor toColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

} // namespace

void SpurGrid::prepare() {
    QTableWidget& t = *table_;
    t.setRowCount(kGridCells);
    t.setColumnCount(kGridCells);
    t.horizontalHeader()->hide();
    t.verticalHeader()->hide();
    t.setEditTriggers(QAbstractItemView::NoEditTriggers);
    t.setSelectionMode(QAbstractItemView::NoSelection);
    t.verticalHeader()->setMinimumSectionSize(1);
    t.verticalHeader()->setDefaultSectionSize(kRowHeight / kTwipsPerPixel);
    t.horizontalHeader()->setMinimumSectionSize(1);

    const QColor window = QApplication::palette().color(QPalette::Base);
    for (int r = 0; r < kGridCells; ++r) {
        for (int c = 0; c < kGridCells; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignCenter);
            // Header cells get a fixed-cell grey of their own, darker than the
            // button-face data cells; data cells show the window colour until
            // the first solve paints them white.
            item->setBackground((r == 0 || c == 0) ? buttonFace().darker(112) : window);
            t.setItem(r, c, item);
        }
    }

    t.setColumnWidth(0, kHeaderColumnWidth / kTwipsPerPixel);
    t.item(0, 0)->setText(QStringLiteral(" NxM"));
    paintGreyCells();
    for (int r = 1; r < kGridCells; ++r) {
        for (int c = 1; c < kGridCells; ++c) {
            t.item(r, c)->setText(QString());
            t.setColumnWidth(c, qRound(kDataColumnWidth / double(kTwipsPerPixel)));
        }
    }
    // A read-only display: Tab leaves it like any other control.
    t.setTabKeyNavigation(false);
    new FrozenGridHeaders(&t); // owned by the table
}

void SpurGrid::clearForSolve() {
    const QBrush white(Qt::white);
    for (int r = 1; r <= kSolveArea; ++r) {
        for (int c = 1; c <= kSolveArea; ++c) {
            QTableWidgetItem* item = table_->item(r, c);
            item->setText(QString());
            item->setBackground(white);
        }
    }
}

void SpurGrid::paintGreyCells() {
    const QBrush face(buttonFace());
    for (const HarmonicPair& p : kGreyPairs) table_->item(p.n + 1, p.m + 1)->setBackground(face);
}

void SpurGrid::writeHeaders(int mMax, int nMax) {
    for (int c = 1; c < kGridCells; ++c) table_->item(0, c)->setText(QString());
    for (int r = 1; r < kGridCells; ++r) table_->item(r, 0)->setText(QString());
    for (int m = 0; m <= mMax && m + 1 < kGridCells; ++m)
        table_->item(0, m + 1)->setText(QString::fromStdString(loHeaderText(m)));
    for (int n = 0; n <= nMax && n + 1 < kGridCells; ++n)
        table_->item(n + 1, 0)->setText(QString::fromStdString(rfHeaderText(n)));
}

std::array<Ink, kFillSize * kFillSize> SpurGrid::inks() const {
    std::array<Ink, kFillSize * kFillSize> out;
    for (int m = 0; m < kFillSize; ++m) {
        for (int n = 0; n < kFillSize; ++n) {
            const QBrush fg = table_->item(n + 1, m + 1)->foreground();
            if (fg.style() != Qt::NoBrush) {
                const QColor c = fg.color();
                out[GridCells::index(m, n)] =
                    Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
            }
        }
    }
    return out;
}

void SpurGrid::apply(const GridCells& cells) {
    for (int m = 0; m < kFillSize; ++m) {
        for (int n = 0; n < kFillSize; ++n) {
            QTableWidgetItem* item = table_->item(n + 1, m + 1);
            const int i = GridCells::index(m, n);
            item->setText(QString::fromStdString(cells.text[i]));
            if (cells.ink[i]) item->setForeground(toColor(*cells.ink[i]));
        }
    }
}

} // namespace kestrel::ui
