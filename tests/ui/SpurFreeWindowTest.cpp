#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "engine/SpurSolver.h"
#include "ui/planning/frmSpurFree.h"

using namespace kestrel;
using namespace kestrel::guitest;

namespace {

// LO 10, RF 2 and 3, orders up to 2, display band 5 to 21.5: the design
// whose bands the engine tests work out on paper.
class SpurFreeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<frmSpurFree>([this] {
            ++asked;
            ui::SpurSolution s;
            if (!solved) return s;
            s.matrix = matrix.get();
            s.state = &state;
            s.solve = LastSolve{2, 2, false};
            s.levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
            s.unit = QStringLiteral("GHz");
            return s;
        });
    }
    void TearDown() override { closeAllTopLevels(); }

    void solve(float ifStart = 5, float ifStop = 21.5f) {
        SolveInput in;
        in.rfStart = 2;
        in.rfStop = 3;
        in.numSteps = 1;
        in.loFreq = 10;
        in.ifStart = ifStart;
        in.ifStop = ifStop;
        in.mMax = 2;
        in.nMax = 2;
        solveSpurMatrix(in, state, *matrix);
        solved = true;
    }
    QTableWidget* grid() { return child<QTableWidget>(window.get(), "gridBands"); }
    QString note() { return child<QLabel>(window.get(), "lblSpurFreeNote")->text(); }
    QString cell(int r, int c) { return grid()->item(r, c)->text(); }
    void typeThreshold(const QString& text) {
        auto* field = child<QLineEdit>(window.get(), "txtThreshold");
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    bool solved = false;
    int asked = 0;
    std::unique_ptr<frmSpurFree> window;
};

TEST_F(SpurFreeWindow, BeforeTheFirstSolve) {
    showAndActivate(window.get());
    EXPECT_EQ(note(), "Solve the matrix first.");
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(child<QLineEdit>(window.get(), "txtThreshold")->text(), "-60");
    EXPECT_EQ(child<QComboBox>(window.get(), "cboWanted")->currentText(), "Automatic (from the markers)");
}

TEST_F(SpurFreeWindow, ListsTheBandsWidestFirst) {
    solve();
    showAndActivate(window.get());
    EXPECT_EQ(note(), "");
    ASSERT_EQ(grid()->rowCount(), 5);
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), "Start (GHz)");
    const QStringList first = {cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4)};
    EXPECT_EQ(first, (QStringList{"5", "10", "5", "band edge", "1 LO + 0 RF, -4 dBc"}));
    EXPECT_EQ(cell(1, 3), "1 LO + 1 RF, 0 dBc"); // the image
}

TEST_F(SpurFreeWindow, InputsRerunTheFinder) {
    solve();
    showAndActivate(window.get());
    typeThreshold("-70");
    EXPECT_EQ(grid()->rowCount(), 6);
    EXPECT_EQ(cell(0, 0), "6");
    child<QComboBox>(window.get(), "cboWanted")->setCurrentText("LO + RF");
    EXPECT_EQ(cell(0, 0), "10");
    EXPECT_EQ(cell(0, 1), "14");
    child<QComboBox>(window.get(), "cboMaxOrder")->setCurrentText("2");
    EXPECT_EQ(cell(0, 0), "10");
    EXPECT_EQ(cell(0, 1), "20");
}

TEST_F(SpurFreeWindow, AThresholdThatIsNoNumberIsRefused) {
    solve();
    showAndActivate(window.get());
    BoxAnswerer boxes;
    typeThreshold("-6O");
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Please Use Numeric Values Only");
    EXPECT_EQ(boxes.seen()[0].title, "Numeric Check");
    EXPECT_EQ(child<QLineEdit>(window.get(), "txtThreshold")->text(), "-6O");
    EXPECT_EQ(grid()->rowCount(), 5);
}

TEST_F(SpurFreeWindow, FollowsEverySolveWhileOpenOnly) {
    window->refresh();
    EXPECT_EQ(asked, 0);
    showAndActivate(window.get());
    EXPECT_EQ(note(), "Solve the matrix first.");
    solve(12, 13); // all under 1 LO + 1 RF
    window->refresh();
    EXPECT_EQ(note(), "No spur-free band.");
    EXPECT_EQ(grid()->rowCount(), 0);
    window->hide();
    solve();
    window->refresh();
    EXPECT_EQ(grid()->rowCount(), 0);
    showAndActivate(window.get()); // showing it again catches up
    EXPECT_EQ(note(), "");
    EXPECT_EQ(grid()->rowCount(), 5);
}

TEST_F(SpurFreeWindow, ShadingFollowsTheCheckBox) {
    solve();
    showAndActivate(window.get());
    QSignalSpy spy(window.get(), &frmSpurFree::shadingChanged);
    EXPECT_FALSE(window->shading());
    child<QCheckBox>(window.get(), "chkShade")->setChecked(true);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(window->shading());
    window->hide();
    EXPECT_FALSE(window->shading());
}

// Opens on its first input; Tab and Shift+Tab leave the table; Esc closes.
TEST_F(SpurFreeWindow, Keyboard) {
    solve();
    showAndActivate(window.get());
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(window.get(), "cboWanted"));
    for (const auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Tab, modifier);
        EXPECT_NE(QApplication::focusWidget(), grid());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
