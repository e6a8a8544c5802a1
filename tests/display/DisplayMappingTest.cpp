#include <gtest/gtest.h>

#include <QSet>
#include <cmath>
#include <utility>

#include "display/DisplayMapping.h"

using namespace kestrel::display;

namespace {

TEST(FreqToX, SpanEdgesMiddleAndOutside) {
    struct Row {
        float f, start, stop, x;
    };
    const Row rows[] = {
        {30, 30, 50, 0},        {50, 30, 50, 7215},      {40, 30, 50, 3607.5},
        {28, 30, 50, -721.5},   {55, 30, 50, 9018.75},   {1e6f, 30, 50, 360739177.5f},
        // A stop below the start mirrors the axis.
        {50, 50, 30, 0},        {30, 50, 30, 7215},      {45, 50, 30, 1803.75},
        {-5, -10, 10, 1803.75},
    };
    for (const Row& r : rows) EXPECT_FLOAT_EQ(FreqToX(r.f, r.start, r.stop), r.x) << r.f;
}

TEST(FreqToX, WorkedOutInDoubleAndRoundedOnce) {
    // Every product of the start-up design's first steps, over a few spans.
    int differFromSingleArithmetic = 0;
    const std::pair<float, float> spans[] = {{30.f, 50.f}, {4500.f, 7500.f}, {-10.f, 10.3f}};
    for (const auto& [start, stop] : spans)
        for (int m = 0; m <= 8; ++m)
            for (int n = 0; n <= 8; ++n) {
                const float f = float(m * 24.0 + n * 12.9);
                const double exact = (double(f) - start) / (double(stop) - start) * 7215;
                EXPECT_EQ(FreqToX(f, start, stop), static_cast<float>(exact)) << f;
                differFromSingleArithmetic += (f - start) / (stop - start) * 7215.f != float(exact);
            }
    EXPECT_GT(differFromSingleArithmetic, 0) << "the cases would not tell the two apart";
}

TEST(FreqToX, EmptySpanHasNoPosition) {
    EXPECT_FALSE(std::isfinite(FreqToX(30, 30, 30)));
    EXPECT_FALSE(std::isfinite(FreqToX(31, 30, 30)));
}

TEST(LevelToY, ScaleOfTheGraticule) {
    EXPECT_EQ(LevelToY(0), 360.f);
    EXPECT_EQ(LevelToY(-10), 720.f);
    EXPECT_EQ(LevelToY(-110), 4320.f);
}

TEST(SpurLines, NamesFamiliesAndLabels) {
    QSet<QString> names;
    int sums = 0;
    for (const SpurLineId id : kReplayOrder) {
        names.insert(spurLineName(id));
        sums += id.sum;
        EXPECT_TRUE(hasSpurLine(id));
    }
    EXPECT_EQ(names.size(), 120);
    EXPECT_EQ(sums, 68);
    EXPECT_TRUE(names.contains("spur2x8"));
    EXPECT_FALSE(names.contains("Spur2x8"));
    EXPECT_TRUE(names.contains("Spurs2x8"));
    for (const char* absent : {"Spurs7x5", "Spur7x5", "Spurs8x1", "Spur8x0", "Spur0x1", "Spurs0x0",
                               "Spurs9x0"})
        EXPECT_FALSE(names.contains(absent)) << absent;
    EXPECT_EQ(spurLineLabel({7, 4, true}), "7 LO + 4 RF");
    EXPECT_EQ(spurLineLabel({6, 5, false}), "6 LO - 5 RF");
}

TEST(SpurLines, ReplayOrderDifferenceLinesFirst) {
    struct Row {
        int index;
        const char* name;
    };
    const Row rows[] = {
        {0, "Spur1x1"},    {7, "Spur1x8"},    {8, "Spur2x1"},   {15, "spur2x8"},
        {47, "Spur6x8"},   {48, "Spur7x1"},   {51, "Spur7x4"},  {52, "Spurs0x1"},
        {59, "Spurs0x8"},  {60, "Spurs1x0"},  {67, "Spurs8x0"}, {68, "Spurs1x1"},
        {115, "Spurs6x8"}, {116, "Spurs7x1"}, {119, "Spurs7x4"},
    };
    for (const Row& r : rows) EXPECT_EQ(spurLineName(kReplayOrder[r.index]), r.name) << r.index;
    for (int i = 0; i < kSpurLineCount; ++i) EXPECT_EQ(replayIndex(kReplayOrder[i]), i);
    EXPECT_EQ(replayIndex({8, 1, true}), -1);
    EXPECT_EQ(replayIndex({0, 3, false}), -1);
}

TEST(SpurLines, EveryLevelPairOwnsItsLines) {
    // Each pair with a level has a sum line; pairs with n >= 1 and m >= 1 a
    // difference line too: 67 pairs, 118 lines, (1, 1) left out.
    int lines = 0;
    for (const auto [m, n] : kestrel::kLevelPairs) {
        EXPECT_TRUE(hasSpurLine({m, n, true})) << m << "x" << n;
        lines += 1 + hasSpurLine({m, n, false});
    }
    EXPECT_EQ(lines, 118);
}

} // namespace
