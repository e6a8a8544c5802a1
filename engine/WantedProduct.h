#pragma once
// Which 1x1 product a design wants when the user has not said so, and the
// role every product plays beside it: the one naming that the hover, the
// chart and the table export share.

#include <optional>
#include <string>

#include "engine/SpurProducts.h"

namespace kestrel {

// The 1x1 product that lies between the markers (either order, both edges
// included, compared in single precision as the grid compares its band).
// When both or neither lie there, or there are no markers, the display band
// decides the same way; failing that, the difference.
ProductFamily defaultWanted(float sum11, float difference11, std::optional<MarkerPair> markers,
                            float bandStart, float bandStop);

// defaultWanted of the 1x1 products at the middle step of the last solve
// (NumSteps / 2, rounded down), worked out from the step's RF and LO so
// that it holds at any solved orders. The difference when no step was solved.
ProductFamily defaultWantedProduct(const SpurMatrix& matrix, const WorkingState& state,
                                   const LastSolve& solve, std::optional<MarkerPair> markers);

enum class ProductRole { Wanted, Image, Spur };

// The wanted 1x1, the other 1x1 (its image), or any other product.
ProductRole productRole(int m, int n, ProductFamily family, ProductFamily wanted);

// "wanted output", "image", or the product's name ("7 LO + 4 RF").
std::string roleText(ProductRole role, int m, int n, ProductFamily family);

// Level in dBc as every planning view shows it: both 1x1 products at 0 dBc
// (the image is as strong as the wanted output, and neither level model has
// an entry for the pair), every other pair as the level table gives it.
std::optional<double> productLevel(const PairLevels* levels, int m, int n);

} // namespace kestrel
