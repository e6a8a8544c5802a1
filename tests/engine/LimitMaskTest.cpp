// The limit line as the analyzer draws it over the display band.
#include <gtest/gtest.h>

#include "engine/LimitMask.h"

using namespace kestrel;

namespace {

struct MaskCase {
    const char* name;
    std::vector<LimitBand> line;
    float start, stop;
    std::vector<MaskStretch> expected;
};

LimitBand dbc(std::optional<double> from, std::optional<double> to, double limit) {
    return {from, to, limit, LimitUnit::Dbc};
}

TEST(LimitMask, TheLowestLimitOverTheBandInStretches) {
    const MaskCase cases[] = {
        {"whole band", {dbc({}, {}, -60)}, 30, 50, {{30, 50, -60}}},
        {"reversed band", {dbc({}, {}, -60)}, 50, 30, {{30, 50, -60}}},
        {"a notch", {dbc({}, {}, -60), dbc(35, 40, -80)}, 30, 50, {{30, 35, -60}, {35, 40, -80}, {40, 50, -60}}},
        {"a higher row loses", {dbc({}, {}, -60), dbc(35, 40, -50)}, 30, 50, {{30, 50, -60}}},
        {"part of the band", {dbc(35, 40, -70)}, 30, 50, {{35, 40, -70}}},
        {"reversed row", {dbc(40, 35, -70)}, 30, 50, {{35, 40, -70}}},
        {"touching rows at one limit", {dbc({}, 40, -60), dbc(40, {}, -60)}, 30, 50, {{30, 50, -60}}},
        {"from beyond the band", {dbc(20, 60, -65)}, 30, 50, {{30, 50, -65}}},
        {"outside the band", {dbc(60, 70, -60)}, 30, 50, {}},
        {"empty band", {dbc({}, {}, -60)}, 30, 30, {}},
        {"no rows", {}, 30, 50, {}},
    };
    for (const MaskCase& c : cases) EXPECT_EQ(limitMask(c.line, c.start, c.stop, -13), c.expected) << c.name;
}

TEST(LimitMask, AdBmRowIsReadAgainstTheWantedOutput) {
    const std::vector<LimitBand> line{{{}, {}, -90, LimitUnit::Dbm}, dbc(45, {}, -80)};
    const std::vector<MaskStretch> expected{{30, 45, -77}, {45, 50, -80}};
    EXPECT_EQ(limitMask(line, 30, 50, -13), expected);
}

} // namespace
