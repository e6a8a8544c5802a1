#include "engine/GridFill.h"

#include <algorithm>

#include "engine/NumberText.h"

namespace kestrel {

GridCells fillSpurGrid(const SpurMatrix& matrix, const GridFillInput& in,
                       const std::array<Ink, kFillSize * kFillSize>& inkBefore) {
    GridCells cells;
    cells.ink = inkBefore;
    const auto inBand = [&](float f) { return in.ifStart <= f && f <= in.ifStop; };
    const int last = std::min(in.numSteps, kMaxStepIndex);
    const int mMax = std::min(in.mMax, kFillSize - 1);
    const int nMax = std::min(in.nMax, kFillSize - 1);

    for (int m = 0; m <= mMax; ++m) {
        for (int n = 0; n <= nMax; ++n) {
            // Only the last step with something in band decides what stays.
            for (int s = last; s >= 0; --s) {
                const float sum = matrix.SumSpur(s, m, n);
                const float diff = matrix.DiffSpur(s, m, n);
                const bool sumIn = inBand(sum);
                const bool diffIn = !in.sumOnly && inBand(diff);
                if (!sumIn && !diffIn) continue;
                const int i = GridCells::index(m, n);
                cells.text[i] = formatFixed2(shortText(diffIn ? diff : sum));
                cells.ink[i] = sumIn ? kSumInk : kDiffInk;
                break;
            }
        }
    }
    return cells;
}

std::string loHeaderText(int m) { return std::to_string(m) + "xLO"; }
std::string rfHeaderText(int n) { return std::to_string(n) + "xRF"; }

} // namespace kestrel
