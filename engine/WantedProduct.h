#pragma once
// Which 1x1 product a design wants when the user has not said so.

#include "engine/SpurProducts.h"

namespace kestrel {

// The 1x1 product that lies in the display band (its edges in either order,
// both included); the difference when both or neither lie there.
ProductFamily defaultWanted(float sum11, float difference11, float bandStart, float bandStop);

// defaultWanted of the 1x1 products at the middle step of the last solve
// (NumSteps / 2, rounded down), worked out from the step's RF and LO so
// that it holds at any solved orders. The difference when no step was solved.
ProductFamily defaultWantedProduct(const SpurMatrix& matrix, const WorkingState& state,
                                   const LastSolve& solve);

} // namespace kestrel
