#pragma once
// What the receiver responses window shows beside the table: the RF of every
// step a design solves (the steps to choose the LO from) and the
// preselector's rejection relative to the step's RF, as drawn over the
// input axis.

#include <vector>

#include "engine/Design.h"
#include "engine/Filter.h"

namespace kestrel {

// The RF of each solved step, in step order; empty when the design cannot
// be solved (responsesFromDesign then says why).
std::vector<double> solvedStepRFs(const Design& design);

// A(f) - A(rf) of the preselector at `points` evenly spaced inputs over
// [from, to] (from may be 0 or below: the curve then starts just above 0,
// where an input can be), so that it reads on the same scale as the
// responses' preselector rejection. Empty for a band wholly at or below 0.
std::vector<FilterPoint> preselectorRejection(const Filter& preselector, double rf, double from, double to,
                                              int points);

} // namespace kestrel
