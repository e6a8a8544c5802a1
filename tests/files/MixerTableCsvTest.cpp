// The mixer's spur table as spreadsheets write it, and as the design file stores its rows.
#include <gtest/gtest.h>

#include "engine/LevelModel.h"
#include "files/MixerTableCsv.h"

using namespace kestrel;

namespace {

struct Cell { int m, n; std::optional<double> level; bool bound = false; };

TEST(MixerTableCsvForms, ReadsNumbersAsTheUserWroteThemAndNamesTheFieldItRefuses) {
    struct Case { const char* what; const char* text; std::vector<Cell> cells; };
    const Case cases[] = {
        {"semicolon, decimal comma", "n\\m;0;1;2\r\n1;-12,5;0;-30,25\r\n", {{0, 1, -12.5}, {2, 1, -30.25}}},
        {"tab, decimal comma", "n\\m\t0\t1\n2\t-40,5\t-60\n", {{0, 2, -40.5}, {1, 2, -60}}},
        {"comma, quoted decimal comma", "n\\m,0,1,2\n1,\"-12,5\",0,-30\n", {{0, 1, -12.5}, {2, 1, -30}}},
        {"quoted dot in a semicolon file", "\"n\\m\";\"0\";\"1\"\n0;;\" -20.5 \"\n", {{0, 0, {}}, {1, 0, -20.5}}},
        {"no value", "n\\m,0,1,2,3\n2,\xE2\x80\x94,-, ,-50\n", {{0, 2, {}}, {1, 2, {}}, {2, 2, {}}, {3, 2, -50}}},
        {"bounds", "n\\m;0;1;2\n3;>90;> 85,5;>0\n", {{0, 3, -90, true}, {1, 3, -85.5, true}, {2, 3, -0.0, true}}},
        {"padding past the last order", "n\\m,0,1\n1,-2,,,\n", {{0, 1, -2}, {1, 0, {}}}},
    };
    for (const Case& c : cases) {
        const csv::MixerTableRead read = csv::readMixerTable(c.text);
        ASSERT_TRUE(read.table) << c.what << ": " << read.why;
        for (const Cell& cell : c.cells)
            EXPECT_EQ(std::pair(read.table->cell(cell.m, cell.n), read.table->bound(cell.m, cell.n)),
                      std::pair(cell.level, cell.bound)) << c.what << " " << cell.m << "x" << cell.n;
    }
    // Refused: the field at fault by its row and column.
    const std::tuple<const char*, int, int> refused[] = {
        {"n\\m,0,1\n1,-12,5,7\n", 2, 4},     // an unquoted decimal comma: never two cells
        {"n\\m,0,1\n1,-12;5,0\n", 2, 2},     // a semicolon inside a comma file's field
        {"n\\m;0;1\n1;-12,5,3;0\n", 2, 2},   // two commas are no decimal comma
        {"n\\m;0;1\n1;0;1.5,2\n", 2, 3},     // nor is one beside a point
        {"n\\m,0,1\n\n4,-1,>-90\n", 3, 3},   // a bound is a suppression, never negative
        {"n\\m,0,1\n4,\"-12,5\"x\n", 2, 2},  // text after the closing quote
        {"n\\m,0,1\n4,-1,\"-12,5\n", 2, 3},   // a quote never closed
        {"n\\m,0,x\n", 1, 3}, {"n\\m,0,1\n0,1e39\n", 2, 2}, {"\n\n", 1, 0}, {"n\\m,0,1\n1,abc,-3\n", 2, 2},
    };
    for (const auto& [text, line, column] : refused) {
        const csv::MixerTableRead read = csv::readMixerTable(text);
        EXPECT_EQ(std::tuple(bool(read.table), read.badLine, read.badColumn), std::tuple(false, line, column))
            << text;
    }
}

// Room for a row in a design-file record after "gridIMT(n)=".
constexpr std::size_t kRoom = 123 - 11;

TEST(MixerTableRows, EveryRowOfSinglesIsStorable) {
    struct Case { const char* what; double value; bool bound, split; };
    const Case cases[] = {
        {"short numbers stay in one record", -63, false, false}, {"seven digits", -0.1234567, false, true},
        {"the longest texts", -1.17549435e-38, false, true},      {"bounds", -123.45678, true, true},
    };
    for (const Case& c : cases) {
        MixerSpurTable t;
        for (int m = 0; m <= PairLevels::kMaxM; ++m) t.setCell(m, 2, double(float(c.value)), c.bound);
        const csv::StoredRow stored = csv::storedRow(t, 2, kRoom);
        EXPECT_LE(stored.row.size(), kRoom) << c.what;
        EXPECT_EQ(stored.tail.empty(), !c.split) << c.what;
        MixerSpurTable back;
        ASSERT_TRUE(csv::setTableRow(back, 2, stored.row)) << c.what;
        EXPECT_TRUE(!c.split || csv::setTableTail(back, 2, stored.tail)) << c.what;
        EXPECT_EQ(back, t) << c.what << ": " << stored.row << " | " << stored.tail;
    }
    // A row as written before: seven digits, exponent with a sign.
    MixerSpurTable old;
    ASSERT_TRUE(csv::setTableRow(old, 0, ",-1.234568E+07,-40,,,,,,,,"));
    EXPECT_EQ(old.cell(1, 0), double(float(-1.234568e7)));
}

} // namespace
