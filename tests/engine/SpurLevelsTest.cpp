#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/LevelModel.h"
#include "engine/SpurLevels.h"

using namespace kestrel;

namespace {

struct Inputs {
    double loPower = 8, rfPower = -5;
    float convLoss = 8;
    double rfIsolation = 25;
    float loIsolation = 25;
};

SpurLevelTable evaluate(const Inputs& in) {
    return EvaluateSpurLevels(in.loPower, in.rfPower, in.convLoss, in.rfIsolation, in.loIsolation);
}

TEST(SpurLevels, DisplayedPairs) {
    EXPECT_EQ(kLevelPairs.size(), 67u);
    int count = 0;
    for (int m = 0; m <= 11; ++m)
        for (int n = 0; n <= 11; ++n) count += hasSpurLevel(m, n);
    EXPECT_EQ(count, 67);
    for (auto [m, n] : {HarmonicPair{1, 1}, {0, 0}, {7, 5}, {8, 1}, {9, 0}, {0, 9}})
        EXPECT_FALSE(hasSpurLevel(m, n)) << m << "x" << n;
    for (auto [m, n] : {HarmonicPair{0, 8}, {8, 0}, {7, 4}, {6, 8}, {1, 2}})
        EXPECT_TRUE(hasSpurLevel(m, n)) << m << "x" << n;
}

TEST(SpurLevels, WorkedValuesOfTheInitialDesign) {
    struct Row {
        int m, n;
        double level;
        float top;
    };
    const Row rows[] = {
        {0, 1, -17, 972},   {1, 0, -4, 504},    {2, 0, -14, 864},   {3, 0, -34, 1584},
        {8, 0, -44, 1944},  {2, 1, -35, 1620},  {0, 2, -63, 2628},  {1, 2, -68, 2808},
        {5, 7, -78, 3168},  {7, 4, -79, 3204},  {6, 8, -126, 4896}, {0, 8, -141, 5436},
    };
    const SpurLevelTable t = evaluate({});
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(t.at(r.m, r.n), r.level) << r.m << "x" << r.n;
        EXPECT_EQ(SpurLineTop(t.at(r.m, r.n)), r.top) << r.m << "x" << r.n;
    }
}

// Each input raised by 1 dB moves every level by a fixed amount that depends
// on the kind of product only.
TEST(SpurLevels, OneDecibelMoreOfEachInput) {
    struct Rule {
        const char* input;
        void (*raise)(Inputs&);
        double feedthrough, loHarmonic, n1, perExtraRFOrder; // change of (0,1), (m,0), (m>=2,1), n>=2
    };
    const Rule rules[] = {
        {"RF power", [](Inputs& i) { i.rfPower += 1; }, 0, -1, 0, 1},
        {"LO power", [](Inputs& i) { i.loPower += 1; }, 0, 1, 0, -1},
        {"conversion loss", [](Inputs& i) { i.convLoss += 1; }, 1, 1, 0, 0},
        {"RF isolation", [](Inputs& i) { i.rfIsolation += 1; }, -1, 0, 0, 0},
        {"LO isolation", [](Inputs& i) { i.loIsolation += 1; }, 0, -1, 0, 0},
    };
    const SpurLevelTable before = evaluate({});
    for (const Rule& rule : rules) {
        Inputs in;
        rule.raise(in);
        const SpurLevelTable after = evaluate(in);
        for (const auto [m, n] : kLevelPairs) {
            double want = 0;
            if (m == 0 && n == 1) want = rule.feedthrough;
            else if (n == 0) want = rule.loHarmonic;
            else if (n == 1) want = rule.n1;
            else want = (n - 1) * rule.perExtraRFOrder;
            EXPECT_NEAR(after.at(m, n) - before.at(m, n), want, 1e-9)
                << rule.input << " " << m << "x" << n;
        }
    }
}

TEST(SpurLevels, SingleRFOrderLevelsAreFixed) {
    const double fixed[] = {-35, -10, -40, -15, -40, -20};
    const SpurLevelTable t = evaluate({30, 20, 3, 5, 1});
    for (int m = 2; m <= 7; ++m) EXPECT_EQ(t.at(m, 1), fixed[m - 2]) << m;
}

TEST(SpurLevels, ConversionLossAndLOIsolationCountInSinglePrecision) {
    // 8.1 as a single is 8.100000381..., and that is what the (1, 0) level sees.
    const SpurLevelTable t = evaluate({8, -5, 8.1f, 25, 25});
    EXPECT_EQ(t.at(1, 0), (8.0 - 25.0) - (-5.0 - double(8.1f)));
    EXPECT_NE(t.at(1, 0), (8.0 - 25.0) - (-5.0 - 8.1));
}

TEST(SpurLineTop, NoClampingAtEitherEnd) {
    struct Row {
        double level;
        float top;
    };
    const Row rows[] = {{0, 360}, {-110, 4320}, {10, 0}, {15, -180}, {-120, 4680}, {-0.5, 378}};
    for (const Row& r : rows) EXPECT_EQ(SpurLineTop(r.level), r.top) << r.level;
}

TEST(SpurLineTop, AbsurdLevelsDoNotFitASingle) {
    EXPECT_TRUE(fitsSingle(evaluate({})));
    EXPECT_TRUE(fitsSingle(evaluate({1e30, -1e30, 8, 25, 25})));
    EXPECT_FALSE(fitsSingle(evaluate({1e38, -5, 8, 25, 25})));
    EXPECT_FALSE(fitsSingle(evaluate({8, -5, 8, 1e300, 25})));
    EXPECT_FALSE(fitsSingle(evaluate({1e308, -1e308, 8, 25, 25})));
    EXPECT_TRUE(std::isinf(SpurLineTop(-1e37)));
}

TEST(SpurLevels, OverflowIsTracedToTheInputAtFault) {
    using I = LevelInput;
    struct Row {
        LevelInputs in;
        I first; // the field just left
        std::optional<I> fault;
    };
    const Row rows[] = {
        {{8, -5, 8, 25, 25}, I::RFPower, std::nullopt},
        {{1e38, -5, 8, 25, 25}, I::RFPower, I::LOPower}, // the other power
        {{1e38, -5, 8, 25, 25}, I::LOPower, I::LOPower},
        {{8, 1e38, 8, 25, 25}, I::LOPower, I::RFPower},
        {{8, -5, 1e37f, 25, 25}, I::LOPower, I::ConvLoss},
        {{8, -5, 8, 1e300, 25}, I::RFPower, I::RFIsolation},
        {{8, -5, 8, 25, 3e38f}, I::LOPower, I::LOIsolation},
        {{1e38, -5, 1e37f, 25, 25}, I::RFPower, I::LOPower}, // the first in field order
        {{1e38, -5, 1e37f, 25, 25}, I::LOPower, I::LOPower},
        {{1e36, -1.1e36, 8, 25, 25}, I::LOPower, I::RFPower}, // only together: the larger
    };
    for (const Row& r : rows) {
        const auto fault = findLevelOverflow(BuiltInLevelModel{}, r.in, r.first);
        EXPECT_EQ(fault, r.fault) << r.in.loPower << " " << r.in.rfPower << " " << r.in.convLoss;
        EXPECT_EQ(fitsSingle(BuiltInLevelModel{}.evaluate(r.in)), !r.fault);
    }
    // The mixer's table scales with the RF drive alone; an empty cell keeps the estimate and its LO drive.
    MixerSpurTable table;
    table.setCell(2, 3, 60);
    EXPECT_EQ(findLevelOverflow(table, {1e38, -5, 8, 25, 25}, I::LOPower), I::LOPower);
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n) table.setCell(m, n, 60);
    EXPECT_EQ(findLevelOverflow(table, {1e38, -5, 8, 25, 25}, I::LOPower), std::nullopt);
    EXPECT_EQ(findLevelOverflow(table, {8, 1e38, 8, 25, 25}, I::LOPower), I::RFPower);
}

} // namespace
