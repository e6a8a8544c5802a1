#pragma once
// The IF planner's export: one record per candidate, as comma-separated
// text in the spur table's conventions.

#include <string>
#include <string_view>

#include "engine/IfPlanner.h"

namespace kestrel::csv {

std::string planTable(const PlanResult& result, std::string_view freqUnit);

} // namespace kestrel::csv
