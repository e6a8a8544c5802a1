#include "files/MixerTableCsv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "engine/NumberText.h"
#include "files/CsvFields.h"

namespace kestrel::csv {
namespace {

constexpr int kColumns = PairLevels::kMaxM + 1;
constexpr std::string_view kEmDash = "\xE2\x80\x94";
constexpr std::string_view kEnDash = "\xE2\x80\x93";
constexpr std::size_t kLongestQuoted = 24; // of a bad field, in a message

std::optional<int> order(const Field& field, int highest, char separator) {
    const std::string_view text = trimmed(field.text, separator);
    const auto value = toInt16HalfEven(text);
    const auto exact = toDoubleStrict(text);
    if (!value || !exact || *exact != *value || *value < 0 || *value > highest) return std::nullopt;
    return *value;
}

// The shortest text that reads back to the same single, exponent without
// "+" or leading zeros: at most 15 characters.
std::string shortestText(float value) {
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), ec == std::errc() ? end : buffer.data());
    if (const std::size_t e = text.find('e'); e != std::string::npos) {
        std::size_t digits = e + 1;
        if (digits < text.size() && text[digits] == '+') text.erase(digits, 1);
        if (digits < text.size() && text[digits] == '-') ++digits;
        while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
    }
    return text;
}

std::string storedEntry(const MixerSpurTable& table, int m, int n) {
    if (m == 1 && n == 1) return "0";
    const auto v = table.cell(m, n);
    if (!v) return {};
    return table.bound(m, n) ? '>' + shortestText(toSingle(-*v)) : shortestText(toSingle(*v));
}

std::string joined(const MixerSpurTable& table, int n, int first, int last, int storedUpTo) {
    std::string out;
    for (int m = first; m <= last; ++m) {
        if (m > first) out += ',';
        if (m <= storedUpTo) out += storedEntry(table, m, n);
    }
    return out;
}

// Stored fields for LO orders first..first+count-1; false unless exactly so many entries.
bool setStored(MixerSpurTable& table, int n, std::string_view text, int first, int count) {
    const auto cells = splitFields(text, ',');
    if (cells.size() != std::size_t(count)) return false;
    std::vector<TableEntry> entries;
    for (const Field& f : cells) {
        const auto e = readEntry(f.text, false);
        if (!e) return false;
        entries.push_back(*e);
    }
    for (int i = 0; i < count; ++i) table.setCell(first + i, n, entries[i].level, entries[i].bound);
    return true;
}

std::string quotedForMessage(std::string_view text) {
    if (text.size() > kLongestQuoted) return '"' + std::string(text.substr(0, kLongestQuoted)) + "...\"";
    return '"' + std::string(text) + '"';
}

} // namespace

std::optional<TableEntry> readEntry(std::string_view text, bool decimalComma) {
    text = trimmed(text, '\0');
    if (text.empty() || text == "-" || text == kEmDash || text == kEnDash) return TableEntry{};
    const bool bound = text.front() == '>';
    if (bound) text = trimmed(text.substr(1), '\0');
    const auto value = toSingleStrict(withDecimalPoint(text, decimalComma));
    if (!value || (bound && *value < 0)) return std::nullopt;
    return TableEntry{bound ? -double(*value) : double(*value), bound};
}

std::string entryText(const MixerSpurTable& table, int m, int n) {
    const auto v = table.cell(m, n);
    if (!v) return {};
    return table.bound(m, n) ? '>' + shortText(toSingle(-*v)) : shortText(toSingle(*v));
}

MixerTableRead readMixerTable(std::string_view text) {
    MixerTableRead result;
    MixerSpurTable table;
    std::vector<int> columns; // LO order of each field after the first
    char separator = ',';
    int lineNumber = 0;
    const auto fail = [&](int column, std::string why) {
        result.badLine = lineNumber;
        result.badColumn = column;
        result.why = std::move(why);
        return result;
    };
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (trimmed(line, '\0').empty()) continue;
        if (columns.empty()) {
            separator = separatorOf(line);
            const auto cells = splitFields(line, separator);
            for (std::size_t i = 1; i < cells.size(); ++i) {
                const auto m = order(cells[i], PairLevels::kMaxM, separator);
                if (!m) return fail(int(i) + 1, "the first row must name the LO orders 0 to 10");
                columns.push_back(*m);
            }
            if (columns.empty()) return fail(0, "the first row must name the LO orders 0 to 10");
            continue;
        }
        auto cells = splitFields(line, separator);
        // Empty fields past the last LO order are only a spreadsheet's padding.
        while (cells.size() > columns.size() + 1 && trimmed(cells.back().text, separator).empty())
            cells.pop_back();
        const auto n = order(cells[0], PairLevels::kMaxN, separator);
        if (!n) return fail(1, "a row must start with its RF order, 0 to 8");
        if (cells.size() > columns.size() + 1)
            return fail(int(columns.size()) + 2,
                        separator == ','
                            ? "the row has more values than LO orders (a decimal comma needs the "
                              "number in double quotes)"
                            : "the row has more values than LO orders");
        for (std::size_t i = 1; i < cells.size(); ++i) {
            const auto entry = readEntry(cells[i].text, separator != ',' || cells[i].quoted);
            const int m = columns[i - 1];
            if (cells[i].open) return fail(int(i) + 1, "its double quotes are not closed");
            if (!entry)
                return fail(int(i) + 1, quotedForMessage(trimmed(cells[i].text, separator)) +
                                            " is neither a number, \"-\" nor a bound like \">90\" (LO order " +
                                            std::to_string(m) + ", RF order " + std::to_string(*n) + ")");
            table.setCell(m, *n, entry->level, entry->bound);
        }
    }
    if (columns.empty()) {
        lineNumber = 1; // where the LO orders should have been
        return fail(0, "the file holds no table");
    }
    result.table = table;
    return result;
}

bool allPositive(const MixerSpurTable& table) {
    bool any = false;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto v = table.cell(m, n); v && !table.bound(m, n)) {
                if (!(*v > 0)) return false;
                any = true;
            }
    return any;
}

MixerSpurTable negated(const MixerSpurTable& table) {
    MixerSpurTable out = table;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto v = table.cell(m, n); v && !table.bound(m, n)) out.setCell(m, n, -*v);
    return out;
}

std::string tableRow(const MixerSpurTable& table, int n) { return joined(table, n, 0, kColumns - 1, kColumns); }

StoredRow storedRow(const MixerSpurTable& table, int n, std::size_t room) {
    StoredRow out{tableRow(table, n), {}};
    if (out.row.size() <= room) return out;
    out.row = joined(table, n, 0, kColumns - 1, kFirstTailOrder - 1);
    out.tail = joined(table, n, kFirstTailOrder, kColumns - 1, kColumns);
    return out;
}

bool setTableRow(MixerSpurTable& table, int n, std::string_view row) {
    MixerSpurTable copy = table;
    if (!setStored(copy, n, row, 0, kColumns)) return false;
    table = copy;
    return true;
}

bool setTableTail(MixerSpurTable& table, int n, std::string_view tail) {
    MixerSpurTable copy = table;
    if (!setStored(copy, n, tail, kFirstTailOrder, kColumns - kFirstTailOrder)) return false;
    table = copy;
    return true;
}

std::string writeMixerTable(const MixerSpurTable& table) {
    std::string out = "n\\m";
    for (int m = 0; m < kColumns; ++m) out += ',' + std::to_string(m);
    out += "\r\n";
    for (int n = 0; n <= PairLevels::kMaxN; ++n) {
        out += std::to_string(n);
        // The texts that read back to the very same table.
        for (int m = 0; m < kColumns; ++m) out += ',' + storedEntry(table, m, n);
        out += "\r\n";
    }
    return out;
}

} // namespace kestrel::csv
