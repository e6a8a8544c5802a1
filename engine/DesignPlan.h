#pragma once
// The IF planner's scan of a design value: the planner's settings and the
// design's RF steps, orders and levels, checked as the planner window
// checks its fields.

#include <optional>
#include <string>

#include "engine/Design.h"
#include "engine/IfPlanner.h"

namespace kestrel {

struct DesignPlan {
    std::optional<PlanResult> result;
    std::string why; // without a result: what is wrong, naming the field
};

DesignPlan planFromDesign(const Design& design);

// A level as the planner shows it: rounded to hundredths.
std::string planLevelText(double level);

} // namespace kestrel
