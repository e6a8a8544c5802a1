// Fuzz target for the measured filter response's CSV reader: any bytes in,
// never a crash; the result sound (FilterPointsCheck.h), and every list read
// writes back to text that reads to the same list.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "tests/fuzz/FilterPointsCheck.h"

using namespace kestrel;
using fuzz::require;

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return filterdata::readFilterData({data, size}, "f.csv", "GHz").points.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const filterdata::FilterDataRead read = filterdata::readFilterCsv(text, "f.csv");
    fuzz::requireSound(read);
    if (!read.points) return 0;
    std::string back = "Frequency;Loss\r\n";
    for (const FilterPoint& p : *read.points) {
        char line[80];
        std::snprintf(line, sizeof line, "%.17g;\"%.17g\"\r\n", p.frequency, p.loss);
        back += line;
    }
    const filterdata::FilterDataRead again = filterdata::readFilterCsv(back, "f.csv");
    require(again.points && *again.points == *read.points);
    return 0;
}
