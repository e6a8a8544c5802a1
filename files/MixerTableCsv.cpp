#include "files/MixerTableCsv.h"

#include <cmath>
#include <vector>

#include "engine/NumberText.h"

namespace kestrel::csv {
namespace {

constexpr int kColumns = PairLevels::kMaxM + 1;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i)
        if (i == line.size() || line[i] == ',' || line[i] == ';') {
            out.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '"')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '"' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<int> order(std::string_view field, int highest) {
    const auto value = toInt16HalfEven(trimmed(field));
    const auto exact = toDoubleStrict(trimmed(field));
    if (!value || !exact || *exact != *value || *value < 0 || *value > highest) return std::nullopt;
    return *value;
}

// Empty: no data. Otherwise a number that a single holds.
bool entry(std::string_view field, std::optional<double>& out) {
    field = trimmed(field);
    out.reset();
    if (field.empty()) return true;
    const auto value = toSingleStrict(field);
    if (!value) return false;
    out = *value;
    return true;
}

} // namespace

MixerTableRead readMixerTable(std::string_view text) {
    MixerTableRead result;
    MixerSpurTable table;
    std::vector<int> columns; // LO order of each field after the first
    int lineNumber = 0;
    const auto fail = [&](const char* why) {
        result.badLine = lineNumber;
        result.why = why;
        return result;
    };
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (trimmed(line).empty()) continue;
        const auto cells = fields(line);
        if (columns.empty()) {
            for (std::size_t i = 1; i < cells.size(); ++i) {
                const auto m = order(cells[i], PairLevels::kMaxM);
                if (!m) return fail("the first row must name the LO orders 0 to 10");
                columns.push_back(*m);
            }
            if (columns.empty()) return fail("the first row must name the LO orders 0 to 10");
            continue;
        }
        const auto n = order(cells[0], PairLevels::kMaxN);
        if (!n) return fail("a row must start with its RF order, 0 to 8");
        if (cells.size() > columns.size() + 1) return fail("the row has more values than LO orders");
        for (std::size_t i = 1; i < cells.size(); ++i) {
            std::optional<double> value;
            if (!entry(cells[i], value)) return fail("a value is not a number");
            table.setCell(columns[i - 1], *n, value);
        }
    }
    if (columns.empty()) {
        lineNumber = 1; // where the LO orders should have been
        return fail("the file holds no table");
    }
    result.table = table;
    return result;
}

bool allPositive(const MixerSpurTable& table) {
    bool any = false;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto v = table.cell(m, n)) {
                if (!(*v > 0)) return false;
                any = true;
            }
    return any;
}

MixerSpurTable negated(const MixerSpurTable& table) {
    MixerSpurTable out = table;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto v = table.cell(m, n)) out.setCell(m, n, -*v);
    return out;
}

std::string tableRow(const MixerSpurTable& table, int n) {
    std::string row;
    for (int m = 0; m < kColumns; ++m) {
        if (m > 0) row += ',';
        if (m == 1 && n == 1)
            row += '0';
        else if (const auto v = table.cell(m, n))
            row += shortText(toSingle(*v));
    }
    return row;
}

bool setTableRow(MixerSpurTable& table, int n, std::string_view row) {
    const auto cells = fields(row);
    if (cells.size() != std::size_t(kColumns)) return false;
    std::array<std::optional<double>, kColumns> values;
    for (int m = 0; m < kColumns; ++m)
        if (!entry(cells[m], values[m])) return false;
    for (int m = 0; m < kColumns; ++m) table.setCell(m, n, values[m]);
    return true;
}

std::string writeMixerTable(const MixerSpurTable& table) {
    std::string out = "n\\m";
    for (int m = 0; m < kColumns; ++m) out += ',' + std::to_string(m);
    out += "\r\n";
    for (int n = 0; n <= PairLevels::kMaxN; ++n) out += std::to_string(n) + ',' + tableRow(table, n) + "\r\n";
    return out;
}

} // namespace kestrel::csv
