// Fuzz target for the measured filter response's CSV reader: any bytes in,
// never a crash; either points or a reason, and the points are what a
// filter may hold: 1 to 2,001, finite, frequencies rising from 0 up. Every
// list read writes back to text that reads to the same list.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/FilterData.h"

using namespace kestrel;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return filterdata::readFilterData({data, size}, "f.csv", "GHz").points.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const filterdata::FilterDataRead read = filterdata::readFilterCsv(text, "f.csv");
    require(read.points.has_value() == read.why.empty());
    if (!read.points) return 0;
    const auto& points = *read.points;
    require(!points.empty() && points.size() <= filterdata::kMaxPoints);
    std::string back = "Frequency;Loss\r\n";
    for (std::size_t i = 0; i < points.size(); ++i) {
        require(std::isfinite(points[i].frequency) && std::isfinite(points[i].loss) && points[i].frequency >= 0);
        if (i > 0) require(points[i].frequency > points[i - 1].frequency);
        char line[80];
        std::snprintf(line, sizeof line, "%.17g;\"%.17g\"\r\n", points[i].frequency, points[i].loss);
        back += line;
    }
    const filterdata::FilterDataRead again = filterdata::readFilterCsv(back, "f.csv");
    require(again.points && *again.points == points);
    return 0;
}
