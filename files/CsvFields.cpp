#include "files/CsvFields.h"

#include <algorithm>

namespace kestrel::csv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

} // namespace

std::string_view trimmed(std::string_view s, char separator) {
    const auto blank = [separator](char c) { return isBlank(c) && c != separator; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<Field> splitFields(std::string_view line, char separator) {
    std::vector<Field> out;
    std::size_t i = 0;
    while (true) {
        Field f;
        while (i < line.size() && line[i] != separator && isBlank(line[i])) ++i;
        if (i < line.size() && line[i] == '"') {
            f.quoted = f.open = true;
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    f.text += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    f.text += '"';
                    ++i;
                } else {
                    ++i;
                    f.open = false;
                    break;
                }
            }
        }
        // Up to the separator; after a closing quote only blanks belong here.
        const std::size_t end = std::min(line.find(separator, i), line.size());
        f.text += line.substr(i, end - i);
        out.push_back(std::move(f));
        if (end == line.size()) return out;
        i = end + 1;
    }
}

char separatorOf(std::string_view header) {
    bool quoted = false, tab = false;
    for (char c : header) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == ';') return ';';
        tab = tab || c == '\t';
    }
    return tab ? '\t' : ',';
}

std::string withDecimalPoint(std::string_view text, bool decimalComma) {
    std::string number(text);
    if (decimalComma && number.find('.') == std::string::npos)
        if (const std::size_t comma = number.find(','); comma != std::string::npos && number.find(',', comma + 1) == std::string::npos)
            number[comma] = '.';
    return number;
}

} // namespace kestrel::csv
