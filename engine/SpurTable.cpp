#include "engine/SpurTable.h"

#include <algorithm>

#include "engine/SpurSolver.h"

namespace kestrel {

bool exportedProduct(int m, int n, ProductFamily family) {
    if (m == 0 && n == 0) return false;
    // LO or RF harmonics alone: the sum and the difference are one product.
    return family == ProductFamily::Sum || (m != 0 && n != 0);
}

std::vector<SpurTableRow> spurTableRows(const SpurMatrix& matrix, const WorkingState& state,
                                        const LastSolve& solve, const PairLevels* levels,
                                        std::optional<MarkerPair> markers, ProductFamily wanted) {
    const int last = lastSolvedStep(state);
    const int mMax = std::clamp(solve.mMax, -1, kMaxOrder);
    const int nMax = std::clamp(solve.nMax, -1, kMaxOrder);
    std::vector<SpurTableRow> rows;
    if (last < 0 || mMax < 0 || nMax < 0) return rows;
    rows.reserve(static_cast<std::size_t>(last + 1) * (mMax + 1) * (nMax + 1) * 2);
    for (int s = 0; s <= last; ++s) {
        const float rf = matrix.RFFreq(s);
        const float lo = loAtStep(matrix, state, solve, s);
        for (int m = 0; m <= mMax; ++m)
            for (int n = 0; n <= nMax; ++n)
                for (ProductFamily family : {ProductFamily::Sum, ProductFamily::Difference}) {
                    if (!exportedProduct(m, n, family)) continue;
                    SpurTableRow row;
                    row.step = s;
                    row.rf = rf;
                    row.lo = lo;
                    row.m = m;
                    row.n = n;
                    row.family = family;
                    row.frequency = productFrequency(matrix, s, m, n, family);
                    row.inBand = state.IFStart <= row.frequency && row.frequency <= state.IFStop;
                    if (markers) row.betweenMarkers = betweenMarkers(row.frequency, *markers);
                    row.level = productLevel(levels, m, n);
                    row.role = productRole(m, n, family, wanted);
                    rows.push_back(row);
                }
    }
    return rows;
}

} // namespace kestrel
