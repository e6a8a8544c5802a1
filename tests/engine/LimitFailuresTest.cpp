#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/LimitFailures.h"
#include "engine/NumberText.h"
#include "engine/SpurFreeBands.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

// One product, 3 LO - 2 RF, failing at the steps marked '1'.
std::vector<SpurTableRow> rowsFailingAt(const std::string& pattern) {
    std::vector<SpurTableRow> rows(pattern.size());
    for (int s = 0; s < int(rows.size()); ++s) {
        SpurTableRow& r = rows[std::size_t(s)];
        r.step = s, r.m = 3, r.n = 2, r.family = ProductFamily::Difference, r.limit = -60;
        r.margin = pattern[std::size_t(s)] == '1' ? -1 : 1;
    }
    return rows;
}

TEST(LimitFailures, AStretchBetweenTwoStepsFailsWhenEitherStepFails) {
    const struct {
        const char* pattern;
        std::vector<StepStretch> expected;
    } cases[] = {
        {"0000", {}}, {"1", {{0, 0}}}, // one step: the step itself
        {"0010000", {{1, 3}}},         // both neighbours of a lone failing step
        {"0001", {{2, 3}}}, {"0110010", {{0, 3}, {4, 6}}},
        {"1001", {{0, 1}, {2, 3}}},    // a passing stretch between two failing ends
    };
    for (const auto& c : cases) {
        const LimitFailures f(rowsFailingAt(c.pattern));
        EXPECT_EQ(f.stretches(3, 2, ProductFamily::Difference), c.expected) << c.pattern;
        EXPECT_TRUE(f.stretches(3, 2, ProductFamily::Sum).empty()) << c.pattern; // no rows of its own
    }
}

// LO 10 fixed, RF 2 to 3 in four steps of 0.25, orders up to 2, the display
// band 0 to 30, no filters, one limit row from 5.2 to the band's edge at
// -70 dBc. Levels: 0x1 -17, 0x2 -63, 1x0 -4, 1x2 -68, 2x0 -14, 2x1 -35,
// 2x2 -63, the image 0; every product above 5.2 fails, none below.
//   0 x 2 = 2 RF:       4, 4.5, 5, 5.5, 6  fails at steps 3, 4: stretch 2..4, 5 to 6
//   1 x 2 = |10 - 2 RF|: 6, 5.5, 5, 4.5, 4  fails at steps 0, 1: stretch 0..2, 6 to 5
class LimitCounting : public ::testing::Test {
protected:
    void SetUp() override {
        const SolveInput in{.rfStart = 2, .rfStop = 3, .numSteps = 4, .loFreq = 10, .ifStart = 0, .ifStop = 30,
                            .trackingLO = false, .loOffset = {}, .mMax = 2, .nMax = 2};
        solveSpurMatrix(in, state, *matrix);
        design.limits = {LimitRow{"5.2", "", "-70", "dBc"}};
    }
    std::optional<LimitFailures> failures() {
        std::string why;
        static const BuiltInLevelModel model;
        return limitFailures(design, *matrix, state, solve, &levels, model, LevelInputs{8, -5, 8, 25, 25},
                             ProductFamily::Difference, why);
    }
    std::vector<std::string> bands(const SpurFreeQuery& q) {
        std::vector<std::string> out;
        for (const SpurFreeBand& b : findSpurFreeBands(*matrix, state, solve, &levels, q))
            out.push_back(shortText(b.start) + ".." + shortText(b.stop));
        return out;
    }
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve{2, 2, false};
    PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    Design design;
};

TEST_F(LimitCounting, FinderAndChartCountFailingStretchesInPlaceOfTheThreshold) {
    const auto f = failures();
    ASSERT_TRUE(f);
    SpurFreeQuery byThreshold;
    byThreshold.thresholdDbc = -60;
    // 0x1 at -17 counts by the threshold; 0x2, 1x2 and 2x2 do not.
    EXPECT_EQ(bands(byThreshold), (std::vector<std::string>{"3..10", "23..30", "13..17", "0..2", "10..12",
                                                            "18..20", "20..22"}));
    SpurFreeQuery byLimits = byThreshold;
    byLimits.limits = &*f;
    // 0x1 has no limit below 5.2; 0x2 and 1x2 fail over 5 to 6 only, 2x2 everywhere.
    EXPECT_EQ(bands(byLimits), (std::vector<std::string>{"0..5", "6..10", "26..30", "10..12", "18..20",
                                                         "20..22", "13..14", "16..17", "23..24"}));
    // The highest order still applies: up to m + n = 1, only 0x1 and 1x0.
    byLimits.maxTotalOrder = 1;
    EXPECT_EQ(bands(byLimits), (std::vector<std::string>{"10..30", "0..10"}));

    // The chart's curves: the same stretches as RF intervals.
    std::vector<SpurCurve> curves = spurCurves(*matrix, state, solve, &levels, ProductFamily::Difference);
    markFailingStretches(curves, *f, *matrix);
    using Stretches = std::vector<std::pair<double, double>>;
    const struct { int m, n; ProductFamily family; Stretches expected; } cases[] = {
        {0, 2, ProductFamily::Sum, {{2.5, 3}}}, {1, 2, ProductFamily::Difference, {{2, 2.5}}},
        {0, 1, ProductFamily::Sum, {}}, {1, 1, ProductFamily::Difference, {}}, // the wanted output is not held
    };
    for (const auto& c : cases) {
        const auto it = std::find_if(curves.begin(), curves.end(), [&](const SpurCurve& k) {
            return k.m == c.m && k.n == c.n && k.family == c.family;
        });
        ASSERT_NE(it, curves.end());
        EXPECT_EQ(it->failing, c.expected) << c.m << "x" << c.n;
    }
    // A row that cannot be used is refused by its caption.
    design.limits = {LimitRow{"x", "", "-70", "dBc"}};
    EXPECT_FALSE(failures());
}

} // namespace
