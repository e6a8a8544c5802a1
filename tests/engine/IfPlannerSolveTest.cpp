// The planner against the solve itself: for every candidate, "clean" is what
// a solve at that LO (or offset) shows, looked at product by product.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/IfPlanner.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

struct Look {
    bool clean = false;
    bool touchesEdge = false; // a product's stored value equals a band edge
};

// Solves at the candidate as "Use" would leave the design and looks at every
// product but (0, 0) and the wanted one, at every step.
Look solveAndLook(const PlanQuery& q, double candidate, SpurMatrix& matrix) {
    SolveInput in;
    in.rfStart = q.rfStart;
    in.rfStop = q.rfStop;
    in.numSteps = static_cast<std::int16_t>(q.steps);
    in.trackingLO = q.trackingLO;
    const std::string text = shortText(toSingle(candidate));
    in.loFreq = toSingleStrict(text).value_or(NAN);
    in.loOffset = [text] { return leadingNumber(text); };
    in.mMax = q.mMax;
    in.nMax = q.nMax;
    WorkingState state;
    solveSpurMatrix(in, state, matrix);

    const bool sumWanted = q.wanted == PlanWanted::LoPlusRf;
    double low = INFINITY, high = -INFINITY;
    for (int s = 0; s <= q.steps; ++s) {
        const float lo = q.trackingLO ? matrix.TrackLOFreq(s) : state.LOFreq;
        const double sign = double(lo) - matrix.RFFreq(s);
        if (!(lo > 0)) return {};
        if ((q.wanted == PlanWanted::LoMinusRf && !(sign > 0)) || (q.wanted == PlanWanted::RfMinusLo && !(sign < 0)))
            return {};
        const float w = sumWanted ? matrix.SumSpur(s, 1, 1) : matrix.DiffSpur(s, 1, 1);
        low = std::min(low, double(w));
        high = std::max(high, double(w));
    }
    const float bandLow = toSingle(low - q.guard), bandHigh = toSingle(high + q.guard);
    Look look{true, false};
    for (int s = 0; s <= q.steps; ++s)
        for (int m = 0; m <= q.mMax; ++m)
            for (int n = 0; n <= q.nMax; ++n) {
                if (m == 0 && n == 0) continue;
                for (bool sum : {true, false}) {
                    if (m == 1 && n == 1 && sum == sumWanted) continue;
                    const float v = sum ? matrix.SumSpur(s, m, n) : matrix.DiffSpur(s, m, n);
                    if (bandLow <= v && v <= bandHigh) look.clean = false;
                    if (v == bandLow || v == bandHigh) look.touchesEdge = true;
                }
            }
    return look;
}

PlanQuery design(double rfStart, double rfStop, int steps, bool tracking, PlanWanted wanted, double from,
                 double to, int points, double guard) {
    PlanQuery q;
    q.rfStart = rfStart;
    q.rfStop = rfStop;
    q.steps = steps;
    q.trackingLO = tracking;
    q.mMax = 3;
    q.nMax = 2;
    q.wanted = wanted;
    q.from = from;
    q.to = to;
    q.points = points;
    q.guard = guard;
    return q; // no levels: every product counts
}

TEST(IfPlannerAgainstASolve, CleanIsWhatTheSolveShowsForEveryCandidate) {
    struct Case {
        const char* what;
        PlanQuery query;
    };
    const Case cases[] = {
        {"fixed LO - RF, whole numbers", design(10, 12, 4, false, PlanWanted::LoMinusRf, -10, 40, 501, 0)},
        {"fixed LO - RF, decimals and guard", design(1.1, 1.3, 2, false, PlanWanted::LoMinusRf, -1.3, 6.7, 801, 0.1)},
        {"fixed RF - LO", design(12.5, 16.5, 10, false, PlanWanted::RfMinusLo, -4, 12.5, 331, 0.2)},
        {"fixed LO + RF", design(0.7, 0.9, 3, false, PlanWanted::LoPlusRf, -0.5, 3, 351, 0)},
        {"tracking LO + RF", design(10, 12, 4, true, PlanWanted::LoPlusRf, -15, 15, 301, 0)},
        {"tracking LO - RF, guard", design(2.5, 3.5, 5, true, PlanWanted::LoMinusRf, -4, 6, 201, 0.25)},
        {"tracking RF - LO, no guard", design(2.5, 3.5, 5, true, PlanWanted::RfMinusLo, -6, 4, 201, 0)},
        // A negative RF: the sum and the difference of an order-0 pair differ.
        {"negative RF", design(-12, -10, 4, false, PlanWanted::LoMinusRf, -5, 30, 351, 0)},
        {"one step, downwards", design(12, 10, 1, false, PlanWanted::LoMinusRf, 40, 10, 301, 0.3)},
    };
    auto matrix = std::make_unique<SpurMatrix>();
    int edges = 0, clean = 0, invalid = 0;
    for (const Case& c : cases) {
        const PlanResult r = scanPlan(c.query);
        for (const PlanCandidate& cand : r.candidates) {
            const Look look = solveAndLook(c.query, cand.value, *matrix);
            EXPECT_EQ(cand.clean, look.clean) << c.what << " at " << cand.value;
            EXPECT_EQ(cand.valid && !cand.worst, cand.clean) << c.what << " at " << cand.value;
            edges += look.touchesEdge;
            clean += cand.clean;
            invalid += !cand.valid;
        }
    }
    // The designs reach every side of the rule.
    EXPECT_GT(edges, 0);
    EXPECT_GT(clean, 0);
    EXPECT_GT(invalid, 0);
}

// A product on the band's edge in single precision counts, as the grid shows
// it, even where the same sum in double misses the edge.
TEST(IfPlannerAgainstASolve, AProductOnTheEdgeCounts) {
    struct Case {
        const char* what;
        PlanQuery query;
        bool clean;
    };
    const Case cases[] = {
        // LO 30: W = [18, 20]; 0 LO + 2 RF is 20 at RF 10.
        {"on the upper edge", design(10, 12, 4, false, PlanWanted::LoMinusRf, 30, 30, 1, 0), false},
        {"just inside the guard", design(10, 12, 4, false, PlanWanted::LoMinusRf, 29.5, 29.5, 1, 0.5), false},
        {"clear of it", design(10, 12, 4, false, PlanWanted::LoMinusRf, 29.5, 29.5, 1, 0.25), true},
        // RF 1.1 alone, LO 2: W = 0.9 and the guard reaches 1.1, the RF
        // itself; 2 - 1.1 + 0.2 falls short of 1.1 in double.
        {"the RF on the guard's edge", design(1.1, 1.1, 0, false, PlanWanted::LoMinusRf, 2, 2, 1, 0.2), false},
        // LO 1.6: |2 RF - LO| is 0.6, W + 0.1 in single.
        {"1 LO - 2 RF on the guard's edge", design(1.1, 1.1, 0, false, PlanWanted::LoMinusRf, 1.6, 1.6, 1, 0.1),
         false},
        {"a guard a little short", design(1.1, 1.1, 0, false, PlanWanted::LoMinusRf, 1.6, 1.6, 1, 0.0999), true},
    };
    for (const Case& c : cases) EXPECT_EQ(scanPlan(c.query).candidates.at(0).clean, c.clean) << c.what;
}

} // namespace
