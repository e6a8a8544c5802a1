#pragma once
// What the measured-data readers share: the reasons they give and the
// checks every point list passes before it is handed out.

#include <string>
#include <string_view>
#include <vector>

#include "files/FilterData.h"

namespace kestrel::filterdata::detail {

// "Line 12 of x.s2p cannot be read: <why>."
std::string lineReason(int line, std::string_view fileName, std::string_view why);

// A refusal with that reason.
FilterDataRead refusedAt(int line, std::string_view fileName, std::string_view why);

// The points as read, or a refusal for none or too many.
FilterDataRead finished(std::vector<FilterPoint> points, std::string_view fileName);

// A number's text for a reason: the shortest that reads back.
std::string numberText(double value);

} // namespace kestrel::filterdata::detail
