#include "engine/LimitMask.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

std::vector<MaskStretch> limitMask(const std::vector<LimitBand>& line, float bandStart, float bandStop,
                                   double wantedDbm) {
    const double lo = std::min(bandStart, bandStop), hi = std::max(bandStart, bandStop);
    std::vector<MaskStretch> mask;
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return mask;
    // The limit can only change where a row starts or ends.
    std::vector<double> edges{lo, hi};
    for (const LimitBand& row : line)
        for (const std::optional<double>& e : {row.from, row.to})
            if (e && *e > lo && *e < hi) edges.push_back(*e);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const double a = edges[i], b = edges[i + 1];
        const std::optional<double> limit =
            limitDbc(limitsAt((a + b) / 2, line, bandStart, bandStop), wantedDbm);
        if (!limit) continue;
        if (!mask.empty() && mask.back().to == a && mask.back().limitDbc == *limit) mask.back().to = b;
        else mask.push_back({a, b, *limit});
    }
    return mask;
}

} // namespace kestrel
