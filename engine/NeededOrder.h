#pragma once
// How much more IF filtering a design needs to meet its limit line: the
// extra rejection each failing product needs, and the smallest IF filter
// order that makes every product pass at every step.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/ConverterLevels.h"
#include "engine/LimitLine.h"
#include "engine/SpurProducts.h"

namespace kestrel {

inline constexpr int kMaxFilterOrder = 15;

struct NeededRejection {
    std::size_t row = 0;           // index into the rows
    std::optional<double> extraDb; // -margin; none for a product without a level
};

// One entry per failing row, in row order.
std::vector<NeededRejection> neededRejections(const std::vector<SpurTableRow>& rows);

struct NeededOrder {
    std::optional<int> order; // none: no order up to 15 is enough
    // The IF filter is None or measured: the search used a Butterworth
    // band-pass with its edges at the markers (none without markers).
    bool substitute = false;
    Filter searched; // the filter of the answer (or of order 15)
};

// The smallest order N <= 15 of the IF filter (same shape, response and
// edges) that makes every product pass at every step, with A_IF(f_w) of
// that order too. `rows` and `steps` as applyConverterFilters and
// applyLimitLine left them.
NeededOrder neededIfOrder(const std::vector<SpurTableRow>& rows, const std::vector<ConverterStep>& steps,
                          const ConverterFilters& filters, const std::vector<LimitBand>& line,
                          std::optional<MarkerPair> markers, float bandStart, float bandStop);

// "Order 7 is enough", "No order up to 15 is enough", with ", searched
// with a Butterworth band-pass between the markers" for a substitute.
std::string neededOrderText(const NeededOrder& needed);

} // namespace kestrel
