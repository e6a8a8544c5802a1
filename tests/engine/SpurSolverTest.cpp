#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

using reference::initialDesign;

struct Solved {
    WorkingState state;
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    void solve(const SolveInput& in) { solveSpurMatrix(in, state, *matrix); }
};

TEST(SpurSolver, DefaultDesign) {
    Solved s;
    s.solve(initialDesign());
    EXPECT_EQ(s.state.NumSteps, 10);
    EXPECT_EQ(s.state.RFStepSize, 0.4f);
    EXPECT_EQ(s.state.LOFreq, 24.f);
    EXPECT_EQ(s.state.IFStart, 30.f);
    EXPECT_EQ(s.state.IFStop, 50.f);
    EXPECT_EQ(s.matrix->RFFreq(0), 12.5f);
    EXPECT_EQ(s.matrix->RFFreq(10), 16.5f);
    EXPECT_EQ(s.matrix->SumSpur(0, 1, 1), 36.5f);
    EXPECT_EQ(s.matrix->SumSpur(10, 1, 1), 40.5f);
    EXPECT_EQ(s.matrix->DiffSpur(0, 1, 1), 11.5f);
    EXPECT_EQ(s.matrix->DiffSpur(10, 1, 1), 7.5f);
    EXPECT_EQ(s.matrix->SumSpur(3, 0, 0), 0.f);
    EXPECT_EQ(s.matrix->SumSpur(0, 8, 8), 8 * 12.5f + 8 * 24.f);
    EXPECT_EQ(s.matrix->DiffSpur(0, 2, 3), 10.5f); // |37.5 - 48|
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(s.matrix->TrackLOFreq(k), 0.f) << "fixed LO";
}

TEST(SpurSolver, StepCountEdges) {
    struct Case {
        std::int16_t steps;
        float stepSize;
        int last;
    };
    for (const Case c : {Case{0, 0.f, 0}, Case{-5, 0.f, -1}, Case{1, 4.f, 1}, Case{100, 0.04f, 100}}) {
        Solved s;
        SolveInput in = initialDesign();
        in.numSteps = c.steps;
        s.solve(in);
        EXPECT_EQ(s.state.NumSteps, c.steps);
        EXPECT_EQ(s.state.RFStepSize, c.stepSize) << c.steps;
        EXPECT_EQ(lastSolvedStep(s.state), c.last);
        if (c.steps < 0) EXPECT_EQ(s.matrix->RFFreq(0), 0.f) << "nothing computed";
        else EXPECT_EQ(s.matrix->RFFreq(0), 12.5f);
    }
}

TEST(SpurSolver, RFStopBelowStartStepsDownwards) {
    Solved s;
    SolveInput in = initialDesign();
    in.rfStart = 16.5;
    in.rfStop = 12.5;
    s.solve(in);
    EXPECT_EQ(s.state.RFStepSize, -0.4f);
    EXPECT_EQ(s.matrix->RFFreq(0), 16.5f);
    EXPECT_EQ(s.matrix->RFFreq(10), 12.5f);
    EXPECT_GT(s.matrix->RFFreq(4), s.matrix->RFFreq(5));
}

TEST(SpurSolver, TrackingLOReadsTheOffsetAtEveryStep) {
    Solved s;
    SolveInput in = initialDesign();
    in.trackingLO = true;
    int reads = 0;
    in.loOffset = [&] { ++reads; return 38.5; };
    s.solve(in);
    EXPECT_EQ(reads, 11);
    EXPECT_EQ(s.matrix->TrackLOFreq(0), 51.f);
    EXPECT_EQ(s.matrix->SumSpur(0, 1, 1), 63.5f);
    EXPECT_EQ(s.matrix->DiffSpur(0, 1, 1), 38.5f);
    EXPECT_EQ(s.matrix->TrackLOFreq(10), 55.f);
    EXPECT_EQ(s.matrix->SumSpur(10, 2, 0), 110.f);

    // A negative offset below the RF gives a difference taken as a magnitude.
    in.loOffset = [] { return -20.0; };
    s.solve(in);
    EXPECT_EQ(s.matrix->TrackLOFreq(0), -7.5f);
    EXPECT_EQ(s.matrix->DiffSpur(0, 1, 1), 20.f);
    EXPECT_EQ(s.matrix->SumSpur(0, 1, 0), -7.5f);
}

TEST(SpurSolver, FixedLOSolveKeepsTheTrackingTable) {
    Solved s;
    SolveInput in = initialDesign();
    in.trackingLO = true;
    in.loOffset = [] { return 38.5; };
    s.solve(in);
    s.solve(initialDesign());
    EXPECT_EQ(s.matrix->TrackLOFreq(0), 51.f);
    EXPECT_EQ(s.matrix->SumSpur(0, 1, 1), 36.5f);
}

TEST(SpurSolver, EntriesOutsideASmallerSolveKeepEarlierValues) {
    Solved s;
    SolveInput big = initialDesign();
    big.numSteps = 100;
    big.mMax = 10;
    s.solve(big);
    const float step50 = s.matrix->SumSpur(50, 2, 2);
    const float order10 = s.matrix->SumSpur(3, 10, 8);
    const float n3 = s.matrix->SumSpur(3, 3, 3);

    SolveInput small = initialDesign();
    small.numSteps = 5;
    small.mMax = 3;
    small.nMax = 2;
    small.loFreq = 10;
    s.solve(small);
    EXPECT_EQ(s.matrix->SumSpur(50, 2, 2), step50);
    EXPECT_EQ(s.matrix->SumSpur(3, 10, 8), order10);
    EXPECT_EQ(s.matrix->SumSpur(3, 3, 3), n3) << "n = 3 beyond the RF limit";
    EXPECT_EQ(s.matrix->SumSpur(3, 3, 2), 2 * s.matrix->RFFreq(3) + 3 * 10.f);
    EXPECT_EQ(s.matrix->RFFreq(5), 16.5f);
    EXPECT_EQ(s.matrix->RFFreq(6), 12.5f + 6 * 0.04f) << "step 6 left from the 100-step solve";
}

TEST(SpurSolver, ProductsAreRoundedOnceFromDouble) {
    Solved s;
    SolveInput in = initialDesign();
    in.rfStart = 1.1;
    in.loFreq = 3.3f;
    in.numSteps = 0;
    s.solve(in);
    const double rf = 1.1f, lo = 3.3f;
    EXPECT_EQ(s.matrix->SumSpur(0, 7, 5), static_cast<float>(5 * rf + 7 * lo));
    EXPECT_EQ(s.matrix->DiffSpur(0, 7, 5), static_cast<float>(7 * lo - 5 * rf));
}

} // namespace

namespace {

struct OverflowCase {
    const char* what;
    double rfStart, rfStop;
    std::int16_t steps;
    std::optional<double> offset; // tracking LO when set
    SolveOverflow expected;
};

const OverflowCase kOverflowCases[] = {
    {"defaults", 12.5, 16.5, 10, {}, SolveOverflow::None},
    {"widest span in ten steps", -3.4e38, 3.4e38, 10, {}, SolveOverflow::None},
    {"widest span in one step", -3.4e38, 3.4e38, 1, {}, SolveOverflow::Span},
    {"step fits, last RF step does not", 0, 1e39, 100, {}, SolveOverflow::Span},
    {"no steps: RF start only", -3.4e38, 3.4e38, 0, {}, SolveOverflow::None},
    {"negative count: nothing solved", -3.4e38, 3.4e38, -1, {}, SolveOverflow::None},
    {"largest RF, no span", 3.4e38, 3.4e38, 10, {}, SolveOverflow::None},
    {"tracking LO beyond range", 3e38, 3e38, 10, 3e38, SolveOverflow::TrackingLO},
    {"tracking LO back into range", 3e38, 3e38, 10, -3e38, SolveOverflow::None},
    {"tracking LO beyond range at the last step", 0, 3e38, 10, 1e38,
     SolveOverflow::TrackingLO},
    {"span before tracking", -3.4e38, 3.4e38, 1, 3e38, SolveOverflow::Span},
    {"tracking offset beyond the single range itself", 1, 2, 10, 1e39,
     SolveOverflow::TrackingLO},
};

class SolveRange : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(SolveRange, FindsWhatLeavesTheSingleRange) {
    const OverflowCase& c = GetParam();
    SolveInput in = initialDesign();
    in.rfStart = c.rfStart;
    in.rfStop = c.rfStop;
    in.numSteps = c.steps;
    in.trackingLO = c.offset.has_value();
    in.loOffset = [&] { return c.offset.value_or(0); };
    EXPECT_EQ(findSolveOverflow(in), c.expected) << c.what;

    // A design that fits leaves only finite values where the solve wrote.
    if (c.expected != SolveOverflow::None) return;
    Solved s;
    s.solve(in);
    EXPECT_TRUE(std::isfinite(s.state.RFStepSize)) << c.what;
    for (int k = 0; k <= lastSolvedStep(s.state); ++k) {
        EXPECT_TRUE(std::isfinite(s.matrix->RFFreq(k))) << c.what << " step " << k;
        EXPECT_TRUE(std::isfinite(s.matrix->TrackLOFreq(k))) << c.what << " step " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SolveRange, ::testing::ValuesIn(kOverflowCases));

TEST(SolveRange, FixedLOIgnoresTheOffset) {
    SolveInput in = initialDesign();
    in.loOffset = [] { return 1e39; };
    EXPECT_EQ(findSolveOverflow(in), SolveOverflow::None);
}

} // namespace
