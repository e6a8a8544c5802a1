#pragma once
// The design values whose names carry an index: a filter block's measured
// points ("RFFilterData(0)", "RFFilterData(1)", ... each one record of
// "f,loss;f,loss;..." in the shortest exact number text) and its data file's
// name ("RFFilterDataName"), and the limit line's rows ("gridLimits(0)" =
// "from,to,limit,unit", an empty from or to allowed).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Design.h"
#include "files/DesignExtension.h"

namespace kestrel::designfile {

// The most limit rows a design holds.
inline constexpr std::size_t kMaxLimitRows = 100;

// The values in file order, each only where it differs from the start-up
// design's, so that a design without filters or limit rows stores nothing.
// An empty limit line is stored as "gridLimits(0)=".
std::vector<NamedValue> converterValues(const Design& design);

// Every one of those names with its value, for listing: the data names
// always, the points' records and the limit rows as there are.
std::vector<NamedValue> converterKeys(const Design& design);

// Whether the name is one of those (any index).
bool isConverterName(std::string_view name);

// Sets one value: record k of the points or row k of the limit line is
// replaced, k equal to their count appends, a gap is refused; an empty
// row value removes that row. Returns why it was refused, naming the field
// by its caption, or nullopt when set.
std::optional<std::string> setConverterValue(Design& design, std::string_view name, std::string_view value);

// A load applies the points' records in file order, each appended (a
// record out of order is refused); everything else as setConverterValue.
// The design's filters and limit line start from the start-up design's.
struct ConverterLoad {
    std::size_t next[3] = {0, 0, 0}; // the next record of each block
};
std::optional<std::string> loadConverterValue(Design& design, std::string_view name, std::string_view value,
                                              ConverterLoad& load);

// "f,loss;f,loss" of the points, in records that fit beside their names.
std::vector<std::string> pointRecords(const std::vector<FilterPoint>& points, std::string_view prefix);

} // namespace kestrel::designfile
