#include <gtest/gtest.h>

#include "engine/GridFill.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

struct StepFill : ::testing::Test {
    StepFill() { solveSpurMatrix(reference::initialDesign(), state, matrix); }

    GridFillInput input(bool sumOnly = false) const {
        return {state.NumSteps, 8, 8, state.IFStart, state.IFStop, sumOnly};
    }

    SpurMatrix matrix;
    WorkingState state;
};

// The per-step fill spelled out cell by cell, in the order the click does it.
GridCells literalStep(const SpurMatrix& mx, int k, const GridFillInput& in, GridCells cells) {
    const auto inBand = [&](float f) { return in.ifStart <= f && f <= in.ifStop; };
    for (int m = 0; m <= in.mMax; ++m)
        for (int n = 0; n <= in.nMax; ++n) {
            const int i = GridCells::index(m, n);
            const float s = mx.SumSpur(k, m, n), d = mx.DiffSpur(k, m, n);
            cells.text[i].clear();
            if (inBand(s)) cells.text[i] = shortText(s);
            if (!in.sumOnly && inBand(d)) {
                cells.text[i] = shortText(d);
                cells.ink[i] = kDiffInk;
            }
            if (inBand(s)) cells.ink[i] = kSumInk;
            cells.text[i] = formatFixed2(cells.text[i]);
        }
    return cells;
}

TEST_F(StepFill, EveryStepMatchesTheCellByCellRules) {
    for (bool sumOnly : {false, true}) {
        GridCells grid = fillSpurGrid(matrix, input(sumOnly), {});
        for (int k = 0; k <= state.NumSteps; ++k) {
            const GridCells want = literalStep(matrix, k, input(sumOnly), grid);
            grid = fillStepGrid(matrix, k, input(sumOnly), grid);
            EXPECT_EQ(grid.text, want.text) << "step " << k;
            EXPECT_EQ(grid.ink, want.ink) << "step " << k;
        }
    }
}

TEST_F(StepFill, ShowsOnlyTheStepAndEmptiesWhatTheSolveFilled) {
    const GridCells solved = fillSpurGrid(matrix, input(), {});
    const GridCells step0 = fillStepGrid(matrix, 0, input(), solved);
    // (1, 1) sum: 40.50 after the solve (last step), 36.50 at step 0, navy.
    const int sum11 = GridCells::index(1, 1);
    EXPECT_EQ(solved.text[sum11], "40.50");
    EXPECT_EQ(step0.text[sum11], "36.50");
    EXPECT_EQ(step0.ink[sum11], kSumInk);
    // (0, 4): 4 RF is 50 at step 0 but 66 at step 10; solved earlier, the
    // cell is empty at the last step and keeps its colour.
    const int rf4 = GridCells::index(0, 4);
    const GridCells step10 = fillStepGrid(matrix, 10, input(), step0);
    EXPECT_EQ(step0.text[rf4], "50.00");
    EXPECT_EQ(step10.text[rf4], "");
    EXPECT_EQ(step10.ink[rf4], kSumInk);
}

TEST_F(StepFill, SumOnlyWritesNoDifferenceAndAllNavy) {
    const GridCells cells = fillStepGrid(matrix, 3, input(true), {});
    int written = 0;
    for (int i = 0; i < kFillSize * kFillSize; ++i) {
        if (cells.text[i].empty()) continue;
        ++written;
        EXPECT_EQ(cells.ink[i], kSumInk) << i;
    }
    EXPECT_GT(written, 0);
}

TEST_F(StepFill, CellsBeyondTheHarmonicLimitsKeepTheirText) {
    GridCells before;
    before.text[GridCells::index(9, 2)] = "44.00";
    before.text[GridCells::index(3, 9)] = "45.00";
    GridFillInput in = input();
    const GridCells cells = fillStepGrid(matrix, 5, in, before);
    EXPECT_EQ(cells.text[GridCells::index(9, 2)], "44.00");
    EXPECT_EQ(cells.text[GridCells::index(3, 9)], "45.00");
}

TEST(SolveStep, GivesTheSolvedValuesBackAndRepairsAStep) {
    SolveInput in = reference::initialDesign();
    in.trackingLO = true;
    in.loOffset = [] { return 38.5; };
    WorkingState state;
    SpurMatrix solved;
    solveSpurMatrix(in, state, solved);
    SpurMatrix again = solved;
    again.SumSpur(4, 3, 2) = -1;
    again.DiffSpur(4, 8, 8) = -1;
    solveSpurStep(again, 4, again.TrackLOFreq(4), 8, 8);
    for (int m = 0; m <= 8; ++m)
        for (int n = 0; n <= 8; ++n) {
            EXPECT_EQ(again.SumSpur(4, m, n), solved.SumSpur(4, m, n)) << m << "x" << n;
            EXPECT_EQ(again.DiffSpur(4, m, n), solved.DiffSpur(4, m, n)) << m << "x" << n;
        }
}

TEST(SolveStep, StaysWithinTheMatrix) {
    SpurMatrix mx;
    solveSpurStep(mx, -1, 1, 8, 8);
    solveSpurStep(mx, kMaxStepIndex + 1, 1, 8, 8);
    mx.RFFreq(0) = 2;
    solveSpurStep(mx, 0, 3, 40, 40); // orders beyond 11 are not computed
    EXPECT_EQ(mx.SumSpur(0, 11, 11), 11 * 2 + 11 * 3);
}

} // namespace
