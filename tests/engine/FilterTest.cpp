// Filter responses against their formulas worked out independently, and the
// measured response's interpolation and outside-data rule.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Filter.h"

using namespace kestrel;

namespace {

Filter analytic(FilterShape shape, FilterResponse response, double low, double high, int order, double ripple,
                double loss, double floor) {
    return {.shape = shape, .response = response, .low = low, .high = high, .order = order, .ripple = ripple,
            .loss = loss, .floor = floor, .points = {}};
}

constexpr auto BW = FilterResponse::Butterworth;
constexpr auto CH = FilterResponse::Chebyshev;
constexpr auto BP = FilterShape::BandPass;
constexpr auto LP = FilterShape::LowPass;
constexpr auto HP = FilterShape::HighPass;

struct ResponseCase {
    const char* what;
    Filter filter;
    double f;
    double db;
};

TEST(FilterResponse, MatchesTheFormulas) {
    const Filter bwBand = analytic(BP, BW, 1, 4, 3, 0.1, 0.5, 80);
    const Filter bwLow = analytic(LP, BW, 0, 10, 5, 0.1, 0, 80);
    const Filter bwHigh = analytic(HP, BW, 10, 0, 2, 0.1, 1, 60);
    const Filter chLow = analytic(LP, CH, 0, 1, 3, 0.5, 0, 80);
    const Filter chBand = analytic(BP, CH, 1, 4, 4, 0.1, 2, 100);
    const Filter chHigh = analytic(HP, CH, 10, 0, 5, 1, 0, 70);
    const ResponseCase cases[] = {
        {"band-pass centre: the insertion loss", bwBand, 2, 0.5},
        {"band-pass lower 3 dB edge", bwBand, 1, 3.5103},
        {"band-pass upper 3 dB edge", bwBand, 4, 3.5103},
        {"band-pass above", bwBand, 8, 24.394153},
        {"band-pass below, geometric mirror of 8", bwBand, 0.5, 24.394153},
        {"low-pass in band", bwLow, 5, 0.004239},
        {"low-pass an octave up", bwLow, 20, 30.107239},
        {"low-pass far up: the floor", bwLow, 1000, 80},
        {"high-pass in band", bwHigh, 20, 1.263289},
        {"high-pass an octave down", bwHigh, 5, 13.304489},
        {"high-pass far down: loss + floor", bwHigh, 0.01, 61},
        {"Chebyshev low-pass, ripple trough", chLow, 0.5, 0.5},
        {"Chebyshev low-pass, ripple edge", chLow, 1, 0.5},
        {"Chebyshev low-pass, T3(2) = 26", chLow, 2, 19.216057},
        {"Chebyshev low-pass just beyond the edge", chLow, 1.2, 3.689304},
        {"Chebyshev band-pass, even order: ripple at the centre", chBand, 2, 2.1},
        {"Chebyshev band-pass in band", chBand, 1.5, 2.000073},
        {"Chebyshev band-pass above", chBand, 8, 34.09055},
        {"Chebyshev band-pass far above", chBand, 40, 93.592976},
        {"Chebyshev band-pass farther: loss + floor", chBand, 400, 102},
        {"Chebyshev high-pass in band", chHigh, 20, 0.2724},
        {"Chebyshev high-pass, ripple edge", chHigh, 10, 1.0},
        {"Chebyshev high-pass below", chHigh, 8, 18.287529},
        {"Chebyshev high-pass far below: the floor", chHigh, 2, 70},
    };
    for (const auto& c : cases) {
        const Attenuation a = c.filter.attenuation(c.f);
        EXPECT_NEAR(a.db, c.db, 1e-5) << c.what;
        EXPECT_FALSE(a.outsideData) << c.what;
    }
}

TEST(FilterResponse, ExtremesGiveTheFloorNeverInfinityOrNaN) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        Filter filter;
        double f;
        double db;
    } cases[] = {
        {"Butterworth order 15, Omega^30 beyond a double", analytic(LP, BW, 0, 1, 15, 0.1, 0.5, 150), 1e30, 150.5},
        {"Chebyshev order 15, cosh beyond a double", analytic(LP, CH, 0, 1, 15, 3, 0, 150), 1e300, 150},
        {"Chebyshev high-pass at the smallest frequency", analytic(HP, CH, 1, 0, 15, 3, 0, 20), 4.9e-324, 20},
        {"band-pass at an infinite frequency", analytic(BP, BW, 1, 2, 3, 0.1, 0, 90), inf, 90},
        {"f = 0: loss + floor", analytic(BP, CH, 1, 2, 3, 0.1, 1.5, 90), 0, 91.5},
        {"f < 0: loss + floor", analytic(LP, BW, 0, 2, 3, 0.1, 1.5, 90), -3, 91.5},
        {"f = 0 for a high-pass too", analytic(HP, BW, 2, 0, 3, 0.1, 0, 40), 0, 40},
        {"band-pass with no width: the floor", analytic(BP, BW, 2, 2, 3, 0.1, 0, 50), 2, 50},
        {"None: nothing", analytic(FilterShape::None, BW, 1, 2, 3, 0.1, 5, 80), -1, 0},
    };
    for (const auto& c : cases) {
        const Attenuation a = c.filter.attenuation(c.f);
        ASSERT_TRUE(std::isfinite(a.db)) << c.what;
        EXPECT_NEAR(a.db, c.db, 1e-9) << c.what;
    }
}

TEST(FilterResponse, MeasuredInterpolatesAndHoldsTheSmallestLossOutside) {
    Filter f;
    f.shape = FilterShape::Measured;
    f.points = {{1, 2}, {2, 6}, {4, 3}, {5, 10}};
    struct Case {
        double f;
        double db;
        bool outside;
    } cases[] = {
        {1, 2, false}, {1.5, 4, false}, {2, 6, false}, {3, 4.5, false}, {5, 10, false},
        {4.5, 6.5, false}, {0.99, 2, true}, {5.01, 2, true}, {-1, 2, true}, {std::nan(""), 2, true},
    };
    for (const auto& c : cases) {
        const Attenuation a = f.attenuation(c.f);
        EXPECT_NEAR(a.db, c.db, 1e-12) << c.f;
        EXPECT_EQ(a.outsideData, c.outside) << c.f;
    }
    // The smallest loss is not always at an end.
    f.points = {{1, 9}, {2, 0.5}, {3, 7}};
    EXPECT_EQ(f.attenuation(10).db, 0.5);
    f.points = {{1, 4}};
    EXPECT_EQ(f.attenuation(1).db, 4);
    EXPECT_FALSE(f.attenuation(1).outsideData);
    EXPECT_TRUE(f.attenuation(2).outsideData);
    f.points.clear();
    EXPECT_EQ(f.attenuation(1).db, 0);
}

} // namespace
