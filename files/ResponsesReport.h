#pragma once
// The receiver responses of one step as text: the CSV table (the window's
// "Export CSV..." and kestrel-report write the same bytes) and the JSON
// object of kestrel-report. Numbers in the short number text of a single,
// as the spur table's CSV and the JSON report write them.

#include <string>
#include <string_view>
#include <vector>

#include "engine/ReceiverResponses.h"

namespace kestrel {

namespace csv {
// A header row naming each column (frequencies with their unit), then one
// record per response in the order given; CRLF line ends. An empty mixer
// and total where there is no level, an empty pass for the wanted response.
std::string responsesTable(const std::vector<ReceiverResponse>& responses, std::string_view freqUnit);
} // namespace csv

namespace json {
// {"format", "step", "rf", "lo", "required", "verdict", "responses": [...]},
// each response with name, m, n, branch, from, to, in_rf_band, mixer,
// preselector, total and pass (null where the table leaves a cell empty).
std::string responsesReport(const DesignResponses& responses);
} // namespace json

} // namespace kestrel
