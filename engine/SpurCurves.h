#pragma once
// Every product of the last solve as its exact curve over the RF sweep, for
// the spur chart and the planning windows. Each product is linear in RF (a
// tracking LO moves with RF), so a curve is a short polyline: the two ends
// of the range and, for a difference, the fold at zero in between.

#include <optional>
#include <utility>
#include <vector>

#include "engine/SpurProducts.h"
#include "engine/WantedProduct.h"

namespace kestrel {

struct CurvePoint {
    double rf = 0;  // RF input
    double out = 0; // output frequency
};

// The range and LO of the last solve, in double from the stored singles.
struct CurveSweep {
    double rfFirst = 0; // RFFreq(0)
    double rfLast = 0;  // RFFreq(NumSteps)
    bool trackingLO = false;
    double lo = 0;     // the fixed LO
    double offset = 0; // a tracking LO is RF + offset
};

// nullopt when the last solve covered no step.
std::optional<CurveSweep> curveSweep(const SpurMatrix& matrix, const WorkingState& state,
                                     const LastSolve& solve);

// The product at one RF: m LO + n RF, or |m LO - n RF|.
double productAt(const CurveSweep& sweep, int m, int n, ProductFamily family, double rf);

// Range start, the fold when it lies strictly inside, range end; one vertex
// when the range is one point.
std::vector<CurvePoint> curvePoints(const CurveSweep& sweep, int m, int n, ProductFamily family);

// The lowest and highest output frequency of a product's curve over the
// sweep: the extremes of its vertices, computed without building them.
struct OutputRange {
    double low = 0;
    double high = 0;
};
OutputRange productRange(const CurveSweep& sweep, int m, int n, ProductFamily family);

// The solved step whose RF lies nearest to rf (the lower one of two equally
// near); -1 when no step was solved.
int nearestStep(const SpurMatrix& matrix, const WorkingState& state, double rf);

struct SpurCurve {
    int m = 0;
    int n = 0;
    ProductFamily family = ProductFamily::Sum;
    std::vector<CurvePoint> points;
    std::optional<double> level; // dBc; 0 for both 1x1 products, none without an estimate
    bool wanted = false;
    ProductRole role = ProductRole::Spur;
    // RF intervals over which the product fails the limit line, rising.
    std::vector<std::pair<double, double>> failing;
};

// Every pair up to the solved orders except (0, 0): the sum, and the
// difference where both orders are above 0 (with one of them 0 the two are
// the same frequency). By m, then n, the sum before the difference. Empty
// when no step was solved.
std::vector<SpurCurve> spurCurves(const SpurMatrix& matrix, const WorkingState& state,
                                  const LastSolve& solve, const PairLevels* levels,
                                  ProductFamily wanted);

} // namespace kestrel
