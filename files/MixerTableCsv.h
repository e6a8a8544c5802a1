#pragma once
// The mixer's spur table as comma-separated text in the shape of its grid:
// a first row "n\m" and the LO orders, then one row per RF order with the
// order first. An empty field has no data. A semicolon separates as well as
// a comma, as spreadsheets in many locales write it.

#include <optional>
#include <string>
#include <string_view>

#include "engine/LevelModel.h"

namespace kestrel::csv {

struct MixerTableRead {
    std::optional<MixerSpurTable> table; // the reference drives stay at their defaults
    int badLine = 0;                     // 1-based line that could not be read
    std::string why;                     // what was wrong with it
};

// Reads a table. Orders that are missing get no data; values must be
// numbers that fit a single.
MixerTableRead readMixerTable(std::string_view text);

// Every entry other than the wanted 1x1 is above 0: a datasheet's
// suppression in dB below the wanted output. False for a table without any.
bool allPositive(const MixerSpurTable& table);

// The same table with the sign of every entry turned.
MixerSpurTable negated(const MixerSpurTable& table);

// The whole grid, LO orders 0..10 and RF orders 0..8, CRLF line ends; the
// wanted 1x1 reads 0.
std::string writeMixerTable(const MixerSpurTable& table);

// One RF order's entries, LO orders 0..10, as comma-separated short number
// texts (empty where there is no data), and back. nullopt for a row that is
// not 11 fields of numbers or nothing.
std::string tableRow(const MixerSpurTable& table, int n);
bool setTableRow(MixerSpurTable& table, int n, std::string_view row);

} // namespace kestrel::csv
