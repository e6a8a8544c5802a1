#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/GridFill.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"
#include "tests/support/ReferenceFill.h"

using namespace kestrel;

namespace {

using Inks = std::array<Ink, kFillSize * kFillSize>;

using kestrel::reference::literalFill;

struct Design {
    double rfStart, rfStop;
    std::int16_t steps;
    float lo, ifStart, ifStop;
    int mMax, nMax;
    bool tracking;
    double offset;
    bool sumOnly;
};

const Design kDesigns[] = {
    {12.5, 16.5, 10, 24, 30, 50, 8, 8, false, 0, false},
    {12.5, 16.5, 10, 24, 30, 50, 8, 8, false, 0, true},
    {12.5, 16.5, 100, 24, 30, 50, 10, 8, false, 0, false},
    {16.5, 12.5, 25, 24, 5, 12, 10, 8, false, 0, false},
    {12.5, 16.5, 10, 24, 30, 50, 8, 8, true, 38.5, false},
    {2000, 2400, 75, 2150, 100, 400, 6, 5, false, 0, false},
    {3000, 4000, 50, 2500, 4500, 7500, 10, 8, true, -1500, false},
    {1, 2, 0, 3, 0, 10, 3, 3, false, 0, false},
    {12.5, 16.5, 15, 24, 37, 40, 1, 1, false, 0, false},
};

class GridFillMatchesLiteral : public ::testing::TestWithParam<Design> {};

TEST_P(GridFillMatchesLiteral, TextsAndInks) {
    const Design& d = GetParam();
    WorkingState state;
    auto mx = std::make_unique<SpurMatrix>();
    SolveInput in;
    in.rfStart = d.rfStart;
    in.rfStop = d.rfStop;
    in.numSteps = d.steps;
    in.loFreq = d.lo;
    in.ifStart = d.ifStart;
    in.ifStop = d.ifStop;
    in.mMax = d.mMax;
    in.nMax = d.nMax;
    in.trackingLO = d.tracking;
    in.loOffset = [&] { return d.offset; };
    solveSpurMatrix(in, state, *mx);

    const GridFillInput fill{d.steps, d.mMax, d.nMax, d.ifStart, d.ifStop, d.sumOnly};
    Inks before{};
    before[GridCells::index(0, 0)] = Rgb{1, 2, 3};
    before[GridCells::index(10, 10)] = kDiffInk;
    const GridCells expected = literalFill(*mx, fill, before);
    const GridCells got = fillSpurGrid(*mx, fill, before);
    for (int i = 0; i < kFillSize * kFillSize; ++i) {
        EXPECT_EQ(got.text[i], expected.text[i]) << "cell " << i;
        EXPECT_EQ(got.ink[i], expected.ink[i]) << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, GridFillMatchesLiteral, ::testing::ValuesIn(kDesigns));

struct Fixture {
    WorkingState state;
    std::unique_ptr<SpurMatrix> mx = std::make_unique<SpurMatrix>();
};

TEST(GridFill, DefaultDesignKnownCells) {
    Fixture f;
    solveSpurMatrix(reference::initialDesign(), f.state, *f.mx);
    const GridCells g = fillSpurGrid(*f.mx, {10, 8, 8, 30, 50, false}, Inks{});
    EXPECT_EQ(g.text[GridCells::index(1, 1)], "40.50");
    EXPECT_EQ(g.ink[GridCells::index(1, 1)], kSumInk);
    EXPECT_EQ(g.text[GridCells::index(0, 0)], "");
    EXPECT_EQ(g.ink[GridCells::index(0, 0)], std::nullopt);
    // 2xLO = 48 in band at every step, nothing else of the pair.
    EXPECT_EQ(g.text[GridCells::index(2, 0)], "48.00");
    // 3xRF - 1xLO: |24 - 3 RF| runs 13.5 .. 25.5: never in band; 3xRF + 0 runs 37.5 .. 49.5.
    EXPECT_EQ(g.text[GridCells::index(0, 3)], "49.50");
    // A difference in band: |4 LO - 4 RF| = 96 - 4 RF runs 46 .. 30.
    EXPECT_EQ(g.text[GridCells::index(4, 4)], "30.00");
    EXPECT_EQ(g.ink[GridCells::index(4, 4)], kDiffInk);
}

TEST(GridFill, BothInBandShowsDifferenceInSumColour) {
    Fixture f;
    // LO 0 makes sum and difference equal: n RF.
    f.mx->SumSpur(0, 1, 2) = 40;
    f.mx->DiffSpur(0, 1, 2) = 35;
    const GridCells g = fillSpurGrid(*f.mx, {0, 1, 2, 30, 50, false}, Inks{});
    EXPECT_EQ(g.text[GridCells::index(1, 2)], "35.00");
    EXPECT_EQ(g.ink[GridCells::index(1, 2)], kSumInk);
    const GridCells sumOnly = fillSpurGrid(*f.mx, {0, 1, 2, 30, 50, true}, Inks{});
    EXPECT_EQ(sumOnly.text[GridCells::index(1, 2)], "40.00");
}

TEST(GridFill, BandEdgesAreInclusiveInSinglePrecision) {
    Fixture f;
    f.mx->SumSpur(0, 0, 1) = 30;
    f.mx->SumSpur(0, 0, 2) = 50;
    f.mx->SumSpur(0, 0, 3) = std::nextafter(50.f, 100.f);
    f.mx->SumSpur(0, 0, 4) = std::nextafter(30.f, 0.f);
    const GridCells g = fillSpurGrid(*f.mx, {0, 0, 4, 30, 50, true}, Inks{});
    EXPECT_EQ(g.text[GridCells::index(0, 1)], "30.00");
    EXPECT_EQ(g.text[GridCells::index(0, 2)], "50.00");
    EXPECT_EQ(g.text[GridCells::index(0, 3)], "");
    EXPECT_EQ(g.text[GridCells::index(0, 4)], "");
}

TEST(GridFill, LastInBandStepWinsAndEmptyCellsKeepTheirInk) {
    Fixture f;
    f.mx->DiffSpur(0, 2, 2) = 31; // in band at step 0 only, as a difference
    f.mx->SumSpur(1, 2, 2) = 45;  // then as a sum at step 1
    f.mx->SumSpur(2, 2, 2) = 99;  // out of band at the last step
    Inks before{};
    before[GridCells::index(3, 3)] = kDiffInk;
    const GridCells g = fillSpurGrid(*f.mx, {2, 3, 3, 30, 50, false}, before);
    EXPECT_EQ(g.text[GridCells::index(2, 2)], "45.00");
    EXPECT_EQ(g.ink[GridCells::index(2, 2)], kSumInk);
    EXPECT_EQ(g.text[GridCells::index(3, 3)], "");
    EXPECT_EQ(g.ink[GridCells::index(3, 3)], kDiffInk);
}

TEST(GridFill, FormatsTheShortTextNotTheFloat) {
    Fixture f;
    f.mx->SumSpur(0, 1, 0) = 40.125f; // a banker's rounding of the float would give 40.12
    const GridCells g = fillSpurGrid(*f.mx, {0, 1, 0, 30, 50, false}, Inks{});
    EXPECT_EQ(g.text[GridCells::index(1, 0)], "40.13");
}

TEST(GridFill, HeaderTexts) {
    EXPECT_EQ(loHeaderText(0), "0xLO");
    EXPECT_EQ(loHeaderText(10), "10xLO");
    EXPECT_EQ(rfHeaderText(8), "8xRF");
}

} // namespace
