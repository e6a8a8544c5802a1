#include "engine/SpurSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/NumberText.h"

namespace kestrel {

int lastSolvedStep(const WorkingState& state) {
    return std::clamp<int>(state.NumSteps, -1, kMaxStepIndex);
}

namespace {

// The step size and the RF of step s exactly as a solve stores them.
float stepSize(const SolveInput& in) {
    return in.numSteps < 1 ? 0.f : toSingle((in.rfStop - in.rfStart) / in.numSteps);
}

float rfAtStep(const SolveInput& in, float step, int s) {
    return toSingle(in.rfStart + s * static_cast<double>(step));
}

float trackingLO(const SolveInput& in, float rf) {
    const double offset = in.loOffset ? in.loOffset() : 0.0;
    return toSingle(rf + offset);
}

} // namespace

SolveOverflow findSolveOverflow(const SolveInput& in) {
    const float step = stepSize(in);
    if (!std::isfinite(step)) return SolveOverflow::Span;
    const int last = lastSolvedStep(WorkingState{.NumSteps = in.numSteps});
    for (int s = 0; s <= last; ++s) {
        const float rf = rfAtStep(in, step, s);
        if (!std::isfinite(rf)) return SolveOverflow::Span;
        if (in.trackingLO && !std::isfinite(trackingLO(in, rf))) return SolveOverflow::TrackingLO;
    }
    if (!std::isfinite(toSingle(double(in.ifStop) - double(in.ifStart))))
        return SolveOverflow::DisplayBand;
    return SolveOverflow::None;
}

void solveSpurStep(SpurMatrix& matrix, int s, float lo, int mMax, int nMax) {
    if (s < 0 || s > kMaxStepIndex) return;
    mMax = std::clamp(mMax, -1, kMaxOrder);
    nMax = std::clamp(nMax, -1, kMaxOrder);
    const float rf = matrix.RFFreq(s);
    // Products are formed in double and stored as single. Where none can
    // exceed the largest single a plain conversion is exact IEEE rounding;
    // otherwise the saturating one keeps the result defined.
    const auto fillStep = [&](auto store) {
        for (int m = 0; m <= mMax; ++m) {
            const double mLO = m * static_cast<double>(lo);
            for (int n = 0; n <= nMax; ++n) {
                const double nRF = n * static_cast<double>(rf);
                matrix.SumSpur(s, m, n) = store(nRF + mLO);
                matrix.DiffSpur(s, m, n) = store(std::fabs(nRF - mLO));
            }
        }
    };
    const double bound = nMax * std::fabs(static_cast<double>(rf)) +
                         mMax * std::fabs(static_cast<double>(lo));
    if (bound <= std::numeric_limits<float>::max())
        fillStep([](double v) { return static_cast<float>(v); });
    else
        fillStep([](double v) { return toSingle(v); });
}

void solveSpurMatrix(const SolveInput& in, WorkingState& state, SpurMatrix& matrix) {
    state.NumSteps = in.numSteps;
    state.RFStepSize = stepSize(in);
    state.LOFreq = in.loFreq;
    state.IFStart = in.ifStart;
    state.IFStop = in.ifStop;

    const int mMax = std::clamp(in.mMax, -1, kMaxOrder);
    const int nMax = std::clamp(in.nMax, -1, kMaxOrder);
    const int last = lastSolvedStep(state);
    for (int s = 0; s <= last; ++s) {
        const float rf = rfAtStep(in, state.RFStepSize, s);
        matrix.RFFreq(s) = rf;
        float lo = state.LOFreq;
        if (in.trackingLO) {
            lo = trackingLO(in, rf);
            matrix.TrackLOFreq(s) = lo;
        }
        solveSpurStep(matrix, s, lo, mMax, nMax);
    }
}

} // namespace kestrel
