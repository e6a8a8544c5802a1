#pragma once
// What every measured response a reader hands out must be, for the fuzz
// targets of both readers: a reason or points, never both; 1 to 2,001
// points, finite, frequencies rising from 0 up. Aborts otherwise.
#include <cmath>
#include <cstdlib>

#include "files/FilterData.h"

namespace kestrel::fuzz {

inline void require(bool condition) {
    if (!condition) std::abort();
}

inline void requireSound(const filterdata::FilterDataRead& read) {
    require(read.points.has_value() == read.why.empty());
    if (!read.points) return;
    const auto& points = *read.points;
    require(!points.empty() && points.size() <= filterdata::kMaxPoints);
    for (std::size_t i = 0; i < points.size(); ++i) {
        require(std::isfinite(points[i].frequency) && std::isfinite(points[i].loss) && points[i].frequency >= 0);
        if (i > 0) require(points[i].frequency > points[i - 1].frequency);
    }
}

} // namespace kestrel::fuzz
