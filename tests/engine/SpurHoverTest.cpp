#include <gtest/gtest.h>

#include <memory>

#include "engine/SpurHover.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;
using namespace kestrel::hover;

namespace {

TEST(SpurHover, LineNames) {
    struct Case {
        const char* name;
        std::optional<LineKind> kind;
        int m, n, marker;
    };
    const Case cases[] = {
        {"Spurs7x4", LineKind::Sum, 7, 4, 0},   {"Spurs0x1", LineKind::Sum, 0, 1, 0},
        {"Spur3x2", LineKind::Difference, 3, 2, 0}, {"spur2x8", LineKind::Difference, 2, 8, 0},
        {"Mrkr1", LineKind::Marker, 0, 0, 1},   {"Mrkr2", LineKind::Marker, 0, 0, 2},
        {"Mrkr3", {}, 0, 0, 0},  {"Line22", {}, 0, 0, 0}, {"Spurs", {}, 0, 0, 0},
        {"Spurx1", {}, 0, 0, 0}, {"Spur1x", {}, 0, 0, 0}, {"Spur1x1a", {}, 0, 0, 0},
        {"lblRFANA", {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto id = parseLineName(c.name);
        ASSERT_EQ(id.has_value(), c.kind.has_value()) << c.name;
        if (!id) continue;
        EXPECT_EQ(id->kind, *c.kind) << c.name;
        EXPECT_EQ(id->m, c.m) << c.name;
        EXPECT_EQ(id->n, c.n) << c.name;
        EXPECT_EQ(id->marker, c.marker) << c.name;
    }
}

// The 1x1 sum of the start-up design's first step sits at 36.5 GHz:
// x = 6.5 / 20 x 7215 = 2344.875.
constexpr double kX = 2344.875;

std::vector<PlacedLine> overlapping() {
    return {
        {"Line11", "", kX, 360, true, {}},          // graticule: never a hit
        {"Spur2x1", "", kX - 45, 1620, true, {}},   // exactly at reach
        {"Mrkr1", "", kX + 5, 360, true, {}},
        {"Spurs3x2", "", kX + 10, 1000, true, {}},
        {"Spur6x5", "", kX + 45.125, 500, true, {}}, // just out of reach
        {"Spurs0x1", "", kX, 200, false, {}},       // hidden
        {"Spurs1x1", "1 LO + 1 RF", kX, 360, true, {}},
        {"Spurs7x1", "", kX + 1, 1080, true, {}},
    };
}

TEST(SpurHover, OverlappingLinesStrongestFirstMarkersLast) {
    const auto lines = overlapping();
    EXPECT_EQ(hitLines(kX, lines), (std::vector<std::size_t>{6, 3, 7, 1, 2}));
    // Pointer 3 px to the right: only what is within 45 twips of it.
    EXPECT_EQ(hitLines(kX + 45, lines), (std::vector<std::size_t>{6, 4, 3, 7, 2}));
    EXPECT_TRUE(hitLines(0, lines).empty());
}

TEST(SpurHover, TooltipForAPlacedStep) {
    auto matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    solveSpurMatrix(reference::initialDesign(), state, *matrix);
    const auto lines = overlapping();
    // The start-up design wants its sum.
    HoverContext context{matrix.get(), 0, "GHz", 37, 40, nullptr, ProductFamily::Sum};
    EXPECT_EQ(tooltipText(lines, hitLines(kX, lines), context),
              "1 LO + 1 RF: 36.5 GHz, wanted output\n"
              "3 LO + 2 RF: 97 GHz, -17.78 dBc\n"
              "7 LO + 1 RF: 180.5 GHz, -20 dBc\n"
              "2 LO - 1 RF: 35.5 GHz, -35 dBc\n"
              "Marker 1: 37 GHz");
    // The last step of the sweep, another unit.
    context.shownStep = 10;
    context.unit = "MHz";
    EXPECT_EQ(tooltipText(lines, {6, 1}, context),
              "1 LO + 1 RF: 40.5 MHz, wanted output\n2 LO - 1 RF: 31.5 MHz, -35 dBc");
    // A line above the reference: a positive level.
    const std::vector<PlacedLine> high = {{"Spur1x2", "", 0, 0, true, {}}};
    EXPECT_EQ(tooltipText(high, {0}, context), "1 LO - 2 RF: 9 MHz, 10 dBc");
    EXPECT_EQ(tooltipText(lines, {}, context), "");
}

TEST(SpurHover, TheLinesOwnFrequencyWins) {
    // Placed before a new solve changed the matrix: the line tells where it is.
    auto matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    solveSpurMatrix(reference::initialDesign(), state, *matrix);
    const std::vector<PlacedLine> lines = {{"Spur2x1", "2 LO - 1 RF", 10, 1620, true, 35.25f},
                                           {"Mrkr2", "", 12, 360, true, 41.5f},
                                           {"Spurs1x0", "", 14, 504, true, {}}};
    const HoverContext context{matrix.get(), 0, "GHz", 37, 40};
    EXPECT_EQ(tooltipText(lines, {0, 2, 1}, context),
              "2 LO - 1 RF: 35.25 GHz, -35 dBc\n1 LO + 0 RF: 24 GHz, -4 dBc\nMarker 2: 41.5 GHz");
}

// Behind the converter's filters the shown step's row gives the level, and
// a product over the limit line says by how much.
TEST(SpurHover, ConverterRowsGiveTheLevelAndTheExcess) {
    const auto row = [](int m, int n, ProductFamily family, std::optional<double> level) {
        SpurTableRow r;
        r.m = m;
        r.n = n;
        r.family = family;
        r.level = level;
        return r;
    };
    SpurTableRow over = row(3, 2, ProductFamily::Difference, -52.456);
    over.limit = -60;
    over.margin = -7.544;
    SpurTableRow noLevel = row(7, 8, ProductFamily::Sum, {});
    noLevel.limit = -60;
    SpurTableRow image = row(1, 1, ProductFamily::Sum, -12.5);
    image.role = ProductRole::Image;
    const std::vector<PlacedLine> lines = {{"Spur3x2", "", 10, 1620, true, 38.5f},
                                           {"Spurs7x8", "", 12, 4000, true, 36.f},
                                           {"Spurs1x1", "", 14, 720, true, 36.5f},
                                           {"Spur1x1", "", 16, 360, true, 11.5f},
                                           {"Spur2x2", "", 18, 3600, true, 40.f}};
    HoverContext context{nullptr, 0, "GHz", 37, 40};
    context.wanted = ProductFamily::Difference;
    context.converterRow = [&](int m, int n, ProductFamily f) -> const SpurTableRow* {
        for (const SpurTableRow* r : {&over, &noLevel, &image})
            if (r->m == m && r->n == n && r->family == f) return r;
        return nullptr;
    };
    EXPECT_EQ(tooltipText(lines, {0, 1, 2, 3, 4}, context),
              "3 LO - 2 RF: 38.5 GHz, -52.46 dBc, over the limit by 7.54 dB\n"
              "7 LO + 8 RF: 36 GHz, no level, fails the limit line\n"
              "1 LO + 1 RF: 36.5 GHz, image, -12.5 dBc\n"
              "1 LO - 1 RF: 11.5 GHz, wanted output\n"
              "2 LO - 2 RF: 40 GHz, -90 dBc");
}

} // namespace
