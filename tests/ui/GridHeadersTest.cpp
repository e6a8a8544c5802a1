// The grid's header row and column stay in view while the body scrolls, and
// the grid never keeps the Tab key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;

namespace {

class GridHeaders : public ::testing::Test {
protected:
    void SetUp() override {
        showAndActivate(&w);
        child<QComboBox>(&w, "cboLOHar")->setCurrentText("10");
        child<QPushButton>(&w, "cmdCalculate")->click();
        QApplication::processEvents();
    }
    void TearDown() override { closeAllTopLevels(); }

    QTableView* overlay(const char* name) {
        auto* v = grid->findChild<QTableView*>(name);
        if (!v) throw std::runtime_error(std::string("no overlay ") + name);
        return v;
    }
    QModelIndex at(int r, int c) { return grid->model()->index(r, c); }
    void scrollToFarCorner() {
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        QApplication::processEvents();
    }
    void press(Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) QTest::keyClick(grid, key);
    }

    // Every header cell lines up with the body cells of its column or row.
    void expectHeadersAligned() {
        QTableView* row = overlay("gridHeaderRow");
        QTableView* column = overlay("gridHeaderColumn");
        for (int c = 0; c < grid->columnCount(); ++c) {
            EXPECT_EQ(row->visualRect(at(0, c)).left(), grid->visualRect(at(5, c)).left()) << c;
            EXPECT_EQ(row->visualRect(at(0, c)).width(), grid->visualRect(at(5, c)).width()) << c;
        }
        for (int r = 0; r < grid->rowCount(); ++r) {
            EXPECT_EQ(column->visualRect(at(r, 0)).top(), grid->visualRect(at(r, 5)).top()) << r;
            EXPECT_EQ(column->visualRect(at(r, 0)).height(), grid->visualRect(at(r, 5)).height())
                << r;
        }
    }

    frmKestrel w;
    QTableWidget* grid = child<QTableWidget>(&w, "gridSpurs");
};

TEST_F(GridHeaders, OverlaysCoverTheFirstRowAndColumnOfTheViewport) {
    scrollToFarCorner();
    const QRect vp = grid->viewport()->geometry();
    const int h = grid->rowHeight(0), wd = grid->columnWidth(0);
    EXPECT_EQ(overlay("gridHeaderRow")->geometry(), QRect(vp.x(), vp.y(), vp.width(), h));
    EXPECT_EQ(overlay("gridHeaderColumn")->geometry(), QRect(vp.x(), vp.y(), wd, vp.height()));
    EXPECT_EQ(overlay("gridHeaderCorner")->geometry(), QRect(vp.topLeft(), QSize(wd, h)));
    expectHeadersAligned();
    // The contract is untouched: the table still holds every cell.
    EXPECT_EQ(grid->item(0, 11)->text(), "10xLO");
    EXPECT_EQ(grid->item(9, 0)->text(), "8xRF");
}

TEST_F(GridHeaders, HeaderStripsArePaintedWhereverTheBodyScrolls) {
    ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0) << "the grid must scroll both ways";
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
    scrollToFarCorner();
    const QColor header = grid->item(0, 1)->background().color();
    const QColor face = QApplication::palette().color(QPalette::Button);
    ASSERT_GT(std::abs(header.red() - face.red()), 6) << "header grey must differ from the data cells'";
    const QImage image = grid->grab().toImage();
    const QRect vp = grid->viewport()->geometry();
    // Within a step of the header colour (painting may round by one), and so
    // unlike the white and button-face data cells.
    const auto isHeader = [&](int x, int y) {
        const QColor p(image.pixel(vp.x() + x, vp.y() + y));
        return std::abs(p.red() - header.red()) <= 2 && std::abs(p.green() - header.green()) <= 2 &&
               std::abs(p.blue() - header.blue()) <= 2;
    };

    // Just inside the top-left corner of every header cell that shows, clear
    // of the grid lines and the centred text.
    int seen = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int x = grid->visualRect(at(0, c)).left() + 3;
        if (x < grid->columnWidth(0) || x >= vp.width()) continue;
        EXPECT_TRUE(isHeader(x, 3)) << "column " << c;
        ++seen;
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
        const int y = grid->visualRect(at(r, 0)).top() + 3;
        if (y < grid->rowHeight(0) || y >= vp.height()) continue;
        EXPECT_TRUE(isHeader(3, y)) << "row " << r;
        ++seen;
    }
    EXPECT_GT(seen, 10);
    EXPECT_TRUE(isHeader(3, 3)) << "corner";
}

TEST_F(GridHeaders, KeyboardMovesKeepHeadersAlignedAndTheCurrentCellClear) {
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    press(Qt::Key_Right, 13);
    press(Qt::Key_Down, 13);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), grid->horizontalScrollBar()->maximum());
    EXPECT_EQ(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
    expectHeadersAligned();

    // Back to the first data cell: it comes out from under the headers.
    press(Qt::Key_Left, 13);
    press(Qt::Key_Up, 13);
    ASSERT_EQ(grid->currentColumn(), 1);
    ASSERT_EQ(grid->currentRow(), 1);
    EXPECT_GE(grid->visualRect(at(1, 1)).left(), grid->columnWidth(0));
    EXPECT_GE(grid->visualRect(at(1, 1)).top(), grid->rowHeight(0));
    expectHeadersAligned();
}

TEST_F(GridHeaders, WheelOverAHeaderScrollsTheBody) {
    QWidget* target = overlay("gridHeaderRow")->viewport();
    const QPointF pos(60, 5);
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(overlay("gridHeaderRow")->verticalScrollBar()->value(), 0);
    expectHeadersAligned();
}

using GridFocus = GridHeaders;

TEST_F(GridFocus, TabPassesThroughTheGrid) {
    QWidget* solve = child<QPushButton>(&w, "cmdCalculate");
    solve->setFocus(Qt::OtherFocusReason);
    int presses = 0;
    while (QApplication::focusWidget() != grid && presses++ < 20)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid);
    grid->setCurrentCell(3, 3);

    QTest::keyClick(grid, Qt::Key_Tab);
    QWidget* after = QApplication::focusWidget();
    EXPECT_NE(after, grid);
    EXPECT_FALSE(grid->isAncestorOf(after)) << "the header overlays take no focus";
    EXPECT_EQ(grid->currentColumn(), 3) << "Tab does not move within the grid";

    QTest::keyClick(after, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(&w, "txtRFDisFreq"));
}

TEST_F(GridFocus, TheRFReadoutCannotBeTypedInto) {
    auto* readout = child<QLineEdit>(&w, "txtRFDisFreq");
    readout->setFocus(Qt::TabFocusReason);
    const QString before = readout->text();
    QTest::keyClicks(readout, "99");
    QTest::keyClick(readout, Qt::Key_Backspace);
    EXPECT_EQ(readout->text(), before);
}

} // namespace
