#include "engine/SpurSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/NumberText.h"

namespace kestrel {

int lastSolvedStep(const WorkingState& state) {
    return std::clamp<int>(state.NumSteps, -1, kMaxStepIndex);
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
    if (state.NumSteps != 0)
        state.RFStepSize = toSingle((in.rfStop - in.rfStart) / state.NumSteps);
    if (state.NumSteps < 1) state.RFStepSize = 0;
    state.LOFreq = in.loFreq;
    state.IFStart = in.ifStart;
    state.IFStop = in.ifStop;

    const int mMax = std::clamp(in.mMax, -1, kMaxOrder);
    const int nMax = std::clamp(in.nMax, -1, kMaxOrder);
    const int last = lastSolvedStep(state);
    for (int s = 0; s <= last; ++s) {
        const float rf = toSingle(in.rfStart + s * static_cast<double>(state.RFStepSize));
        matrix.RFFreq(s) = rf;
        float lo = state.LOFreq;
        if (in.trackingLO) {
            const double offset = in.loOffset ? in.loOffset() : 0.0;
            lo = toSingle(rf + offset);
            matrix.TrackLOFreq(s) = lo;
        }
        solveSpurStep(matrix, s, lo, mMax, nMax);
    }
}

} // namespace kestrel
