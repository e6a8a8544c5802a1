#pragma once
// The strongest product between the markers at each step of a report, by
// the band finder's counting rule, and the check built on it.

#include <optional>
#include <string>
#include <vector>

#include "engine/Design.h"
#include "engine/SpurTable.h"

namespace kestrel {

// Which products count, as the band finder counts them: not the wanted
// output (and no 0 x 0, which has no row), m + n up to the highest total
// order, a level at or above the threshold or no level at all.
// With overLimitLine a product counts when it fails the limit line
// (failsLimit), in place of the threshold.
struct CountRule {
    double thresholdDbc = -60;
    std::optional<int> maxTotalOrder;
    bool overLimitLine = false;
};

// The design's band finder settings (overLimitLine from chkUseLimits or
// chkFinderLimits), or
// the reason a text is not one.
std::optional<CountRule> countRuleFromDesign(const Design& design, std::string& why);

struct StepWorst {
    int step = 0;
    float rf = 0;
    float lo = 0;
    const SpurTableRow* worst = nullptr; // none counted between the markers
};

// One entry per step of `rows` (which come step by step), in step order.
// Without a level is strongest; equal levels as the finder orders its edge
// products: the sum first, then the lower m, then the lower n.
std::vector<StepWorst> worstPerStep(const std::vector<SpurTableRow>& rows, const CountRule& rule);

// The strongest of all steps' worst products; null when no step has one.
const SpurTableRow* worstOverall(const std::vector<StepWorst>& steps);

} // namespace kestrel
