#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/DesignPlan.h"
#include "engine/DesignSolve.h"
#include "engine/NumberText.h"

using namespace kestrel;

namespace {

// The sum LO + RF over RF 12.5 to 13 in 5 steps, orders 3 x 3, the
// display band 20 to 60; an LO low-pass at 25 (so the drive reaching the
// mixer changes with the candidate), an IF band-pass 36 to 41, and a limit
// line of -60 dBc with -75 dBm from 40 to 50.
Design plannedDesign(bool tracking) {
    Design d;
    d.offsetChecked = tracking;
    d.rfStop = 13, d.steps = "5", d.ifStart = 20, d.ifStop = 60;
    d.loHarmonics = d.rfHarmonics = "3";
    d.wanted = d.planWanted = "LO + RF";
    d.planFrom = tracking ? "-5" : "18";
    d.planTo = tracking ? "40" : "30";
    d.planPoints = "101";
    d.planGuard = "0.5";
    d.planThreshold = "-100"; // the threshold alone counts more
    d.loFilter.shape = "Low-pass", d.loFilter.high = "25";
    d.ifFilter.shape = "Band-pass", d.ifFilter.order = "3", d.ifFilter.low = "36", d.ifFilter.high = "41";
    d.limits = {LimitRow{"", "", "-60", "dBc"}, LimitRow{"40", "50", "-75", "dBm"}};
    d.planLimits = true;
    return d;
}

// A solve at the candidate: no product in the wanted band plus guard fails.
bool cleanBySolve(Design d, double candidate, double guard) {
    (d.offsetChecked ? d.loOffset : d.loFreq) = toSingle(candidate);
    const DesignReport report = reportFromDesign(d);
    EXPECT_TRUE(report.why.empty()) << report.why;
    double low = INFINITY, high = -INFINITY;
    for (const SpurTableRow& r : report.rows)
        if (r.role == ProductRole::Wanted) {
            low = std::min(low, double(r.frequency));
            high = std::max(high, double(r.frequency));
        }
    const float bandLow = toSingle(low - guard), bandHigh = toSingle(high + guard);
    return std::none_of(report.rows.begin(), report.rows.end(), [&](const SpurTableRow& r) {
        return r.role != ProductRole::Wanted && bandLow <= r.frequency && r.frequency <= bandHigh &&
               failsLimit(r);
    });
}

TEST(PlanLimits, EveryCandidateIsCleanExactlyWhenASolveAtItPassesInItsBand) {
    for (bool tracking : {false, true}) {
        const Design d = plannedDesign(tracking);
        const DesignPlan plan = planFromDesign(d);
        ASSERT_TRUE(plan.result) << plan.why;
        int clean = 0, judged = 0;
        for (const PlanCandidate& c : plan.result->candidates) {
            if (!c.valid) continue;
            ++judged;
            clean += c.clean;
            EXPECT_EQ(c.clean, cleanBySolve(d, c.value, 0.5)) << tracking << " at " << c.value;
        }
        // Both answers occur, and the threshold alone would count otherwise.
        EXPECT_GT(clean, 0) << tracking;
        EXPECT_LT(clean, judged) << tracking;
        Design byThreshold = d;
        byThreshold.planLimits = false;
        const DesignPlan other = planFromDesign(byThreshold);
        ASSERT_TRUE(other.result);
        EXPECT_NE(other.result->cleanCount, plan.result->cleanCount) << tracking;
    }
}

TEST(PlanLimits, AFilterOrRowThatCannotBeUsedRefusesTheScanByItsCaption) {
    Design d = plannedDesign(false);
    d.limits = {LimitRow{"", "", "low", "dBc"}};
    EXPECT_NE(planFromDesign(d).why.find("must hold From and To"), std::string::npos);
    d.planLimits = false; // the line is not asked for
    EXPECT_TRUE(planFromDesign(d).result);
}

} // namespace
