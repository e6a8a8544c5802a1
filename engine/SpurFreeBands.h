#pragma once
// Where in the display band the output stays clean over the whole RF sweep.

#include <optional>
#include <vector>

#include "engine/SpurProducts.h"

namespace kestrel {

class LimitFailures;

struct SpurFreeQuery {
    ProductFamily wanted = ProductFamily::Difference; // the 1x1 product the design wants
    double thresholdDbc = -60; // products at or above this level count
    std::optional<int> maxTotalOrder; // counts only products with m + n up to this
    // Set: a product counts over the stretches where it fails the limit line
    // (LimitFailures::stretches), in place of the threshold.
    const LimitFailures* limits = nullptr;
};

// The interval of the output axis that a product sweeps between the first
// and the last solved step.
struct ProductSpan {
    float low = 0;
    float high = 0;
};

// A product that bounds a band.
struct EdgeProduct {
    int m = 0;
    int n = 0;
    ProductFamily family = ProductFamily::Sum;
    std::optional<double> level; // dBc; none when it has no estimate
};

struct SpurFreeBand {
    float start = 0;
    float stop = 0;
    double width = 0;
    std::optional<EdgeProduct> below; // strongest product ending at start
    std::optional<EdgeProduct> above; // strongest product beginning at stop
};

// Every product is linear in RF over a sweep (the tracking LO too), so it
// occupies the interval between its values at the first and the last step; a
// difference product whose sign changes in between folds at zero and reaches
// down to 0. Needs at least one solved step.
ProductSpan productSpan(const SpurMatrix& matrix, const WorkingState& state,
                        const LastSolve& solve, int m, int n, ProductFamily family);

// Maximal sub-intervals of the display band (its edges in either order) that
// no counted product's span touches, widest first. Counted: every pair up to
// the solved orders, both families, except the (0, 0) term, which is no
// product at all, and the wanted product; a pair counts when its level (as
// productLevel gives it: the image at 0 dBc) is at or above the threshold or
// when it has no level; with the query's limits, the spans of its failing
// stretches count instead, whatever its level. Bands of zero width are not
// reported; nothing is reported when no step was solved.
std::vector<SpurFreeBand> findSpurFreeBands(const SpurMatrix& matrix, const WorkingState& state,
                                            const LastSolve& solve, const PairLevels* levels,
                                            const SpurFreeQuery& query);

} // namespace kestrel
