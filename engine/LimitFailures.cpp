#include "engine/LimitFailures.h"

#include "engine/ConverterLevels.h"
#include "engine/LimitLine.h"

namespace kestrel {
namespace {

std::tuple<int, int, bool> keyOf(int m, int n, ProductFamily family) {
    return {m, n, family == ProductFamily::Sum || m == 0 || n == 0};
}

} // namespace

LimitFailures::LimitFailures(const std::vector<SpurTableRow>& rows) {
    if (!rows.empty()) steps_ = rows.back().step + 1;
    for (const SpurTableRow& r : rows) {
        std::vector<char>& steps = failing_[keyOf(r.m, r.n, r.family)];
        steps.resize(std::size_t(steps_), 0);
        if (failsLimit(r)) steps[std::size_t(r.step)] = 1;
    }
}

const std::vector<char>* LimitFailures::stepsOf(int m, int n, ProductFamily family) const {
    const auto it = failing_.find(keyOf(m, n, family));
    return it == failing_.end() ? nullptr : &it->second;
}

bool LimitFailures::fails(int m, int n, ProductFamily family, int step) const {
    const std::vector<char>* steps = stepsOf(m, n, family);
    return steps && step >= 0 && step < int(steps->size()) && (*steps)[std::size_t(step)];
}

std::vector<StepStretch> LimitFailures::stretches(int m, int n, ProductFamily family) const {
    std::vector<StepStretch> out;
    const std::vector<char>* steps = stepsOf(m, n, family);
    if (!steps || steps->empty()) return out;
    const int count = int(steps->size());
    if (count == 1) {
        if ((*steps)[0]) out.push_back({0, 0});
        return out;
    }
    for (int s = 0; s + 1 < count; ++s) {
        if (!(*steps)[std::size_t(s)] && !(*steps)[std::size_t(s + 1)]) continue;
        if (!out.empty() && out.back().last == s) out.back().last = s + 1;
        else out.push_back({s, s + 1});
    }
    return out;
}

std::optional<LimitFailures> limitFailures(const Design& design, const SpurMatrix& matrix,
                                           const WorkingState& state, const LastSolve& solve,
                                           const PairLevels* levels, const LevelModel& model,
                                           const LevelInputs& in, ProductFamily wanted, std::string& why) {
    const auto filters = filtersFromDesign(design, why);
    if (!filters) return std::nullopt;
    const auto line = limitLineFromDesign(design, why);
    if (!line) return std::nullopt;
    // The markers play no part in a margin.
    std::vector<SpurTableRow> rows = spurTableRows(matrix, state, solve, levels, std::nullopt, wanted);
    const std::vector<ConverterStep> steps = applyConverterFilters(rows, *filters, model, in, wanted);
    applyLimitLine(rows, steps, *line, state.IFStart, state.IFStop);
    return LimitFailures(rows);
}

void markFailingStretches(std::vector<SpurCurve>& curves, const LimitFailures& failures,
                          const SpurMatrix& matrix) {
    for (SpurCurve& c : curves) {
        c.failing.clear();
        for (const StepStretch& s : failures.stretches(c.m, c.n, c.family))
            c.failing.push_back({matrix.RFFreq(s.first), matrix.RFFreq(s.last)});
    }
}

} // namespace kestrel
