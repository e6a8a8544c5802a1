#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "engine/GridFill.h"
#include "engine/LevelModel.h"
#include "engine/NumberText.h"
#include "engine/SpurCurves.h"
#include "engine/SpurHover.h"
#include "engine/SpurSolver.h"
#include "engine/SpurTable.h"
#include "engine/WantedProduct.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

constexpr auto Sum = ProductFamily::Sum;
constexpr auto Diff = ProductFamily::Difference;

struct Solved {
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve;
};

// LO 24 (or RF + offset), RF 12.5 to 16.5 in 10 steps: RF 14.5 at the middle step.
Solved solved(float ifStart, float ifStop, std::optional<double> offset = {}) {
    SolveInput in = reference::initialDesign();
    in.ifStart = ifStart;
    in.ifStop = ifStop;
    in.trackingLO = offset.has_value();
    in.loOffset = [offset] { return offset.value_or(0); };
    Solved s;
    solveSpurMatrix(in, s.state, *s.matrix);
    s.solve = {in.mMax, in.nMax, in.trackingLO};
    return s;
}

TEST(WantedProduct, TheMarkersDecideThenTheBandThenTheDifference) {
    struct Case {
        const char* what;
        float ifStart, ifStop;
        std::optional<double> offset;
        std::optional<MarkerPair> markers;
        ProductFamily expected;
    } const cases[] = {
        // Fixed LO 24 at RF 14.5: sum 38.5, difference 9.5.
        {"up: markers bracket the sum", 30, 50, {}, MarkerPair{37, 40}, Sum},
        {"up: markers bracket the difference, not the band", 30, 50, {}, MarkerPair{5, 10}, Diff},
        {"up: markers on the sum's edge, reversed", 30, 50, {}, MarkerPair{45, 38.5f}, Sum},
        {"up: both, the band decides", 30, 50, {}, MarkerPair{5, 40}, Sum},
        {"up: neither, the band decides", 30, 50, {}, MarkerPair{60, 70}, Sum},
        {"up: no markers", 30, 50, {}, std::nullopt, Sum},
        {"down: markers bracket the difference", 5, 15, {}, MarkerPair{9, 10}, Diff},
        {"down: markers bracket the sum, not the band", 5, 15, {}, MarkerPair{38, 39}, Sum},
        {"down: both, the band decides", 5, 15, {}, MarkerPair{40, 5}, Diff},
        {"down: neither", 5, 15, {}, MarkerPair{0, 1}, Diff},
        {"band holds both, markers the sum", 5, 50, {}, MarkerPair{38, 39}, Sum},
        {"band holds both, markers neither", 5, 50, {}, MarkerPair{60, 61}, Diff},
        // Tracking LO 53 at RF 14.5: sum 67.5, difference 38.5.
        {"tracking: markers bracket the sum", 30, 50, 38.5, MarkerPair{60, 70}, Sum},
        {"tracking: markers on the difference's edge", 30, 50, 38.5, MarkerPair{38.5f, 30}, Diff},
        {"tracking: both, the band decides", 30, 50, 38.5, MarkerPair{30, 70}, Diff},
        {"tracking: neither, sum in the band", 60, 70, 38.5, MarkerPair{0, 1}, Sum},
    };
    for (const Case& c : cases) {
        const Solved s = solved(c.ifStart, c.ifStop, c.offset);
        EXPECT_EQ(defaultWantedProduct(*s.matrix, s.state, s.solve, c.markers), c.expected)
            << c.what;
    }
}

TEST(WantedProduct, RolesAndTheImageLevelAgreeEverywhere) {
    MixerSpurTable measured;
    measured.setCell(2, 1, -42);
    const LevelInputs drives{8, -5, 8, 25, 25};
    const PairLevels models[] = {BuiltInLevelModel().evaluate(drives), measured.evaluate(drives)};
    const Solved s = solved(30, 50);
    for (ProductFamily wanted : {Sum, Diff}) {
        const ProductFamily image = wanted == Sum ? Diff : Sum;
        for (const PairLevels& levels : models) {
            // The table export.
            for (const SpurTableRow& row :
                 spurTableRows(*s.matrix, s.state, s.solve, &levels, std::nullopt, wanted)) {
                if (row.step != 0) break;
                const ProductRole expected =
                    row.m == 1 && row.n == 1
                        ? (row.family == wanted ? ProductRole::Wanted : ProductRole::Image)
                        : ProductRole::Spur;
                EXPECT_EQ(row.role, expected) << row.m << "x" << row.n;
                if (row.m == 1 && row.n == 1) {
                    EXPECT_EQ(row.level, 0.0);
                }
            }
            // The chart's curves.
            for (const SpurCurve& c : spurCurves(*s.matrix, s.state, s.solve, &levels, wanted)) {
                if (c.m != 1 || c.n != 1) continue;
                EXPECT_EQ(c.role, c.family == wanted ? ProductRole::Wanted : ProductRole::Image);
                EXPECT_EQ(c.level, 0.0);
            }
            // The hover, over a 1x1 line at the 0 dBc reference.
            const std::vector<hover::PlacedLine> lines = {
                {image == Sum ? "Spurs1x1" : "Spur1x1", "", 100, 360, true, 20.5f},
                {wanted == Sum ? "Spurs1x1" : "Spur1x1", "", 100, 360, true, 20.5f},
                {"Spur2x1", "", 100, 1872, true, 30.5f}};
            hover::HoverContext context{s.matrix.get(), 0, "GHz", 37, 40, &levels, wanted};
            const std::string imageName = productName(1, 1, image);
            const std::string wantedName = productName(1, 1, wanted);
            EXPECT_EQ(hover::tooltipText(lines, {0}, context),
                      imageName + ": 20.5 GHz, image, 0 dBc");
            EXPECT_EQ(hover::tooltipText(lines, {1}, context),
                      wantedName + ": 20.5 GHz, wanted output");
            EXPECT_EQ(hover::tooltipText(lines, {2}, context), "2 LO - 1 RF: 30.5 GHz, -42 dBc");
        }
    }
    struct Name {
        int m, n;
        ProductFamily family;
        const char* text;
    } const names[] = {{1, 1, Sum, "wanted output"},
                       {1, 1, Diff, "image"},
                       {7, 4, Sum, "7 LO + 4 RF"},
                       {1, 2, Diff, "1 LO - 2 RF"},
                       {2, 1, Sum, "2 LO + 1 RF"}};
    for (const Name& c : names)
        EXPECT_EQ(roleText(productRole(c.m, c.n, c.family, Sum), c.m, c.n, c.family), c.text);
}

// Markers on the band edges: every product the grid shows at a step is
// between the markers in the export, and nothing else is.
TEST(WantedProduct, BetweenMarkersAgreesWithTheGridAtTheEdges) {
    const Solved s = solved(30, 50);
    const MarkerPair edges[] = {
        {36.5f, 40}, {40, 37.7f}, {35.5f, 48.5f}, {13.7f, 37.7f}, {38.5f, 38.5f}};
    for (const MarkerPair& markers : edges) {
        GridFillInput in;
        in.mMax = 8;
        in.nMax = 8;
        in.ifStart = std::min(markers.marker1, markers.marker2);
        in.ifStop = std::max(markers.marker1, markers.marker2);
        const auto rows = spurTableRows(*s.matrix, s.state, s.solve, nullptr, markers, Sum);
        for (int k : {0, 3, 5, 10}) {
            const GridCells grid = fillStepGrid(*s.matrix, k, in, {});
            for (const SpurTableRow& row : rows) {
                if (row.step != k) continue;
                const int cell = GridCells::index(row.m, row.n);
                const bool shown = row.family == Sum
                                       ? grid.ink[cell] == kSumInk
                                       : grid.text[cell] == formatFixed2(shortText(row.frequency));
                EXPECT_EQ(row.betweenMarkers, shown && !grid.text[cell].empty())
                    << row.m << "x" << row.n << " at step " << k << ", " << markers.marker1;
            }
        }
    }
}

} // namespace
