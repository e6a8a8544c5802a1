#pragma once
// The start-up design as solve input, for tests and benchmarks.

#include "engine/SpurSolver.h"

namespace kestrel::reference {

// LO 24, RF 12.5 to 16.5 in 10 steps, IF 30 to 50, LO x8, RF x8, fixed LO.
inline SolveInput initialDesign() {
    SolveInput in;
    in.rfStart = 12.5;
    in.rfStop = 16.5;
    in.numSteps = 10;
    in.loFreq = 24;
    in.ifStart = 30;
    in.ifStop = 50;
    in.mMax = 8;
    in.nMax = 8;
    return in;
}

} // namespace kestrel::reference
