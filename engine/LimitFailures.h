#pragma once
// Where each product of a solve fails the limit line, step by step, and the
// stretches of the RF sweep over which it counts as failing: the spur chart
// draws them red and the band finder counts them in place of the threshold.

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/Design.h"
#include "engine/LevelModel.h"
#include "engine/SpurCurves.h"
#include "engine/SpurTable.h"

namespace kestrel {

// Solved steps, both included.
struct StepStretch {
    int first = 0;
    int last = 0;
    bool operator==(const StepStretch&) const = default;
};

class LimitFailures {
public:
    // rows: step by step, their limits and margins set (applyLimitLine).
    explicit LimitFailures(const std::vector<SpurTableRow>& rows);

    int steps() const { return steps_; }
    // A harmonic of LO or RF alone is one product whichever family names it.
    bool fails(int m, int n, ProductFamily family, int step) const;
    // Levels are known at the steps only, so the stretch between two steps
    // fails when the product fails at either of them (no failure is missed
    // between steps); neighbouring failing stretches merge. With one solved
    // step, that step when it fails.
    std::vector<StepStretch> stretches(int m, int n, ProductFamily family) const;

private:
    const std::vector<char>* stepsOf(int m, int n, ProductFamily family) const;

    int steps_ = 0;
    std::map<std::tuple<int, int, bool>, std::vector<char>> failing_; // (m, n, sum) -> per step
};

// The design's filters and limit line applied to a solve's products, the
// levels from `model` at `in`; nullopt with `why` when a filter or a limit
// row cannot be used (naming its caption).
std::optional<LimitFailures> limitFailures(const Design& design, const SpurMatrix& matrix,
                                           const WorkingState& state, const LastSolve& solve,
                                           const PairLevels* levels, const LevelModel& model,
                                           const LevelInputs& in, ProductFamily wanted, std::string& why);

// Each curve's failing stretches as RF intervals (the RF of their first and
// last step); curves without a failure get none.
void markFailingStretches(std::vector<SpurCurve>& curves, const LimitFailures& failures,
                          const SpurMatrix& matrix);

} // namespace kestrel
