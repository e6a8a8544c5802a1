#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/LevelModel.h"
#include "engine/SpurCurves.h"
#include "engine/SpurSolver.h"
#include "engine/SpurTable.h"
#include "engine/WantedProduct.h"

using namespace kestrel;

namespace {

struct Solved {
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve;
};

// RF from start to stop in `steps`; a tracking LO when offset is given.
Solved solve(double rfStart, double rfStop, int steps, std::optional<double> offset = {},
             int mMax = 8, int nMax = 8) {
    SolveInput in;
    in.rfStart = rfStart;
    in.rfStop = rfStop;
    in.numSteps = std::int16_t(steps);
    in.loFreq = 24;
    in.ifStart = 30;
    in.ifStop = 50;
    in.trackingLO = offset.has_value();
    in.loOffset = [offset] { return offset.value_or(0); };
    in.mMax = mMax;
    in.nMax = nMax;
    Solved s;
    solveSpurMatrix(in, s.state, *s.matrix);
    s.solve = {mMax, nMax, in.trackingLO};
    return s;
}

struct CurveCase {
    const char* what;
    double rfStart, rfStop;
    int steps;
    std::optional<double> offset;
    int m, n;
    ProductFamily family;
    std::vector<CurvePoint> expected;
};

constexpr auto Sum = ProductFamily::Sum;
constexpr auto Diff = ProductFamily::Difference;

TEST(SpurCurves, PolylinesOfFixedAndTrackingDesigns) {
    const CurveCase cases[] = {
        {"fixed 1x1 sum", 12.5, 16.5, 10, {}, 1, 1, Sum, {{12.5, 36.5}, {16.5, 40.5}}},
        {"fixed 1x1 difference, fold beyond the range", 12.5, 16.5, 10, {}, 1, 1, Diff,
         {{12.5, 11.5}, {16.5, 7.5}}},
        {"fixed 2x3 difference folds at 16", 12.5, 16.5, 10, {}, 2, 3, Diff,
         {{12.5, 10.5}, {16, 0}, {16.5, 1.5}}},
        {"downward sweep folds too", 16.5, 12.5, 1, {}, 2, 3, Diff,
         {{16.5, 1.5}, {16, 0}, {12.5, 10.5}}},
        {"fold on the range start is no inner vertex", 12, 16, 4, {}, 1, 2, Diff,
         {{12, 0}, {16, 8}}},
        {"RF harmonic alone", 12.5, 16.5, 10, {}, 0, 2, Sum, {{12.5, 25}, {16.5, 33}}},
        {"LO harmonic alone is flat", 12.5, 16.5, 10, {}, 3, 0, Sum, {{12.5, 72}, {16.5, 72}}},
        {"one step only: one vertex", 12.5, 16.5, 0, {}, 2, 3, Diff, {{12.5, 10.5}}},
        {"tracking 1x1 sum", 12.5, 16.5, 10, 38.5, 1, 1, Sum, {{12.5, 63.5}, {16.5, 71.5}}},
        {"tracking 1x1 difference is the offset", 12.5, 16.5, 10, 38.5, 1, 1, Diff,
         {{12.5, 38.5}, {16.5, 38.5}}},
        {"tracking 2x5 difference folds at 14", 12.5, 16.5, 10, 21, 2, 5, Diff,
         {{12.5, 4.5}, {14, 0}, {16.5, 7.5}}},
        {"tracking 1x2 difference, fold beyond the range", 12.5, 16.5, 10, 38.5, 1, 2, Diff,
         {{12.5, 26}, {16.5, 22}}},
        {"tracking with a negative offset: the sum is not folded", 12.5, 16.5, 10, -50, 1, 1,
         Sum, {{12.5, -25}, {16.5, -17}}},
    };
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Solved s = solve(c.rfStart, c.rfStop, c.steps, c.offset);
        const auto sweep = curveSweep(*s.matrix, s.state, s.solve);
        ASSERT_TRUE(sweep);
        const auto points = curvePoints(*sweep, c.m, c.n, c.family);
        ASSERT_EQ(points.size(), c.expected.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_DOUBLE_EQ(points[i].rf, c.expected[i].rf) << i;
            EXPECT_NEAR(points[i].out, c.expected[i].out, 1e-12) << i;
        }
    }
}

TEST(SpurCurves, EveryProductOfTheSolvedOrders) {
    const Solved s = solve(12.5, 16.5, 10, {}, 2, 1);
    const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    const auto curves = spurCurves(*s.matrix, s.state, s.solve, &levels, Diff);
    struct Expected {
        int m, n;
        ProductFamily family;
        std::optional<double> level;
        bool wanted;
    };
    const Expected expected[] = {
        {0, 1, Sum, -17, false}, {1, 0, Sum, -4, false}, {1, 1, Sum, 0, false}, // the image
        {1, 1, Diff, 0, true},   {2, 0, Sum, -14, false}, {2, 1, Sum, -35, false},
        {2, 1, Diff, -35, false},
    };
    ASSERT_EQ(curves.size(), std::size(expected));
    for (std::size_t i = 0; i < curves.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(curves[i].m, expected[i].m);
        EXPECT_EQ(curves[i].n, expected[i].n);
        EXPECT_EQ(curves[i].family, expected[i].family);
        EXPECT_EQ(curves[i].level, expected[i].level);
        EXPECT_EQ(curves[i].wanted, expected[i].wanted);
    }
    // Orders beyond the level table have no level; no levels at all, none
    // but the two 1x1 products.
    const Solved high = solve(12.5, 16.5, 10, {}, 10, 8);
    const auto all = spurCurves(*high.matrix, high.state, high.solve, &levels, Sum);
    EXPECT_EQ(all.size(), std::size_t(11 * 9 - 1 + 10 * 8));
    EXPECT_FALSE(all.back().level); // 10x8 difference
    for (const SpurCurve& c : spurCurves(*high.matrix, high.state, high.solve, nullptr, Sum))
        EXPECT_EQ(c.level.has_value(), c.m == 1 && c.n == 1);
}

TEST(SpurCurves, NearestSolvedStep) {
    const Solved up = solve(12.5, 16.5, 10);   // steps of 0.4
    const Solved down = solve(16.5, 12.5, 10); // the same RFs downwards
    const struct {
        const Solved& solved;
        double rf;
        int step;
    } cases[] = {{up, 12.5, 0}, {up, 0, 0}, {up, 14.55, 5}, {up, 14.68, 5}, {up, 14.75, 6},
                 {up, 99, 10}, {down, 12.6, 10}, {down, 16.4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(nearestStep(*c.solved.matrix, c.solved.state, c.rf), c.step) << c.rf;
}

TEST(SpurCurves, NothingWithoutASolvedStep) {
    Solved s = solve(12.5, 16.5, 10);
    s.state.NumSteps = -1;
    EXPECT_FALSE(curveSweep(*s.matrix, s.state, s.solve));
    EXPECT_TRUE(spurCurves(*s.matrix, s.state, s.solve, nullptr, Diff).empty());
    EXPECT_EQ(defaultWantedProduct(*s.matrix, s.state, s.solve, MarkerPair{37, 40}), Diff);
    EXPECT_EQ(nearestStep(*s.matrix, s.state, 14), -1);
}

// Without markers the display band decides.
TEST(WantedProduct, DefaultIsThe1x1InTheBand) {
    struct Case {
        const char* what;
        float sum, difference, bandStart, bandStop;
        ProductFamily expected;
    } const cases[] = {
        {"sum only", 38.5f, 9.5f, 30, 50, Sum},
        {"difference only", 60, 40, 30, 50, Diff},
        {"both", 40, 35, 30, 50, Diff},
        {"neither", 60, 10, 30, 50, Diff},
        {"edges included", 50, 10, 30, 50, Sum},
        {"edges in either order", 38.5f, 9.5f, 50, 30, Sum},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultWanted(c.sum, c.difference, {}, c.bandStart, c.bandStop), c.expected) << c.what;
}

TEST(WantedProduct, DefaultAtTheMiddleStep) {
    struct Case {
        const char* what;
        Solved solved;
        ProductFamily expected;
    } const cases[] = {
        // RF 14.5 at step 5: sum 38.5 in 30..50, difference 9.5 not.
        {"start-up design", solve(12.5, 16.5, 10), Sum},
        // LO 53: sum 67.5, difference 38.5.
        {"tracking LO", solve(12.5, 16.5, 10, 38.5), Diff},
        // Orders below 1x1 solve no 1x1 entry; the default still holds.
        {"orders 0", solve(12.5, 16.5, 10, {}, 0, 0), Sum},
        {"one step", solve(40, 16.5, 0), Diff}, // sum 64, difference 16: neither
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultWantedProduct(*c.solved.matrix, c.solved.state, c.solved.solve, {}), c.expected)
            << c.what;

    // RF 4 to 14 in 5 steps, band 30 to 33: step 2 (RF 8) has its sum 32 in
    // band, step 3 (RF 10) neither product.
    Solved odd = solve(4, 14, 5);
    odd.state.IFStop = 33;
    EXPECT_EQ(defaultWantedProduct(*odd.matrix, odd.state, odd.solve, {}), Sum);
}

// Up-converter (LO 24: sum 38.5, difference 9.5 at RF 14.5) and tracking
// LO 53 (sum 67.5, difference 38.5): the markers, then the band, then the difference.
TEST(WantedProduct, TheMarkersDecideFirstTheImageIsAt0Dbc) {
    struct Case { std::optional<double> offset; float bandStart, bandStop; MarkerPair markers; ProductFamily expected; };
    const Case cases[] = {
        {{}, 30, 50, {37, 40}, Sum},    {{}, 30, 50, {5, 10}, Diff},    {{}, 30, 50, {45, 38.5f}, Sum},
        {{}, 30, 50, {5, 40}, Sum},     {{}, 30, 50, {60, 70}, Sum},    {{}, 5, 15, {38, 39}, Sum},
        {{}, 5, 15, {40, 5}, Diff},     {{}, 5, 50, {60, 61}, Diff},    {38.5, 30, 50, {60, 70}, Sum},
        {38.5, 30, 50, {38.5f, 30}, Diff}, {38.5, 30, 50, {30, 70}, Diff}, {38.5, 60, 70, {0, 1}, Sum},
    };
    for (const Case& c : cases) {
        Solved s = solve(12.5, 16.5, 10, c.offset);
        s.state.IFStart = c.bandStart;
        s.state.IFStop = c.bandStop;
        EXPECT_EQ(defaultWantedProduct(*s.matrix, s.state, s.solve, c.markers), c.expected)
            << c.bandStart << " " << c.markers.marker1;
    }
    // The mixer's spur table has no 1x1 entry: the image is at 0 dBc all the same.
    const Solved s = solve(12.5, 16.5, 10);
    const PairLevels measured = MixerSpurTable().evaluate({8, -5, 8, 25, 25});
    for (const SpurTableRow& r : spurTableRows(*s.matrix, s.state, s.solve, &measured, {}, Diff))
        EXPECT_EQ(r.m == 1 && r.n == 1, r.level == 0.0 && r.role != ProductRole::Spur);
    for (const SpurCurve& c : spurCurves(*s.matrix, s.state, s.solve, &measured, Diff))
        EXPECT_EQ(c.m == 1 && c.n == 1, c.level == 0.0);
}

} // namespace
