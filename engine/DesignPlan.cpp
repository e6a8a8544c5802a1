#include "engine/DesignPlan.h"

#include <cmath>
#include <cstdlib>

#include "engine/DesignSolve.h"
#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"

namespace kestrel {

std::string planLevelText(double level) { return generalText(std::round(level * 100) / 100); }

DesignPlan planFromDesign(const Design& d) {
    DesignPlan plan;
    PlanQuery q;
    const std::pair<const std::string*, double*> numbers[] = {
        {&d.planFrom, &q.from}, {&d.planTo, &q.to}, {&d.planGuard, &q.guard}, {&d.planThreshold, &q.thresholdDbc}};
    const char* names[] = {"txtPlanFrom", "txtPlanTo", "txtPlanGuard", "txtPlanThreshold"};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> v = toDoubleStrict(*numbers[i].first);
        // A negative guard would narrow the band it is meant to protect.
        if (!v || (i == 2 && *v < 0)) {
            plan.why = fieldCaption(names[i]) + (v ? " is below zero" : " does not hold a number");
            return plan;
        }
        *numbers[i].second = *v;
    }
    q.wanted = d.planWanted == "RF - LO"   ? PlanWanted::RfMinusLo
               : d.planWanted == "LO + RF" ? PlanWanted::LoPlusRf
                                           : PlanWanted::LoMinusRf;
    q.points = std::atoi(d.planPoints.c_str());

    const SolvableDesign solvable = solvableDesign(d);
    if (!solvable.input) {
        plan.why = solvable.why;
        return plan;
    }
    q.rfStart = solvable.input->rfStart;
    q.rfStop = solvable.input->rfStop;
    q.trackingLO = solvable.input->trackingLO;
    q.mMax = solvable.input->mMax;
    q.nMax = solvable.input->nMax;
    q.steps = solvable.input->numSteps;
    q.levels = &*solvable.levels;
    std::optional<PlanLimits> limits;
    if (d.planLimits) {
        limits = planLimitsFromDesign(d, *solvable.model, solvable.inputs, *solvable.levels,
                                      solvable.input->ifStart, solvable.input->ifStop, plan.why);
        if (!limits) return plan;
        q.limits = &*limits;
    }
    plan.result = scanPlan(q);
    return plan;
}

} // namespace kestrel
