// Fuzz target for the Touchstone reader: any bytes in, never a crash;
// either points or a reason, and the points are what a filter may hold: 1
// to 2,001, finite, frequencies rising from 0 up. The same file read for a
// design in MHz gives the same points a thousand times higher.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/FilterData.h"

using namespace kestrel;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return filterdata::readFilterData({data, size}, "f.s2p", "GHz").points.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const filterdata::FilterDataRead read = filterdata::readTouchstone(text, "f.ts", "GHz");
    require(read.points.has_value() == read.why.empty());
    if (!read.points) return 0;
    const auto& points = *read.points;
    require(!points.empty() && points.size() <= filterdata::kMaxPoints);
    for (std::size_t i = 0; i < points.size(); ++i) {
        require(std::isfinite(points[i].frequency) && std::isfinite(points[i].loss) && points[i].frequency >= 0);
        if (i > 0) require(points[i].frequency > points[i - 1].frequency);
    }
    const filterdata::FilterDataRead mhz = filterdata::readTouchstone(text, "f.ts", "MHz");
    if (!mhz.points) {
        // Only a frequency beyond a double in the smaller unit may fail there.
        require(mhz.why.find("out of range") != std::string_view::npos);
        return 0;
    }
    require(mhz.points->size() == points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        require(mhz.points->at(i).loss == points[i].loss);
        const double scaled = points[i].frequency * 1e3;
        require(std::fabs(mhz.points->at(i).frequency - scaled) <= 1e-12 * std::fabs(scaled) + 1e-300);
    }
    return 0;
}
