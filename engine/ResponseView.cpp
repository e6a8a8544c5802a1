#include "engine/ResponseView.h"

#include <memory>

#include "engine/DesignSolve.h"
#include "engine/ReceiverResponses.h"
#include "engine/SpurMatrix.h"
#include "engine/SpurSolver.h"

namespace kestrel {

std::vector<double> solvedStepRFs(const Design& design) {
    const SolvableDesign solvable = solvableDesign(design);
    if (!solvable.input) return {};
    auto matrix = std::make_unique<SpurMatrix>(); // far too large for the stack
    WorkingState state;
    solveSpurMatrix(*solvable.input, state, *matrix);
    std::vector<double> rfs;
    for (int step = 0; step <= lastSolvedStep(state); ++step) rfs.push_back(matrix->RFFreq(step));
    return rfs;
}

std::vector<FilterPoint> preselectorRejection(const Filter& preselector, double rf, double from, double to,
                                              int points) {
    if (!(to > 0) || points < 2) return {};
    // An input at 0 Hz is no input: start a thousandth of the span above it.
    if (!(from > 0)) from = to * 1e-3;
    std::vector<FilterPoint> curve = attenuationCurve(preselector, from, to, points);
    const double reference = preselector.attenuation(rf).db;
    for (FilterPoint& p : curve) p.loss -= reference;
    return curve;
}

} // namespace kestrel
