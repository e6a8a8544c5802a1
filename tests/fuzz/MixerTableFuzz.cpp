// Fuzz target for the mixer spur table's CSV reader: any bytes in, never a
// crash; a table only with levels a single holds, and every table it reads
// exports and stores (in design-file rows) to texts that read back to it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/MixerTableCsv.h"

using namespace kestrel;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Room for a row in a design-file record after "gridIMT(n)=".
constexpr std::size_t kRowRoom = 123 - 11;

} // namespace

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return csv::readMixerTable({reinterpret_cast<const char*>(data), size}).table.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool comma : {false, true})
        if (const auto entry = csv::readEntry(text, comma); entry && entry->level)
            require(std::isfinite(float(*entry->level)) && (!entry->bound || *entry->level <= 0));

    const csv::MixerTableRead read = csv::readMixerTable(text);
    require(read.table.has_value() == read.why.empty());
    if (!read.table) {
        require(read.badLine >= 1 && read.badColumn >= 0);
        return 0;
    }
    const MixerSpurTable& t = *read.table;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto v = t.cell(m, n)) require(std::isfinite(float(*v)) && double(float(*v)) == *v);

    const csv::MixerTableRead back = csv::readMixerTable(csv::writeMixerTable(t));
    require(back.table && *back.table == t);
    MixerSpurTable stored;
    for (int n = 0; n <= PairLevels::kMaxN; ++n) {
        const csv::StoredRow row = csv::storedRow(t, n, kRowRoom);
        require(row.row.size() <= kRowRoom && row.tail.size() <= kRowRoom);
        require(csv::setTableRow(stored, n, row.row));
        if (!row.tail.empty()) require(csv::setTableTail(stored, n, row.tail));
    }
    require(stored == t);
    return 0;
}
