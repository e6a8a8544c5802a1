#pragma once
// The grid fill as the window's solve describes it, step by step and with no
// shortcut: the reference that the real fill is compared with.

#include "engine/GridFill.h"
#include "engine/NumberText.h"

namespace kestrel::reference {

inline GridCells literalFill(const SpurMatrix& mx, const GridFillInput& in,
                             const std::array<Ink, kFillSize * kFillSize>& before) {
    GridCells cells;
    cells.ink = before;
    const auto inBand = [&](float f) { return in.ifStart <= f && f <= in.ifStop; };
    for (int s = 0; s <= in.numSteps; ++s)
        for (int m = 0; m <= in.mMax; ++m)
            for (int n = 0; n <= in.nMax; ++n) {
                const int i = GridCells::index(m, n);
                const float sum = mx.SumSpur(s, m, n), diff = mx.DiffSpur(s, m, n);
                if (inBand(sum)) cells.text[i] = shortText(sum);
                if (!in.sumOnly && inBand(diff)) {
                    cells.text[i] = shortText(diff);
                    cells.ink[i] = kDiffInk;
                }
                if (inBand(sum)) cells.ink[i] = kSumInk;
                cells.text[i] = formatFixed2(cells.text[i]);
            }
    return cells;
}

} // namespace kestrel::reference
