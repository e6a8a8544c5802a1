#pragma once
// Fills the spur matrix for every RF step of a design.

#include <cstdint>
#include <functional>

#include "engine/SpurMatrix.h"

namespace kestrel {

struct SolveInput {
    double rfStart = 0;
    double rfStop = 0;
    std::int16_t numSteps = 0;
    float loFreq = 0;
    float ifStart = 0;
    float ifStop = 0;
    bool trackingLO = false;
    // The LO offset of a tracking LO, asked for anew at every step (the window
    // reads its field each time).
    std::function<double()> loOffset;
    int mMax = 0; // highest LO harmonic
    int nMax = 0; // highest RF harmonic
};

// Writes NumSteps, RFStepSize, LOFreq, IFStart and IFStop into the state and
// steps 0..NumSteps, orders 0..mMax x 0..nMax into the matrix. Steps and
// orders beyond the matrix capacity are not computed.
void solveSpurMatrix(const SolveInput& in, WorkingState& state, SpurMatrix& matrix);

// Which part of a design would leave the single range in a solve: the
// span (the step size or an RF step), a tracking LO frequency or the width of
// the display band. A solve of a design that fits stores only finite
// frequencies and step sizes, and its display band maps to finite x.
enum class SolveOverflow { None, Span, TrackingLO, DisplayBand };
SolveOverflow findSolveOverflow(const SolveInput& in);
// Works out step s again from its stored RFFreq(s) and the LO frequency lo,
// for orders 0..mMax x 0..nMax, with the arithmetic of the solve.
void solveSpurStep(SpurMatrix& matrix, int s, float lo, int mMax, int nMax);

// Last step index that a solve with this state covers (-1 when none).
int lastSolvedStep(const WorkingState& state);

} // namespace kestrel
