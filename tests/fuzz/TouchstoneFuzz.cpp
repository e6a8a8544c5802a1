// Fuzz target for the Touchstone reader: any bytes in, never a crash; the
// result sound (FilterPointsCheck.h), and the same file read for a design in
// MHz gives the same points at a thousand times the frequency.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/FilterPointsCheck.h"

using namespace kestrel;
using fuzz::require;

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return filterdata::readFilterData({data, size}, "f.s2p", "GHz").points.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const filterdata::FilterDataRead read = filterdata::readTouchstone(text, "f.ts", "GHz");
    fuzz::requireSound(read);
    if (!read.points) return 0;
    const auto& points = *read.points;
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
