#pragma once
// Splitting comma-separated text as spreadsheets write it, shared by the
// readers of tables and measured data: the separator is the one the first
// row uses (";", a tab or ","), fields may be in double quotes (a separator
// there is text, and two double quotes are one), and with ";" or a tab, or
// inside quotes, a comma is a decimal comma.

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::csv {

struct Field {
    std::string text;
    bool quoted = false;
    bool open = false; // a quote that the line never closes
};

// Spaces, tabs and carriage returns around a field, the separator aside.
std::string_view trimmed(std::string_view s, char separator);

// The fields of one line.
std::vector<Field> splitFields(std::string_view line, char separator);

// The first row's separator, outside quotes: ";" or a tab where it has one.
char separatorOf(std::string_view header);

// The text with a single "," made the decimal point when `decimalComma`
// holds and it has no "." already; otherwise the text unchanged.
std::string withDecimalPoint(std::string_view text, bool decimalComma);

} // namespace kestrel::csv
