#include "engine/SpurSolver.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

int lastSolvedStep(const WorkingState& state) {
    return std::clamp<int>(state.NumSteps, -1, kMaxStepIndex);
}

void solveSpurMatrix(const SolveInput& in, WorkingState& state, SpurMatrix& matrix) {
    state.NumSteps = in.numSteps;
    if (state.NumSteps != 0)
        state.RFStepSize = static_cast<float>((in.rfStop - in.rfStart) / state.NumSteps);
    if (state.NumSteps < 1) state.RFStepSize = 0;
    state.LOFreq = in.loFreq;
    state.IFStart = in.ifStart;
    state.IFStop = in.ifStop;

    const int mMax = std::clamp(in.mMax, -1, kMaxOrder);
    const int nMax = std::clamp(in.nMax, -1, kMaxOrder);
    const int last = lastSolvedStep(state);
    for (int s = 0; s <= last; ++s) {
        const float rf = static_cast<float>(in.rfStart + s * static_cast<double>(state.RFStepSize));
        matrix.RFFreq(s) = rf;
        float lo = state.LOFreq;
        if (in.trackingLO) {
            const double offset = in.loOffset ? in.loOffset() : 0.0;
            lo = static_cast<float>(rf + offset);
            matrix.TrackLOFreq(s) = lo;
        }
        // Products are formed in double and stored as single.
        for (int m = 0; m <= mMax; ++m) {
            const double mLO = m * static_cast<double>(lo);
            for (int n = 0; n <= nMax; ++n) {
                const double nRF = n * static_cast<double>(rf);
                matrix.SumSpur(s, m, n) = static_cast<float>(nRF + mLO);
                matrix.DiffSpur(s, m, n) = static_cast<float>(std::fabs(nRF - mLO));
            }
        }
    }
}

} // namespace kestrel
