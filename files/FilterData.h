#pragma once
// A filter's measured response read from a file: two columns of CSV
// (frequency in the design's unit, loss in dB) or a 2-port Touchstone file
// (version 1 or 2), whose S21 gives the loss. The points come out in the
// design's unit with rising frequencies, or a reason naming the file and
// the line that could not be read.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Filter.h"

namespace kestrel::filterdata {

// The most points one filter holds.
inline constexpr std::size_t kMaxPoints = 2001;

struct FilterDataRead {
    std::optional<std::vector<FilterPoint>> points; // 1..kMaxPoints, frequencies rising, all finite
    std::string why; // when refused: "Line 12 of x.s2p cannot be read: ..." or a reason for the whole file
};

// Hz per unit of a design's unit text ("GHz", "MHz" or "KHz"); nullopt for
// any other text.
std::optional<double> hertzPerUnit(std::string_view designUnit);

// Reads by the file name's ending, case-insensitive: ".csv" as CSV, ".s2p"
// and ".ts" as Touchstone; any other ending is refused.
FilterDataRead readFilterData(std::span<const std::uint8_t> bytes, std::string_view fileName,
                              std::string_view designUnit);

// Two columns, the frequency already in the design's unit and the loss in
// dB; an optional header line. Separators, decimal commas and quotes as the
// mixer spur table's import reads them. `fileName` only names the file in
// a reason.
FilterDataRead readFilterCsv(std::string_view text, std::string_view fileName);

// A 2-port Touchstone file; the loss is -20 log10 |S21|. `designUnit` as
// for hertzPerUnit. A zero |S21| (no transmission at all) is refused with
// its line: its loss would be infinite.
FilterDataRead readTouchstone(std::string_view text, std::string_view fileName, std::string_view designUnit);

} // namespace kestrel::filterdata
