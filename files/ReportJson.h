#pragma once
// kestrel-report's JSON report of a solved design: the stored values, every
// exported product as the CSV row has it, the strongest product counted
// by `rule` between the markers at each step, and a summary. Numbers in the short
// number text, keys in a fixed order, so that two runs give the same bytes.

#include <string>

#include "engine/Design.h"
#include "engine/DesignSolve.h"
#include "engine/IfPlanner.h"
#include "engine/ReportSteps.h"

namespace kestrel::json {

// `file`: the design's name as it is to be shown (empty for the start-up
// design, written as null).
std::string designReport(const Design& design, const DesignReport& report, const CountRule& rule,
                         const std::string& file);

// The IF planner's scan: every candidate, then the clean runs, widest first.
std::string planReport(const PlanResult& result);

} // namespace kestrel::json
