#include "engine/WantedProduct.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

namespace kestrel {

ProductFamily defaultWanted(float sum11, float difference11, float bandStart, float bandStop) {
    const float low = std::min(bandStart, bandStop);
    const float high = std::max(bandStart, bandStop);
    const auto inBand = [&](float f) { return low <= f && f <= high; };
    if (inBand(sum11) && !inBand(difference11)) return ProductFamily::Sum;
    return ProductFamily::Difference;
}

ProductFamily defaultWantedProduct(const SpurMatrix& matrix, const WorkingState& state,
                                   const LastSolve& solve) {
    const int last = lastSolvedStep(state);
    if (last < 0) return ProductFamily::Difference;
    const int middle = last / 2;
    const double rf = matrix.RFFreq(middle);
    const double lo = loAtStep(matrix, state, solve, middle);
    // As the solve stores them: worked out in double, kept in single.
    return defaultWanted(toSingle(lo + rf), toSingle(std::fabs(lo - rf)), state.IFStart,
                         state.IFStop);
}

} // namespace kestrel
