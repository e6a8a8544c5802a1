#include "engine/GridFill.h"

#include <algorithm>

#include "engine/NumberText.h"

namespace kestrel {
namespace {

// One step's pair of spurs into cell i: the difference wins the text, the sum
// the colour. False, and nothing written, when neither is in band.
bool writeCell(GridCells& cells, int i, float sum, float diff, const GridFillInput& in) {
    const auto inBand = [&](float f) { return in.ifStart <= f && f <= in.ifStop; };
    const bool sumIn = inBand(sum);
    const bool diffIn = !in.sumOnly && inBand(diff);
    if (!sumIn && !diffIn) return false;
    cells.text[i] = formatFixed2(shortText(diffIn ? diff : sum));
    cells.ink[i] = sumIn ? kSumInk : kDiffInk;
    return true;
}

} // namespace

GridCells fillSpurGrid(const SpurMatrix& matrix, const GridFillInput& in,
                       const std::array<Ink, kFillSize * kFillSize>& inkBefore) {
    GridCells cells;
    cells.ink = inkBefore;
    const int last = std::min(in.numSteps, kMaxStepIndex);
    const int mMax = std::min(in.mMax, kFillSize - 1);
    const int nMax = std::min(in.nMax, kFillSize - 1);

    for (int m = 0; m <= mMax; ++m) {
        for (int n = 0; n <= nMax; ++n) {
            // Only the last step with something in band decides what stays.
            for (int s = last; s >= 0; --s)
                if (writeCell(cells, GridCells::index(m, n), matrix.SumSpur(s, m, n),
                              matrix.DiffSpur(s, m, n), in))
                    break;
        }
    }
    return cells;
}

GridCells fillStepGrid(const SpurMatrix& matrix, int k, const GridFillInput& in,
                       GridCells before) {
    GridCells cells = std::move(before);
    if (k < 0 || k > kMaxStepIndex) return cells;
    const int mMax = std::min(in.mMax, kFillSize - 1);
    const int nMax = std::min(in.nMax, kFillSize - 1);
    for (int m = 0; m <= mMax; ++m) {
        for (int n = 0; n <= nMax; ++n) {
            const int i = GridCells::index(m, n);
            cells.text[i].clear(); // its colour stays until a spur writes one
            writeCell(cells, i, matrix.SumSpur(k, m, n), matrix.DiffSpur(k, m, n), in);
        }
    }
    return cells;
}

std::string loHeaderText(int m) { return std::to_string(m) + "xLO"; }
std::string rfHeaderText(int n) { return std::to_string(n) + "xRF"; }

} // namespace kestrel
