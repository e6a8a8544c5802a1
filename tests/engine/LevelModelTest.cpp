#include <gtest/gtest.h>

#include "engine/LevelModel.h"
#include "files/MixerTableCsv.h"

using namespace kestrel;

namespace {

TEST(MixerSpurTable, ScalesEachProductWithTheRFDrive) {
    MixerSpurTable table; // measured at RF -10 dBm, LO 7 dBm
    table.setCell(0, 1, -20);
    table.setCell(3, 0, -30);
    table.setCell(2, 3, -70);
    table.setCell(9, 8, -90);
    table.setCell(1, 1, 5); // the wanted output is the reference, never an entry
    table.setCell(0, 0, 5);
    struct Case {
        double rfPower;
        int m, n;
        std::optional<double> level;
    };
    const Case cases[] = {
        {-10, 2, 3, -70},  // at the reference drive: the table itself
        {-4, 2, 3, -58},   // 6 dB more drive: (3 - 1) x 6 dB up
        {-16, 2, 3, -82},  // 6 dB less: down as fast
        {-4, 3, 0, -36},   // LO harmonics alone fall as the wanted output rises
        {-4, 0, 1, -20},   // n = 1 follows the wanted output
        {-4, 9, 8, -48},   // orders beyond the analyzer's lines
        {-4, 9, 7, std::nullopt}, // no entry and no estimate
        {-4, 1, 1, std::nullopt},
        {-4, 0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        // The LO drive does not scale the table.
        for (double lo : {7.0, 17.0}) {
            const PairLevels levels = table.evaluate({lo, c.rfPower, 8, 25, 25});
            EXPECT_EQ(levels.at(c.m, c.n), c.level) << c.m << "x" << c.n << " at " << c.rfPower;
            // An empty cell keeps the estimate, with the drives it has.
            EXPECT_EQ(levels.at(4, 4), BuiltInLevelModel().evaluate({lo, c.rfPower, 8, 25, 25}).at(4, 4));
        }
    }
}

TEST(MixerSpurTable, TheBuiltInModelGivesTheSameLevelsAsItsTable) {
    const PairLevels builtIn = BuiltInLevelModel().evaluate({8, -5, 8, 25, 25});
    EXPECT_EQ(builtIn, PairLevels(EvaluateSpurLevels(8, -5, 8, 25, 25)));
    EXPECT_EQ(builtIn.at(0, 2), -63);
    EXPECT_FALSE(builtIn.at(9, 1));
    EXPECT_FALSE(builtIn.at(1, 1));
}

TEST(MixerTableCsv, ReadsTheGridsShapeAndRefusesWhatItCannotRead) {
    struct Case {
        const char* text;
        int badLine; // 0: read
    };
    const Case cases[] = {
        {"n\\m,0,1,2\r\n0,,-20,-30\r\n1,-25,0,-40\r\n", 0},
        {"n\\m;0;1\n\n2;-50;-60\n", 0}, // semicolons, a blank line
        {"", 1},
        {"n\\m,0,11\n", 1},          // no LO order 11
        {"n\\m,0,x\n", 1},
        {"n\\m,0,1\n9,-1,-2\n", 2},  // no RF order 9
        {"n\\m,0,1\n0,-1,-2,-3\n", 2},
        {"n\\m,0,1\n0,-1\n1,abc\n", 3},
        {"n\\m,0,1\n0,1e39\n", 2},   // beyond a single
        {"n\\m,0,1\n0.5,1\n", 2},
    };
    for (const Case& c : cases) {
        const csv::MixerTableRead read = csv::readMixerTable(c.text);
        EXPECT_EQ(read.badLine, c.badLine) << c.text;
        EXPECT_EQ(read.table.has_value(), c.badLine == 0) << c.text;
        EXPECT_EQ(read.why.empty(), c.badLine == 0) << c.text;
    }
    const MixerSpurTable t = *csv::readMixerTable(cases[0].text).table;
    EXPECT_EQ(t.cell(1, 0), -20);
    EXPECT_EQ(t.cell(0, 1), -25);
    EXPECT_FALSE(t.cell(1, 1));      // the 1x1 is never an entry
    EXPECT_FALSE(t.cell(0, 0));
    EXPECT_FALSE(t.cell(5, 5));      // missing orders get no data
    EXPECT_FALSE(csv::allPositive(t));
    EXPECT_EQ(*csv::readMixerTable(csv::writeMixerTable(t)).table, t);
}

TEST(MixerTableCsv, PositiveSuppressionAndRows) {
    MixerSpurTable t;
    EXPECT_FALSE(csv::allPositive(t)); // nothing to turn
    t.setCell(0, 1, 20);
    t.setCell(3, 2, 65.5);
    EXPECT_TRUE(csv::allPositive(t));
    EXPECT_EQ(csv::negated(t).cell(3, 2), -65.5);
    EXPECT_EQ(csv::tableRow(t, 2), ",,,65.5,,,,,,,");
    EXPECT_EQ(csv::tableRow(t, 1), "20,0,,,,,,,,,");
    MixerSpurTable back;
    for (int n = 0; n <= 8; ++n) ASSERT_TRUE(csv::setTableRow(back, n, csv::tableRow(t, n)));
    EXPECT_EQ(back, t);
    for (const char* bad : {",,,", ",,,,,,,,,,,", "x,,,,,,,,,,"}) EXPECT_FALSE(csv::setTableRow(back, 0, bad)) << bad;
}

} // namespace
