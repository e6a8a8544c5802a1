#pragma once
// The limit line as the analyzer draws it: the lowest limit that applies
// over the display band, in dBc at one step, as level stretches.

#include <vector>

#include "engine/LimitLine.h"

namespace kestrel {

// One stretch of the mask: from < to, the limit in dBc all along it.
struct MaskStretch {
    double from = 0;
    double to = 0;
    double limitDbc = 0;
    bool operator==(const MaskStretch&) const = default;
};

// Left to right over the display band (either order of its edges), where
// some row applies; neighbouring stretches with the same limit are one.
// dBm rows are read against a wanted output at wantedDbm.
std::vector<MaskStretch> limitMask(const std::vector<LimitBand>& line, float bandStart, float bandStop,
                                   double wantedDbm);

} // namespace kestrel
