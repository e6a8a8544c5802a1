#include "engine/WantedProduct.h"

#include <cmath>

#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

namespace kestrel {
namespace {

// The one of the two that lies in low..high alone; none when both or neither.
std::optional<ProductFamily> onlyOneWithin(float sum11, float difference11, float edge1,
                                           float edge2) {
    const MarkerPair edges{edge1, edge2};
    const bool sumIn = betweenMarkers(sum11, edges);
    const bool differenceIn = betweenMarkers(difference11, edges);
    if (sumIn == differenceIn) return std::nullopt;
    return sumIn ? ProductFamily::Sum : ProductFamily::Difference;
}

} // namespace

ProductFamily defaultWanted(float sum11, float difference11, std::optional<MarkerPair> markers,
                            float bandStart, float bandStop) {
    if (markers)
        if (const auto family =
                onlyOneWithin(sum11, difference11, markers->marker1, markers->marker2))
            return *family;
    return onlyOneWithin(sum11, difference11, bandStart, bandStop)
        .value_or(ProductFamily::Difference);
}

ProductFamily defaultWantedProduct(const SpurMatrix& matrix, const WorkingState& state,
                                   const LastSolve& solve, std::optional<MarkerPair> markers) {
    const int last = lastSolvedStep(state);
    if (last < 0) return ProductFamily::Difference;
    const int middle = last / 2;
    const double rf = matrix.RFFreq(middle);
    const double lo = loAtStep(matrix, state, solve, middle);
    // As the solve stores them: worked out in double, kept in single.
    return defaultWanted(toSingle(lo + rf), toSingle(std::fabs(lo - rf)), markers, state.IFStart,
                         state.IFStop);
}

ProductRole productRole(int m, int n, ProductFamily family, ProductFamily wanted) {
    if (m != 1 || n != 1) return ProductRole::Spur;
    return family == wanted ? ProductRole::Wanted : ProductRole::Image;
}

std::string roleText(ProductRole role, int m, int n, ProductFamily family) {
    switch (role) {
    case ProductRole::Wanted:
        return "wanted output";
    case ProductRole::Image:
        return "image";
    case ProductRole::Spur:
        break;
    }
    return productName(m, n, family);
}

std::optional<double> productLevel(const PairLevels* levels, int m, int n) {
    if (m == 1 && n == 1) return 0.0;
    return pairLevel(levels, m, n);
}

} // namespace kestrel
