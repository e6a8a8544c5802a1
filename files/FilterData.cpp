#include "files/FilterData.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "engine/NumberText.h"
#include "files/CsvFields.h"
#include "files/FilterDataParts.h"

namespace kestrel::filterdata {
namespace detail {

std::string lineReason(int line, std::string_view fileName, std::string_view why) {
    return "Line " + std::to_string(line) + " of " + std::string(fileName) + " cannot be read: " + std::string(why) +
           ".";
}

FilterDataRead refusedAt(int line, std::string_view fileName, std::string_view why) {
    return {std::nullopt, lineReason(line, fileName, why)};
}

FilterDataRead finished(std::vector<FilterPoint> points, std::string_view fileName) {
    if (points.empty()) return {std::nullopt, std::string(fileName) + " holds no data points."};
    if (points.size() > kMaxPoints)
        return {std::nullopt, std::string(fileName) + " holds more than 2,001 points, the most a filter holds."};
    return {std::move(points), {}};
}

std::string numberText(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

} // namespace detail

namespace {

using detail::refusedAt;
using detail::numberText;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A CSV field's number: decimal commas as the separator allows them.
std::optional<double> fieldNumber(const csv::Field& field, char separator) {
    const std::string_view text = csv::trimmed(field.text, separator);
    return toDoubleStrict(csv::withDecimalPoint(text, separator != ',' || field.quoted));
}

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - ending.size(),
                      [](char e, char c) { return std::tolower(static_cast<unsigned char>(c)) == e; });
}

} // namespace

std::optional<double> hertzPerUnit(std::string_view designUnit) {
    if (designUnit == "GHz") return 1e9;
    if (designUnit == "MHz") return 1e6;
    if (designUnit == "KHz") return 1e3;
    return std::nullopt;
}

FilterDataRead readFilterData(std::span<const std::uint8_t> bytes, std::string_view fileName,
                              std::string_view designUnit) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // Spreadsheets and editors on some systems put one in front.
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (endsWithNoCase(fileName, ".csv")) return readFilterCsv(text, fileName);
    if (endsWithNoCase(fileName, ".s2p") || endsWithNoCase(fileName, ".ts"))
        return readTouchstone(text, fileName, designUnit);
    return {std::nullopt, std::string(fileName) +
                              " is neither CSV (.csv) nor a 2-port Touchstone file (.s2p or .ts)."};
}

FilterDataRead readFilterCsv(std::string_view text, std::string_view fileName) {
    std::vector<FilterPoint> points;
    char separator = ',';
    bool first = true;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (csv::trimmed(line, '\0').empty()) continue;
        if (first) separator = csv::separatorOf(line);
        auto fields = csv::splitFields(line, separator);
        // Empty fields past the second are only a spreadsheet's padding.
        while (fields.size() > 2 && csv::trimmed(fields.back().text, separator).empty()) fields.pop_back();
        for (const csv::Field& f : fields)
            if (f.open) return refusedAt(lineNumber, fileName, "its double quotes are not closed");
        const auto frequency = fieldNumber(fields[0], separator);
        const auto loss = fields.size() > 1 ? fieldNumber(fields[1], separator) : std::nullopt;
        // Only the first row may name the columns; a number there is data.
        const bool header = first && !frequency;
        first = false;
        if (header) continue; // the column names
        if (fields.size() > 2)
            return refusedAt(lineNumber, fileName,
                             separator == ','
                                 ? "it has more than two values, the frequency and the loss (a decimal comma "
                                   "needs the number in double quotes)"
                                 : "it has more than two values, the frequency and the loss");
        if (fields.size() < 2) return refusedAt(lineNumber, fileName, "it needs two values, the frequency and the loss");
        if (!frequency) return refusedAt(lineNumber, fileName, "the frequency is not a number");
        if (!loss) return refusedAt(lineNumber, fileName, "the loss is not a number");
        if (*frequency < 0) return refusedAt(lineNumber, fileName, "the frequency is negative");
        if (!points.empty() && !(*frequency > points.back().frequency))
            return refusedAt(lineNumber, fileName,
                             "the frequency " + numberText(*frequency) + " does not rise above " +
                                 numberText(points.back().frequency) + " before it");
        points.push_back({*frequency, *loss});
        if (points.size() > kMaxPoints) break; // refused as a whole below
    }
    return detail::finished(std::move(points), fileName);
}

} // namespace kestrel::filterdata
