#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/NumberText.h"
#include "engine/SpurFreeBands.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

// LO 10 fixed, RF 2 and 3 (one step of 1), orders up to 2. Every product's
// span on paper (sum | difference):
//   0x1 [2,3] | [2,3]    1x0 10 | 10        2x0 20 | 20
//   0x2 [4,6] | [4,6]    1x1 [12,13] | [7,8]  2x1 [22,23] | [17,18]
//   1x2 [14,16] | [4,6]  2x2 [24,26] | [14,16]
// Levels at the start-up drives: 0x1 -17, 0x2 -63, 1x0 -4, 1x2 -68, 2x0 -14,
// 2x1 -35, 2x2 -63; 1x1 has none.
struct Solved {
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve;
};

Solved solve(SolveInput in) {
    Solved s;
    solveSpurMatrix(in, s.state, *s.matrix);
    s.solve = {in.mMax, in.nMax, in.trackingLO};
    return s;
}

SolveInput paperDesign(float ifStart, float ifStop) {
    SolveInput in;
    in.rfStart = 2;
    in.rfStop = 3;
    in.numSteps = 1;
    in.loFreq = 10;
    in.ifStart = ifStart;
    in.ifStop = ifStop;
    in.mMax = 2;
    in.nMax = 2;
    return in;
}

const PairLevels kLevels = EvaluateSpurLevels(8, -5, 8, 25, 25);

std::string edge(const std::optional<EdgeProduct>& p) {
    return p ? productName(p->m, p->n, p->family) : "-";
}

// "6..10 below 0 LO + 2 RF, above 1 LO + 0 RF"
std::vector<std::string> describe(const std::vector<SpurFreeBand>& bands) {
    std::vector<std::string> out;
    for (const SpurFreeBand& b : bands)
        out.push_back(shortText(b.start) + ".." + shortText(b.stop) + " below " + edge(b.below) +
                      ", above " + edge(b.above));
    return out;
}

TEST(SpurFreeBands, ThresholdDecidesWhichProductsCount) {
    struct Case {
        const char* what;
        SpurFreeQuery query;
        std::vector<std::string> bands;
    };
    const std::vector<Case> cases = {
        {"every product counts, widest first, ties by frequency",
         {ProductFamily::Difference, -70, {}},
         {"6..10 below 0 LO + 2 RF, above 1 LO + 0 RF",
          "10..12 below 1 LO + 0 RF, above 1 LO + 1 RF",
          "18..20 below 2 LO - 1 RF, above 2 LO + 0 RF",
          "20..21.5 below 2 LO + 0 RF, above -",
          "13..14 below 1 LO + 1 RF, above 2 LO - 2 RF",
          "16..17 below 2 LO - 2 RF, above 2 LO - 1 RF"}},
        {"a level equal to the threshold still counts",
         {ProductFamily::Difference, -63, {}},
         {"6..10 below 0 LO + 2 RF, above 1 LO + 0 RF",
          "10..12 below 1 LO + 0 RF, above 1 LO + 1 RF",
          "18..20 below 2 LO - 1 RF, above 2 LO + 0 RF",
          "20..21.5 below 2 LO + 0 RF, above -",
          "13..14 below 1 LO + 1 RF, above 2 LO - 2 RF",
          "16..17 below 2 LO - 2 RF, above 2 LO - 1 RF"}},
        {"-60 drops 0x2, 1x2 and 2x2: two bands widen and join",
         {ProductFamily::Difference, -60, {}},
         {"5..10 below -, above 1 LO + 0 RF",
          "13..17 below 1 LO + 1 RF, above 2 LO - 1 RF",
          "10..12 below 1 LO + 0 RF, above 1 LO + 1 RF",
          "18..20 below 2 LO - 1 RF, above 2 LO + 0 RF",
          "20..21.5 below 2 LO + 0 RF, above -"}},
        {"the image is as strong as the wanted output: 0 dBc counts at 0",
         {ProductFamily::Difference, 0, {}},
         {"13..21.5 below 1 LO + 1 RF, above -", "5..12 below -, above 1 LO + 1 RF"}},
        {"and not above it", {ProductFamily::Difference, 10, {}}, {"5..21.5 below -, above -"}},
        {"the wanted product never counts, the other 1x1 does",
         {ProductFamily::Sum, -70, {}},
         {"10..14 below 1 LO + 0 RF, above 2 LO - 2 RF",
          "8..10 below 1 LO - 1 RF, above 1 LO + 0 RF",
          "18..20 below 2 LO - 1 RF, above 2 LO + 0 RF",
          "20..21.5 below 2 LO + 0 RF, above -",
          "6..7 below 0 LO + 2 RF, above 1 LO - 1 RF",
          "16..17 below 2 LO - 2 RF, above 2 LO - 1 RF"}},
        {"highest total order 2 leaves out 1x2, 2x1 and 2x2",
         {ProductFamily::Difference, -70, 2},
         {"13..20 below 1 LO + 1 RF, above 2 LO + 0 RF",
          "6..10 below 0 LO + 2 RF, above 1 LO + 0 RF",
          "10..12 below 1 LO + 0 RF, above 1 LO + 1 RF",
          "20..21.5 below 2 LO + 0 RF, above -"}},
    };
    const Solved s = solve(paperDesign(5, 21.5f));
    for (const Case& c : cases)
        EXPECT_EQ(describe(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, c.query)),
                  c.bands)
            << c.what;
}

TEST(SpurFreeBands, EdgesOfTheDisplayBand) {
    const SpurFreeQuery all{ProductFamily::Difference, -70, {}};
    // A product ending exactly on IFStart bounds the band there; the wanted
    // 1 LO - 1 RF inside it does not split it.
    Solved s = solve(paperDesign(6, 9.5f));
    EXPECT_EQ(describe(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, all)),
              std::vector<std::string>{"6..9.5 below 0 LO + 2 RF, above -"});
    // Nothing inside: the whole band, open at neither end.
    s = solve(paperDesign(10.5f, 11.5f));
    EXPECT_EQ(describe(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, all)),
              std::vector<std::string>{"10.5..11.5 below -, above -"});
    // Entered the wrong way round, the band is the same.
    s = solve(paperDesign(21.5f, 5));
    EXPECT_EQ(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, all).size(), 6u);
}

TEST(SpurFreeBands, NoCleanBand) {
    const SpurFreeQuery all{ProductFamily::Difference, -70, {}};
    for (auto [start, stop] : {std::pair{12.f, 13.f}, {12.5f, 12.5f}, {5.f, 6.f}, {14.f, 16.f}}) {
        const Solved s = solve(paperDesign(start, stop));
        EXPECT_TRUE(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, all).empty())
            << start << ".." << stop;
    }
    SolveInput none = paperDesign(5, 21.5f);
    none.numSteps = -1;
    const Solved s = solve(none);
    EXPECT_TRUE(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, all).empty());
}

TEST(SpurFreeBands, WithoutLevelsEveryProductCounts) {
    const Solved s = solve(paperDesign(5, 21.5f));
    const auto bands = findSpurFreeBands(*s.matrix, s.state, s.solve, nullptr, {});
    ASSERT_EQ(bands.size(), 6u);
    EXPECT_FALSE(bands[0].below->level.has_value());
    EXPECT_EQ(bands[0].width, 4);
}

TEST(SpurFreeBands, EdgeProductsCarryTheirLevel) {
    const Solved s = solve(paperDesign(5, 21.5f));
    const auto bands = findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels, {});
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands[0].above->level, -4);
    EXPECT_EQ(bands[0].start, 5);
    EXPECT_EQ(bands[0].stop, 10);
}

// LO locked 2.5 above RF, RF 2 to 3: LO 4.5 to 5.5. 1 LO - 2 RF = 2.5 - RF
// changes sign and so sweeps 0 to 0.5; the wanted 1 LO - 1 RF stays at 2.5.
TEST(SpurFreeBands, TrackingLOAndTheFoldAtZero) {
    SolveInput in = paperDesign(0, 20);
    in.trackingLO = true;
    in.loOffset = [] { return 2.5; };
    const Solved s = solve(in);

    const ProductSpan fold =
        productSpan(*s.matrix, s.state, s.solve, 1, 2, ProductFamily::Difference);
    EXPECT_EQ(fold.low, 0);
    EXPECT_EQ(fold.high, 0.5f);
    const ProductSpan sum = productSpan(*s.matrix, s.state, s.solve, 2, 2, ProductFamily::Sum);
    EXPECT_EQ(sum.low, 13);
    EXPECT_EQ(sum.high, 17);

    EXPECT_EQ(describe(findSpurFreeBands(*s.matrix, s.state, s.solve, &kLevels,
                                         {ProductFamily::Difference, -70, {}})),
              (std::vector<std::string>{"17..20 below 2 LO + 2 RF, above -",
                                        "0.5..2 below 1 LO - 2 RF, above 0 LO + 1 RF",
                                        "3..4 below 0 LO + 1 RF, above 0 LO + 2 RF",
                                        "6..6.5 below 0 LO + 2 RF, above 1 LO + 1 RF"}));
}

// A fixed-LO solve after a tracking one must not read the stale tracking LO.
TEST(SpurFreeBands, FixedLOIgnoresAnEarlierTrackingSolve) {
    SolveInput tracking = paperDesign(0, 20);
    tracking.trackingLO = true;
    tracking.loOffset = [] { return 2.5; }; // would fold 1 LO - 2 RF
    Solved s = solve(tracking);
    solveSpurMatrix(paperDesign(0, 20), s.state, *s.matrix);
    s.solve.trackingLO = false;
    // 1 LO - 2 RF = 10 - 2 RF stays positive: 6 to 4, no fold.
    const ProductSpan span =
        productSpan(*s.matrix, s.state, s.solve, 1, 2, ProductFamily::Difference);
    EXPECT_EQ(span.low, 4);
    EXPECT_EQ(span.high, 6);
}

} // namespace
