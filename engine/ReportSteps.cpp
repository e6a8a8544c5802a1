#include "engine/ReportSteps.h"

#include "engine/FieldCaptions.h"
#include "engine/LimitLine.h"
#include "engine/NumberText.h"

namespace kestrel {
namespace {

bool strongerRow(const SpurTableRow& a, const SpurTableRow& b) {
    if (a.level.has_value() != b.level.has_value()) return !a.level;
    if (a.level && *a.level != *b.level) return *a.level > *b.level;
    if (a.family != b.family) return a.family == ProductFamily::Sum;
    if (a.m != b.m) return a.m < b.m;
    return a.n < b.n;
}

bool countedRow(const SpurTableRow& r, const CountRule& rule) {
    if (r.role == ProductRole::Wanted || !r.betweenMarkers.value_or(false)) return false;
    if (r.m == 0 && r.n == 0) return false;
    if (rule.maxTotalOrder && r.m + r.n > *rule.maxTotalOrder) return false;
    if (rule.overLimitLine) return failsLimit(r);
    return !r.level || *r.level >= rule.thresholdDbc;
}

} // namespace

std::optional<CountRule> countRuleFromDesign(const Design& design, std::string& why) {
    CountRule rule;
    const auto threshold = toDoubleStrict(design.threshold);
    if (!threshold) {
        why = fieldCaption("txtThreshold") + " does not hold a number";
        return std::nullopt;
    }
    rule.thresholdDbc = *threshold;
    rule.overLimitLine = design.useLimits || design.finderLimits;
    if (design.maxOrder != "Any") {
        const auto order = toInt16HalfEven(design.maxOrder);
        if (!order) {
            why = fieldCaption("cboMaxOrder") + " does not hold a number";
            return std::nullopt;
        }
        rule.maxTotalOrder = *order;
    }
    return rule;
}

std::vector<StepWorst> worstPerStep(const std::vector<SpurTableRow>& rows, const CountRule& rule) {
    std::vector<StepWorst> steps;
    for (const SpurTableRow& r : rows) {
        if (steps.empty() || steps.back().step != r.step) steps.push_back({r.step, r.rf, r.lo, nullptr});
        StepWorst& s = steps.back();
        if (countedRow(r, rule) && (!s.worst || strongerRow(r, *s.worst))) s.worst = &r;
    }
    return steps;
}

const SpurTableRow* worstOverall(const std::vector<StepWorst>& steps) {
    const SpurTableRow* worst = nullptr;
    for (const StepWorst& s : steps)
        if (s.worst && (!worst || strongerRow(*s.worst, *worst))) worst = s.worst;
    return worst;
}

} // namespace kestrel
