#pragma once
// The mixer's spur table as comma-separated text in the shape of its grid:
// a first row "n\m" and the LO orders, then one row per RF order with the
// order first. Read as spreadsheets write it: the separator is the one the
// first row uses (";", a tab or ","); with ";" or a tab a comma is a
// decimal comma, and so it is in a field in double quotes.

#include <optional>
#include <string>
#include <string_view>

#include "engine/LevelModel.h"

namespace kestrel::csv {

struct MixerTableRead {
    std::optional<MixerSpurTable> table; // the reference drives stay at their defaults
    int badLine = 0;                     // 1-based line that could not be read
    int badColumn = 0;                   // 1-based field of that line; 0: the line as a whole
    std::string why;                     // what was wrong with it
};

// Reads a table. Orders that are missing get no data; values must be
// entries (readEntry) whose numbers fit a single.
MixerTableRead readMixerTable(std::string_view text);

// One cell as a user writes it: no value (nothing, "-" or a dash), a
// bound (">90": the level is -90 dBc) or a number. With `decimalComma` a
// single "," is the decimal point. nullopt for anything else.
struct TableEntry {
    std::optional<double> level;
    bool bound = false;
};
std::optional<TableEntry> readEntry(std::string_view text, bool decimalComma);

// What the cell shows: empty, ">90" or the short number text.
std::string entryText(const MixerSpurTable& table, int m, int n);

// Every entry other than the wanted 1x1 and the bounds is above 0: a
// datasheet's suppression in dB below the wanted output. False for a table
// without any.
bool allPositive(const MixerSpurTable& table);

// The same table with the sign of every entry but the bounds turned.
MixerSpurTable negated(const MixerSpurTable& table);

// The whole grid, LO orders 0..10 and RF orders 0..8, CRLF line ends, each
// number in the shortest text that reads back to it; the wanted 1x1 reads 0.
std::string writeMixerTable(const MixerSpurTable& table);

// One RF order's entries for the design file, LO orders 0..10, as
// comma-separated texts (empty where there is no data, each number in the
// shortest text that reads back to it), and back. False for a row that is
// not 11 fields of entries.
std::string tableRow(const MixerSpurTable& table, int n);
bool setTableRow(MixerSpurTable& table, int n, std::string_view row);

// A row too long for `room` characters is stored in two parts: the row
// with LO orders 0..kFirstTailOrder-1 (the rest left empty) and a tail with
// the others. A tail is empty when the row fits whole. Any row of singles
// fits two records of a design file.
inline constexpr int kFirstTailOrder = 6;
struct StoredRow {
    std::string row;
    std::string tail;
};
StoredRow storedRow(const MixerSpurTable& table, int n, std::size_t room);
// The tail's entries, LO orders kFirstTailOrder..10; false unless 5 fields.
bool setTableTail(MixerSpurTable& table, int n, std::string_view tail);

} // namespace kestrel::csv
