#include "engine/SpurCurves.h"

#include <algorithm>
#include <cmath>

#include "engine/SpurSolver.h"

namespace kestrel {
namespace {

// The product before the absolute value: slope * rf + intercept.
struct Linear {
    double slope;
    double intercept;
};

Linear signedProduct(const CurveSweep& sweep, int m, int n, ProductFamily family) {
    const double lo = sweep.trackingLO ? sweep.offset : sweep.lo;
    // A tracking LO adds m RF to every product.
    const double loSlope = sweep.trackingLO ? m : 0;
    if (family == ProductFamily::Sum) return {loSlope + n, m * lo};
    return {loSlope - n, m * lo};
}

} // namespace

std::optional<CurveSweep> curveSweep(const SpurMatrix& matrix, const WorkingState& state,
                                     const LastSolve& solve) {
    const int last = lastSolvedStep(state);
    if (last < 0) return std::nullopt;
    CurveSweep sweep;
    sweep.rfFirst = matrix.RFFreq(0);
    sweep.rfLast = matrix.RFFreq(last);
    sweep.trackingLO = solve.trackingLO;
    sweep.lo = state.LOFreq;
    // The offset the solve added, as its first step stored it.
    if (solve.trackingLO)
        sweep.offset = static_cast<double>(matrix.TrackLOFreq(0)) - matrix.RFFreq(0);
    return sweep;
}

double productAt(const CurveSweep& sweep, int m, int n, ProductFamily family, double rf) {
    const Linear p = signedProduct(sweep, m, n, family);
    const double value = p.slope * rf + p.intercept;
    return family == ProductFamily::Sum ? value : std::fabs(value);
}

std::vector<CurvePoint> curvePoints(const CurveSweep& sweep, int m, int n, ProductFamily family) {
    const auto at = [&](double rf) { return CurvePoint{rf, productAt(sweep, m, n, family, rf)}; };
    if (sweep.rfFirst == sweep.rfLast) return {at(sweep.rfFirst)};
    std::vector<CurvePoint> points{at(sweep.rfFirst)};
    const Linear p = signedProduct(sweep, m, n, family);
    if (family == ProductFamily::Difference && p.slope != 0) {
        const double fold = -p.intercept / p.slope;
        const double low = std::min(sweep.rfFirst, sweep.rfLast);
        const double high = std::max(sweep.rfFirst, sweep.rfLast);
        if (fold > low && fold < high) points.push_back({fold, 0});
    }
    points.push_back(at(sweep.rfLast));
    return points;
}

OutputRange productRange(const CurveSweep& sweep, int m, int n, ProductFamily family) {
    const Linear p = signedProduct(sweep, m, n, family);
    const double first = p.slope * sweep.rfFirst + p.intercept;
    const double last = p.slope * sweep.rfLast + p.intercept;
    const OutputRange signedRange{std::min(first, last), std::max(first, last)};
    if (family == ProductFamily::Sum) return signedRange;
    // The difference folds at zero where the signed product changes sign.
    if (signedRange.low <= 0 && signedRange.high >= 0) return {0, std::max(-signedRange.low, signedRange.high)};
    return {std::min(std::fabs(first), std::fabs(last)), std::max(std::fabs(first), std::fabs(last))};
}

int nearestStep(const SpurMatrix& matrix, const WorkingState& state, double rf) {
    int best = -1;
    double bestDistance = INFINITY;
    for (int s = 0; s <= lastSolvedStep(state); ++s) {
        const double d = std::fabs(matrix.RFFreq(s) - rf);
        if (d < bestDistance) {
            best = s;
            bestDistance = d;
        }
    }
    return best;
}

std::vector<SpurCurve> spurCurves(const SpurMatrix& matrix, const WorkingState& state,
                                  const LastSolve& solve, const PairLevels* levels,
                                  ProductFamily wanted) {
    std::vector<SpurCurve> curves;
    const std::optional<CurveSweep> sweep = curveSweep(matrix, state, solve);
    if (!sweep) return curves;
    const int mMax = std::min(solve.mMax, kMaxOrder);
    const int nMax = std::min(solve.nMax, kMaxOrder);
    for (int m = 0; m <= mMax; ++m)
        for (int n = 0; n <= nMax; ++n) {
            if (m == 0 && n == 0) continue;
            for (ProductFamily family : {ProductFamily::Sum, ProductFamily::Difference}) {
                if (family == ProductFamily::Difference && (m == 0 || n == 0)) continue;
                const ProductRole role = productRole(m, n, family, wanted);
                SpurCurve c{m, n, family, curvePoints(*sweep, m, n, family),
                            productLevel(levels, m, n), role == ProductRole::Wanted, role, {}};
                curves.push_back(std::move(c));
            }
        }
    return curves;
}

} // namespace kestrel
