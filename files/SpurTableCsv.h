#pragma once
// The spur table as comma-separated text: CRLF line ends, fields quoted only
// where they must be, "." as decimal separator, UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "engine/SpurTable.h"

namespace kestrel::csv {

// One record with its CRLF; a field holding a comma, a quote or a line break
// is quoted, its quotes doubled.
std::string record(const std::vector<std::string>& fields);

// Header row naming each column with its unit, then one record per row.
// Numbers in the short number text.
std::string spurTable(const std::vector<SpurTableRow>& rows, std::string_view freqUnit);

} // namespace kestrel::csv
