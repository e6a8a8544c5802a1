#include "engine/SpurFreeBands.h"

#include <algorithm>
#include <cmath>

#include "engine/LimitFailures.h"
#include "engine/SpurSolver.h"
#include "engine/WantedProduct.h"

namespace kestrel {
namespace {

struct Counted {
    ProductSpan span;
    EdgeProduct product;
};

// Stronger first: a product without an estimate is not assumed to be weak.
bool stronger(const EdgeProduct& a, const EdgeProduct& b) {
    if (a.level.has_value() != b.level.has_value()) return !a.level.has_value();
    if (a.level && *a.level != *b.level) return *a.level > *b.level;
    if (a.family != b.family) return a.family == ProductFamily::Sum;
    if (a.m != b.m) return a.m < b.m;
    return a.n < b.n;
}

bool counts(const SpurFreeQuery& query, int m, int n, ProductFamily family,
            const std::optional<double>& level) {
    if (m == 0 && n == 0) return false;
    if (m == 1 && n == 1 && family == query.wanted) return false;
    if (query.maxTotalOrder && m + n > *query.maxTotalOrder) return false;
    return query.limits || !level || *level >= query.thresholdDbc;
}

// The interval the product sweeps between two solved steps.
ProductSpan spanBetween(const SpurMatrix& matrix, const WorkingState& state, const LastSolve& solve, int m,
                        int n, ProductFamily family, int from, int to) {
    const float first = productFrequency(matrix, from, m, n, family);
    const float final = productFrequency(matrix, to, m, n, family);
    ProductSpan span{std::min(first, final), std::max(first, final)};
    if (family == ProductFamily::Difference) {
        const auto signedAt = [&](int s) {
            return m * static_cast<double>(loAtStep(matrix, state, solve, s)) -
                   n * static_cast<double>(matrix.RFFreq(s));
        };
        if ((signedAt(from) < 0 && signedAt(to) > 0) || (signedAt(from) > 0 && signedAt(to) < 0))
            span.low = 0;
    }
    return span;
}

} // namespace

ProductSpan productSpan(const SpurMatrix& matrix, const WorkingState& state,
                        const LastSolve& solve, int m, int n, ProductFamily family) {
    return spanBetween(matrix, state, solve, m, n, family, 0, lastSolvedStep(state));
}

std::vector<SpurFreeBand> findSpurFreeBands(const SpurMatrix& matrix, const WorkingState& state,
                                            const LastSolve& solve, const PairLevels* levels,
                                            const SpurFreeQuery& query) {
    std::vector<SpurFreeBand> bands;
    if (lastSolvedStep(state) < 0) return bands;
    const float bandLow = std::min(state.IFStart, state.IFStop);
    const float bandHigh = std::max(state.IFStart, state.IFStop);

    std::vector<Counted> counted;
    const int mMax = std::clamp(solve.mMax, -1, kMaxOrder);
    const int nMax = std::clamp(solve.nMax, -1, kMaxOrder);
    for (int m = 0; m <= mMax; ++m)
        for (int n = 0; n <= nMax; ++n)
            for (ProductFamily family : {ProductFamily::Sum, ProductFamily::Difference}) {
                const std::optional<double> level = productLevel(levels, m, n);
                if (!counts(query, m, n, family, level)) continue;
                const auto add = [&](const ProductSpan& span) {
                    if (span.high < bandLow || span.low > bandHigh) return;
                    counted.push_back({span, {m, n, family, level}});
                };
                if (!query.limits) {
                    add(productSpan(matrix, state, solve, m, n, family));
                    continue;
                }
                for (const StepStretch& s : query.limits->stretches(m, n, family))
                    add(spanBetween(matrix, state, solve, m, n, family, s.first, s.last));
            }
    // By start, the strongest first among products starting together, so the
    // first one met at a band's upper edge is the one to name.
    std::sort(counted.begin(), counted.end(), [](const Counted& a, const Counted& b) {
        if (a.span.low != b.span.low) return a.span.low < b.span.low;
        return stronger(a.product, b.product);
    });

    // Walk up the band: `cursor` is the highest point covered so far and
    // `below` the strongest product ending exactly there.
    float cursor = bandLow;
    std::optional<EdgeProduct> below;
    const auto addBand = [&](float stop, std::optional<EdgeProduct> above) {
        const double width = static_cast<double>(stop) - cursor;
        if (width > 0) bands.push_back({cursor, stop, width, below, above});
    };
    for (const Counted& c : counted) {
        if (c.span.low > cursor) addBand(c.span.low, c.product);
        if (c.span.high > cursor || (c.span.high == cursor && !below)) {
            cursor = c.span.high;
            below = c.product;
        } else if (c.span.high == cursor && stronger(c.product, *below)) {
            below = c.product;
        }
    }
    if (cursor < bandHigh) addBand(bandHigh, std::nullopt);

    std::stable_sort(bands.begin(), bands.end(),
                     [](const SpurFreeBand& a, const SpurFreeBand& b) { return a.width > b.width; });
    return bands;
}

} // namespace kestrel
