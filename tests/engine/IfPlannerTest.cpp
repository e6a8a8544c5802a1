#include <gtest/gtest.h>

#include <tuple>

#include "engine/IfPlanner.h"

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

} // namespace

namespace {

TEST(IfPlanner, ALoAtOrBelowZeroIsNoPlanAndNeverClean) {
    struct Case {
        PlanQuery query;
        std::vector<bool> valid;
    };
    const Case cases[] = {
        // RF - LO stays positive below zero too, but such an LO is not one.
        {smallDesign(false, PlanWanted::RfMinusLo, -2, 2, 5), {false, false, false, true, true}},
        // LO = RF + offset over RF 10..12: offset -10 reaches 0 at RF 10.
        {smallDesign(true, PlanWanted::LoPlusRf, -12, -8, 5), {false, false, false, true, true}},
        {smallDesign(true, PlanWanted::LoMinusRf, -10.5, 0.5, 3), {false, false, true}},
    };
    for (const Case& c : cases) {
        std::vector<bool> valid;
        for (const PlanCandidate& cand : scanPlan(c.query).candidates) {
            valid.push_back(cand.valid);
            EXPECT_TRUE(cand.valid || !cand.clean) << cand.value;
        }
        EXPECT_EQ(valid, c.valid) << c.query.from;
    }
}

TEST(IfPlanner, RunsPickTheLowerMiddleAndTieByLowerFromOnIndices) {
    struct Case {
        std::vector<double> values;
        std::vector<bool> clean;
        std::vector<std::tuple<double, double, double>> runs; // From, To, picked
    };
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
        std::vector<std::tuple<double, double, double>> runs;
        for (const CleanRun& r : cleanRuns(candidates)) runs.emplace_back(r.from, r.to, r.picked);
        EXPECT_EQ(runs, c.runs) << c.values.front();
    }
}

} // namespace
