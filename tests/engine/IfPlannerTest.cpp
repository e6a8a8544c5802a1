#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "engine/IfPlanner.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

// RF 10 to 12, orders 2 x 2, every product without a level (all count).
PlanQuery smallDesign(bool tracking, PlanWanted wanted, double from, double to, int points) {
    PlanQuery q;
    q.rfStart = 10;
    q.rfStop = 12;
    q.trackingLO = tracking;
    q.mMax = 2;
    q.nMax = 2;
    q.wanted = wanted;
    q.from = from;
    q.to = to;
    q.points = points;
    return q;
}

std::vector<double> cleanValues(const PlanResult& r) {
    std::vector<double> out;
    for (const PlanCandidate& c : r.candidates)
        if (c.clean) out.push_back(c.value);
    return out;
}

TEST(IfPlanner, HandWorkedSmallDesigns) {
    PairLevels weakFeedthrough;
    weakFeedthrough.set(0, 1, -70); // below the -60 dBc threshold: no longer counts
    struct Case {
        const char* what;
        PlanQuery query;
        const PairLevels* levels;
        std::vector<double> clean;
    };
    const Case cases[] = {
        // LO 20..30: W = [LO - 12, LO - 10]; RF itself covers 20..24, 0x2 touches 30.
        {"fixed LO - RF", smallDesign(false, PlanWanted::LoMinusRf, 20, 30, 11), nullptr,
         {25, 26, 27, 28, 29}},
        {"fixed, weak feedthrough", smallDesign(false, PlanWanted::LoMinusRf, 20, 30, 11),
         &weakFeedthrough, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
        // W = [20 + offset, 24 + offset]: 1x2 at -5, 0x2 at 0, 2x1 at 10 enter it.
        {"tracking LO + RF", smallDesign(true, PlanWanted::LoPlusRf, -5, 15, 5), nullptr, {5, 15}},
        // RF - LO needs the LO below the whole band; at 10 it reaches zero.
        {"fixed RF - LO validity", smallDesign(false, PlanWanted::RfMinusLo, 9, 10, 2), nullptr, {}},
    };
    for (const Case& c : cases) {
        PlanQuery q = c.query;
        q.levels = c.levels;
        EXPECT_EQ(cleanValues(scanPlan(q)), c.clean) << c.what;
    }

    const PlanResult fixed = scanPlan(cases[0].query);
    EXPECT_EQ(fixed.cleanCount, 5);
    ASSERT_EQ(fixed.runs.size(), 1u);
    EXPECT_EQ(fixed.runs[0].from, 25);
    EXPECT_EQ(fixed.runs[0].to, 29);
    EXPECT_EQ(fixed.runs[0].wanted.low, 15);
    EXPECT_EQ(fixed.runs[0].wanted.high, 17);
    ASSERT_TRUE(fixed.runs[0].nearest);
    EXPECT_EQ(fixed.runs[0].nearest->product.m, 0); // the RF at 10..12, 3 below
    EXPECT_EQ(fixed.runs[0].nearest->product.n, 1);
    EXPECT_EQ(fixed.runs[0].nearest->distance, 3);
    ASSERT_TRUE(fixed.candidates[10].worst); // LO 30: touched by 0 LO + 2 RF
    EXPECT_EQ(fixed.candidates[10].worst->n, 2);

    // A guard of 1 on each side: the RF's 12 reaches LO 25's W = [12, 16] too.
    PlanQuery guarded = cases[0].query;
    guarded.guard = 1;
    EXPECT_EQ(cleanValues(scanPlan(guarded)), (std::vector<double>{26, 27, 28}));

    const PlanResult rfMinusLo = scanPlan(cases[3].query);
    EXPECT_TRUE(rfMinusLo.candidates[0].valid);
    EXPECT_FALSE(rfMinusLo.candidates[1].valid);
    EXPECT_TRUE(wantedHasNoWidth(smallDesign(true, PlanWanted::RfMinusLo, 0, 1, 2)));
}

TEST(IfPlanner, RunsWidestFirstThenLowerFrom) {
    const bool pattern[] = {true, true, false, true, true, true, false, true, false, true};
    std::vector<PlanCandidate> candidates;
    for (int i = 0; i < 10; ++i) candidates.push_back({double(i), true, pattern[i], std::nullopt});
    std::vector<std::pair<double, double>> runs;
    for (const CleanRun& r : cleanRuns(candidates)) runs.emplace_back(r.from, r.to);
    EXPECT_EQ(runs, (std::vector<std::pair<double, double>>{{3, 5}, {0, 1}, {7, 7}, {9, 9}}));
    // The tracking design's two single-candidate runs: the lower one first.
    const PlanResult tracking = scanPlan(smallDesign(true, PlanWanted::LoPlusRf, -5, 15, 5));
    ASSERT_EQ(tracking.runs.size(), 2u);
    EXPECT_EQ(tracking.runs[0].from, 5);
    EXPECT_EQ(tracking.runs[1].from, 15);
}

TEST(IfPlanner, RunsPickTheLowerMiddleAndTieByLowerFromOnIndices) {
    using Runs = std::vector<std::tuple<double, double, double>>; // From, To, picked
    struct Case { std::vector<double> values; std::vector<bool> clean; Runs runs; };
    const Case cases[] = {
        {{0, 1, 2, 3, 4, 5}, {false, true, true, true, true, false}, {{1, 4, 2}}},
        {{5, 4, 3, 2}, {true, true, true, true}, {{5, 2, 3}}}, // downwards: still the lower value
        // Two candidates each; the upper run is wider in frequency, not in candidates.
        {{0, 1, 2, 10, 11, 12.5}, {true, true, false, false, true, true}, {{0, 1, 0}, {11, 12.5, 11}}},
        {{5, 4, 3, 2, 1, 0}, {true, true, false, false, true, true}, {{1, 0, 0}, {5, 4, 4}}},
    };
    for (const Case& c : cases) {
        std::vector<PlanCandidate> candidates;
        for (std::size_t i = 0; i < c.values.size(); ++i) candidates.push_back({c.values[i], true, c.clean[i], {}});
        Runs runs;
        for (const CleanRun& r : cleanRuns(candidates)) runs.emplace_back(r.from, r.to, r.picked);
        EXPECT_EQ(runs, c.runs) << c.values.front();
    }
}

// Against the solve itself: solves at the candidate as "Use" leaves the design;
// valid when the LO stays above 0 and the wanted difference keeps its sign, clean
// when also no product but (0, 0) and the wanted one is stored inside the band plus guard.
std::pair<bool, bool> solveShows(const PlanQuery& q, double candidate, SpurMatrix& mx, int& edgeHits) {
    const std::string text = shortText(toSingle(candidate));
    SolveInput in{q.rfStart, q.rfStop, std::int16_t(q.steps), toSingleStrict(text).value_or(NAN), 0, 0,
                  q.trackingLO, [text] { return leadingNumber(text); }, q.mMax, q.nMax};
    WorkingState state;
    solveSpurMatrix(in, state, mx);
    const bool sumWanted = q.wanted == PlanWanted::LoPlusRf;
    double low = INFINITY, high = -INFINITY;
    for (int s = 0; s <= q.steps; ++s) {
        const float lo = q.trackingLO ? mx.TrackLOFreq(s) : state.LOFreq;
        const double sign = q.wanted == PlanWanted::RfMinusLo ? mx.RFFreq(s) - double(lo) : double(lo) - mx.RFFreq(s);
        if (!(lo > 0) || (!sumWanted && !(sign > 0))) return {false, false};
        const double w = sumWanted ? mx.SumSpur(s, 1, 1) : mx.DiffSpur(s, 1, 1);
        std::tie(low, high) = std::pair(std::min(low, w), std::max(high, w));
    }
    const float bandLow = toSingle(low - q.guard), bandHigh = toSingle(high + q.guard);
    bool clean = true;
    for (int s = 0; s <= q.steps; ++s)
        for (int m = 0; m <= q.mMax; ++m)
            for (int n = (m == 0); n <= q.nMax; ++n)
                for (bool sum : {true, false}) {
                    if (m == 1 && n == 1 && sum == sumWanted) continue;
                    const float v = sum ? mx.SumSpur(s, m, n) : mx.DiffSpur(s, m, n);
                    clean = clean && !(bandLow <= v && v <= bandHigh);
                    edgeHits += v == bandLow || v == bandHigh;
                }
    return {true, clean};
}

TEST(IfPlannerAgainstASolve, ValidAndCleanAreWhatTheSolveShowsForEveryCandidate) {
    using W = PlanWanted;
    // RF start, stop, steps, tracking, orders 3 x 2, wanted, From, To, candidates, guard.
    const PlanQuery designs[] = {
        {10, 12, 4, false, 3, 2, W::LoMinusRf, -10, 40, 501, 0}, // LO 30: 2 RF on W's top, 20
        {1.1, 1.3, 2, false, 3, 2, W::LoMinusRf, -1.3, 6.7, 801, 0.1},
        {12.5, 16.5, 10, false, 3, 2, W::RfMinusLo, -4, 12.5, 331, 0.2},
        {0.7, 0.9, 3, false, 3, 2, W::LoPlusRf, -0.5, 3, 351, 0},  {10, 12, 4, true, 3, 2, W::LoPlusRf, -15, 15, 301, 0},
        {2.5, 3.5, 5, true, 3, 2, W::LoMinusRf, -4, 6, 201, 0.25}, {2.5, 3.5, 5, true, 3, 2, W::RfMinusLo, -6, 4, 201, 0},
        {-12, -10, 4, false, 3, 2, W::LoMinusRf, -5, 30, 351, 0}, // order-0 sums and differences differ
        {12, 10, 1, false, 3, 2, W::LoMinusRf, 40, 10, 301, 0.3},
        // RF 1.1 alone: at LO 2 the guard's top is the RF (2 - 1.1 + 0.2 falls
        // short of 1.1 in double); at LO 1.6, |2 RF - LO| = 0.6 is W + 0.1.
        {1.1, 1.1, 0, false, 3, 2, W::LoMinusRf, 2, 2, 1, 0.2},    {1.1, 1.1, 0, false, 3, 2, W::LoMinusRf, 1.6, 1.6, 1, 0.1},
        // LOs at or below zero: RF - LO stays positive there too, but such an LO is not
        // one; LO = RF + offset over RF 10..12 reaches 0 at offset -10.
        smallDesign(false, W::RfMinusLo, -2, 2, 5), smallDesign(true, W::LoPlusRf, -12, -8, 5),
        smallDesign(true, W::LoMinusRf, -10.5, 0.5, 3),
    };
    auto mx = std::make_unique<SpurMatrix>();
    int edgeHits = 0;
    for (const PlanQuery& q : designs)
        for (const PlanCandidate& cand : scanPlan(q).candidates)
            EXPECT_EQ(std::pair(cand.valid, cand.clean), solveShows(q, cand.value, *mx, edgeHits))
                << q.from << " at " << cand.value;
    EXPECT_GT(edgeHits, 0); // products on the band's edges were there to judge
}

} // namespace
