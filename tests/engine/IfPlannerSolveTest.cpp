// The planner against the solve itself: for every candidate, "clean" is what
// a solve at that LO (or offset) shows, looked at product by product.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/IfPlanner.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

// Solves at the candidate as "Use" leaves the design; clean when the LO
// stays above 0, the wanted difference keeps its sign and no product but
// (0, 0) and the wanted one is stored inside the band plus guard.
bool solveShowsClean(const PlanQuery& q, double candidate, SpurMatrix& mx, int& edgeHits) {
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
        if (!(lo > 0) || (!sumWanted && !(sign > 0))) return false;
        const double w = sumWanted ? mx.SumSpur(s, 1, 1) : mx.DiffSpur(s, 1, 1);
        low = std::min(low, w);
        high = std::max(high, w);
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
    return clean;
}

TEST(IfPlannerAgainstASolve, CleanIsWhatTheSolveShowsForEveryCandidate) {
    using W = PlanWanted;
    // RF start, stop, steps, tracking, orders 3 x 2, wanted, From, To, candidates, guard.
    const PlanQuery designs[] = {
        {10, 12, 4, false, 3, 2, W::LoMinusRf, -10, 40, 501, 0}, // LO 30: 2 RF on W's top, 20
        {1.1, 1.3, 2, false, 3, 2, W::LoMinusRf, -1.3, 6.7, 801, 0.1},
        {12.5, 16.5, 10, false, 3, 2, W::RfMinusLo, -4, 12.5, 331, 0.2},
        {0.7, 0.9, 3, false, 3, 2, W::LoPlusRf, -0.5, 3, 351, 0},
        {10, 12, 4, true, 3, 2, W::LoPlusRf, -15, 15, 301, 0},
        {2.5, 3.5, 5, true, 3, 2, W::LoMinusRf, -4, 6, 201, 0.25},
        {2.5, 3.5, 5, true, 3, 2, W::RfMinusLo, -6, 4, 201, 0},
        {-12, -10, 4, false, 3, 2, W::LoMinusRf, -5, 30, 351, 0}, // order-0 sums and differences differ
        {12, 10, 1, false, 3, 2, W::LoMinusRf, 40, 10, 301, 0.3},
        // RF 1.1 alone: at LO 2 the guard's top is the RF (2 - 1.1 + 0.2 falls
        // short of 1.1 in double); at LO 1.6, |2 RF - LO| = 0.6 is W + 0.1.
        {1.1, 1.1, 0, false, 3, 2, W::LoMinusRf, 2, 2, 1, 0.2},
        {1.1, 1.1, 0, false, 3, 2, W::LoMinusRf, 1.6, 1.6, 1, 0.1},
    };
    auto mx = std::make_unique<SpurMatrix>();
    int edgeHits = 0;
    for (const PlanQuery& q : designs)
        for (const PlanCandidate& cand : scanPlan(q).candidates)
            EXPECT_EQ(cand.clean, solveShowsClean(q, cand.value, *mx, edgeHits)) << q.from << " at " << cand.value;
    EXPECT_GT(edgeHits, 0); // products on the band's edges were there to judge
}

} // namespace
