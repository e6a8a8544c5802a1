// Receiver responses worked out by hand: the input bands of a down- and an
// up-converter and a tracking LO, their names, the mixer's rejection from
// the estimate and from a spur table, and a preselector's against its formula.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/ReceiverResponses.h"

using namespace kestrel;

namespace {

using B = ResponseBranch;

struct Band {
    int m, n;
    B branch;
    double from, to;
};

void expectBands(const std::vector<ResponseBand>& got, const std::vector<Band>& want, const char* what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].m, want[i].m) << what << " #" << i;
        EXPECT_EQ(got[i].n, want[i].n) << what << " #" << i;
        EXPECT_EQ(got[i].branch, want[i].branch) << what << " #" << i;
        EXPECT_NEAR(got[i].from, want[i].from, 1e-12) << what << " #" << i;
        EXPECT_NEAR(got[i].to, want[i].to, 1e-12) << what << " #" << i;
    }
}

TEST(ReceiverResponses, BandsOfHandWorkedConverters) {
    struct Case {
        const char* what;
        double lo, out1, out2;
        int mMax, nMax;
        std::vector<Band> want;
    };
    const std::vector<Case> cases = {
        // LO 10, IF 1 to 1.5: the sums lie below 0 and are left out.
        {"down-converter", 10, 1, 1.5, 2, 2,
         {{0, 1, B::Direct, 1, 1.5}, {0, 2, B::Direct, 0.5, 0.75},
          {1, 1, B::LoMinusRf, 8.5, 9}, {1, 1, B::RfMinusLo, 11, 11.5},
          {1, 2, B::LoMinusRf, 4.25, 4.5}, {1, 2, B::RfMinusLo, 5.5, 5.75},
          {2, 1, B::LoMinusRf, 18.5, 19}, {2, 1, B::RfMinusLo, 21, 21.5},
          {2, 2, B::LoMinusRf, 9.25, 9.5}, {2, 2, B::RfMinusLo, 10.5, 10.75}}},
        // LO 10, output 11 to 12 given the other way round: LO - RF below 0.
        {"up-converter", 10, 12, 11, 1, 2,
         {{0, 1, B::Direct, 11, 12}, {0, 2, B::Direct, 5.5, 6},
          {1, 1, B::Sum, 1, 2}, {1, 1, B::RfMinusLo, 21, 22},
          {1, 2, B::Sum, 0.5, 1}, {1, 2, B::RfMinusLo, 10.5, 11}}},
        // An output band around the LO: sum and LO - RF are cut at 0.
        {"cut at 0", 10, 9, 12, 1, 1,
         {{0, 1, B::Direct, 9, 12}, {1, 1, B::Sum, 0, 2}, {1, 1, B::LoMinusRf, 0, 1},
          {1, 1, B::RfMinusLo, 19, 22}}},
        // An output band ending on 0: the feedthrough and the sum are left out.
        {"touching 0", 4, -1, 0, 1, 1, {{1, 1, B::LoMinusRf, 4, 5}, {1, 1, B::RfMinusLo, 3, 4}}},
    };
    for (const Case& c : cases) expectBands(responseBands(c.lo, c.out1, c.out2, c.mMax, c.nMax), c.want, c.what);
}

TEST(ReceiverResponses, Names) {
    struct Case {
        int m, n;
        B branch, wanted;
        const char* name;
    };
    const Case cases[] = {
        {1, 1, B::LoMinusRf, B::LoMinusRf, "wanted"}, {1, 1, B::RfMinusLo, B::LoMinusRf, "image"},
        {1, 1, B::Sum, B::Sum, "wanted"},             {1, 1, B::Sum, B::RfMinusLo, "image"},
        {2, 2, B::Sum, B::Sum, "half-IF"},            {2, 2, B::RfMinusLo, B::Sum, "half-IF"},
        {0, 1, B::Direct, B::Sum, "IF feedthrough"},  {0, 2, B::Direct, B::Sum, "IF/2"},
        {0, 7, B::Direct, B::Sum, "IF/7"},            {2, 1, B::LoMinusRf, B::Sum, "LO harmonic 2"},
        {10, 1, B::Sum, B::Sum, "LO harmonic 10"},    {1, 2, B::Sum, B::Sum, "1 x 2"},
        {3, 2, B::RfMinusLo, B::Sum, "3 x 2"},        {2, 3, B::Sum, B::Sum, "2 x 3"},
    };
    for (const Case& c : cases) EXPECT_EQ(responseName(c.m, c.n, c.branch, c.wanted), c.name) << c.m << "x" << c.n;
    // The difference is wanted on the side of the step's RF.
    EXPECT_EQ(wantedBranch(ProductFamily::Difference, 10, 8.75), B::LoMinusRf);
    EXPECT_EQ(wantedBranch(ProductFamily::Difference, 10, 11), B::RfMinusLo);
    EXPECT_EQ(wantedBranch(ProductFamily::Sum, 10, 11), B::Sum);
}

// LO 10, RF 8 to 9.5 in 2 steps (8, 8.75, 9.5), IF 1 to 1.5, LO x2, RF x2,
// drives 8 and -5 dBm, conversion loss 8, RF isolation 25.
Design downConverter() {
    Design d;
    d.loFreq = 10;
    d.rfStart = 8;
    d.rfStop = 9.5;
    d.steps = "2";
    d.ifStart = 0.5f;
    d.ifStop = 2;
    d.marker1 = 1;
    d.marker2 = 1.5f;
    d.loHarmonics = "2";
    d.rfHarmonics = "2";
    return d;
}

struct Row {
    const char* name;
    double from;
    std::optional<double> total;
    std::optional<bool> pass;
};

void expectRows(const DesignResponses& got, const std::vector<Row>& want, const char* what) {
    ASSERT_TRUE(got.why.empty()) << got.why;
    ASSERT_EQ(got.responses.size(), want.size()) << what;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const ReceiverResponse& r = got.responses[i];
        EXPECT_EQ(r.name, want[i].name) << what << " #" << i;
        EXPECT_NEAR(r.band.from, want[i].from, 1e-6) << what << " #" << i;
        ASSERT_EQ(r.total.has_value(), want[i].total.has_value()) << what << " #" << i;
        if (r.total) {
            EXPECT_NEAR(*r.total, *want[i].total, 1e-9) << what << " #" << i;
        }
        EXPECT_EQ(r.pass, want[i].pass) << what << " #" << i;
    }
}

TEST(ReceiverResponses, MixerRejectionFromTheEstimateAndTheSpurTable) {
    const Filter none;
    // Estimate: (0,1) 8 - 25 = -17 dBc; (0,2) -(50 + 13); (1,2) -(55 + 13);
    // (2,1) -35; (2,2) -(50 + 13). Rejection -L / n, weakest first, ties by From.
    Design d = downConverter();
    const DesignResponses estimate = responsesFromDesign(d, none);
    EXPECT_EQ(estimate.step, 1);
    EXPECT_EQ(estimate.setting.rf, 8.75);
    expectRows(estimate,
               {{"wanted", 8.5, 0, {}},          {"image", 11, 0, false},
                {"IF feedthrough", 1, 17, false}, {"IF/2", 0.5, 31.5, false},
                {"half-IF", 9.25, 31.5, false},   {"half-IF", 10.5, 31.5, false},
                {"1 x 2", 4.25, 34, false},       {"1 x 2", 5.5, 34, false},
                {"LO harmonic 2", 18.5, 35, false}, {"LO harmonic 2", 21, 35, false}},
               "estimate");
    EXPECT_EQ(estimate.verdict, "FAIL: image at 11\u201311.5, 0.0 dB");

    // Spur table measured at -10 dBm: (2,2) -70 + 5 = -65, (2,1) -50 (no
    // scaling at n = 1); empty cells keep the estimate. Required 31.5.
    d.useIMT = true;
    d.imt.setCell(2, 2, -70);
    d.imt.setCell(2, 1, -50);
    d.respRequired = "31.5";
    const DesignResponses table = responsesFromDesign(d, none);
    expectRows(table,
               {{"wanted", 8.5, 0, {}},          {"image", 11, 0, false},
                {"IF feedthrough", 1, 17, false}, {"IF/2", 0.5, 31.5, true},
                {"half-IF", 9.25, 32.5, true},    {"half-IF", 10.5, 32.5, true},
                {"1 x 2", 4.25, 34, true},        {"1 x 2", 5.5, 34, true},
                {"LO harmonic 2", 18.5, 50, true}, {"LO harmonic 2", 21, 50, true}},
               "spur table");

    // Orders the estimate has no level for come first and fail without one.
    d = downConverter();
    d.loHarmonics = "7";
    d.rfHarmonics = "5";
    const DesignResponses noLevel = responsesFromDesign(d, none);
    ASSERT_FALSE(noLevel.responses.empty());
    EXPECT_EQ(noLevel.responses[0].name, "7 x 5");
    EXPECT_FALSE(noLevel.responses[0].mixer);
    EXPECT_EQ(noLevel.verdict, "FAIL: 7 x 5 at 13.7\u201313.8, no level");
}

TEST(ReceiverResponses, TrackingLOTakesTheStepsLO) {
    // RF 10 to 12 in 4 steps, LO = RF + 1.5, IF 1.4 to 1.6: the middle step
    // is 2 (RF 11, LO 12.5); step 0 has RF 10, LO 11.5.
    Design d = downConverter();
    d.offsetChecked = true;
    d.loOffset = 1.5f;
    d.rfStart = 10;
    d.rfStop = 12;
    d.steps = "4";
    d.marker1 = 1.6f;
    d.marker2 = 1.4f;
    d.loHarmonics = "1";
    d.rfHarmonics = "1";
    struct Case {
        std::optional<int> step;
        int stepShown;
        double lo, wantedFrom, imageFrom;
    };
    const Case cases[] = {{{}, 2, 12.5, 10.9, 13.9}, {0, 0, 11.5, 9.9, 12.9}, {4, 4, 13.5, 11.9, 14.9}};
    for (const Case& c : cases) {
        const DesignResponses got = responsesFromDesign(d, Filter{}, c.step);
        ASSERT_TRUE(got.why.empty()) << got.why;
        EXPECT_EQ(got.step, c.stepShown);
        EXPECT_EQ(got.setting.lo, c.lo);
        ASSERT_EQ(got.responses.size(), 3u);
        EXPECT_EQ(got.responses[0].name, "wanted");
        EXPECT_NEAR(got.responses[0].band.from, c.wantedFrom, 1e-6);
        EXPECT_NEAR(got.responses[0].band.to, c.wantedFrom + 0.2, 1e-6);
        EXPECT_EQ(got.responses[0].band.branch, B::LoMinusRf);
        EXPECT_EQ(got.responses[1].name, "image");
        EXPECT_NEAR(got.responses[1].band.from, c.imageFrom, 1e-6);
    }
    for (int bad : {-1, 5}) {
        const DesignResponses got = responsesFromDesign(d, Filter{}, bad);
        EXPECT_TRUE(got.stepOutOfRange) << bad;
        EXPECT_EQ(got.why, "step " + std::to_string(bad) + " is not one of the steps 0 to 4");
    }
}

// The filter formulas, written out.
double butterworthBandPass(double f, double low, double high, int order, double loss) {
    const double omega = std::fabs(f * f - low * high) / (f * (high - low));
    return loss + std::min(80.0, 10 * std::log10(1 + std::pow(omega, 2 * order))); // floor 80
}

double chebyshevBandPass(double f, double low, double high, int order, double ripple) {
    const double omega = std::fabs(f * f - low * high) / (f * (high - low));
    const double t = omega <= 1 ? std::cos(order * std::acos(omega)) : std::cosh(order * std::acosh(omega));
    return 10 * std::log10(1 + (std::pow(10, ripple / 10) - 1) * t * t);
}

TEST(ReceiverResponses, PreselectorMinimumOverTheBand) {
    const Filter butter{FilterShape::BandPass, FilterResponse::Butterworth, 8, 9, 3, 0.1, 1, 80, {}};
    const Filter cheby{FilterShape::BandPass, FilterResponse::Chebyshev, 8, 9, 3, 0.5, 0, 80, {}};
    const Filter lowPass{FilterShape::LowPass, FilterResponse::Butterworth, 0, 5, 4, 0.1, 2, 80, {}};
    const Filter highPass{FilterShape::HighPass, FilterResponse::Butterworth, 5, 0, 2, 0.1, 0, 80, {}};
    const Filter measured{FilterShape::Measured, FilterResponse::Butterworth, 0, 0, 5, 0.1, 0, 80,
                          {{1, 10}, {2, 3}, {3, 8}, {4, 20}}};
    struct Case {
        const char* what;
        const Filter& filter;
        double from, to, least;
        bool outside;
    };
    const Case cases[] = {
        {"above f0: the lower end", butter, 11, 11.5, butterworthBandPass(11, 8, 9, 3, 1), false},
        {"below f0: the upper end", butter, 1, 1.5, butterworthBandPass(1.5, 8, 9, 3, 1), false},
        {"f0 inside: the loss", butter, 8.3, 8.6, 1, false},
        // A ripple zero at Omega = cos(pi/6), f = 8.9293, between ends that ripple.
        {"ripple zero inside", cheby, 8.9, 8.95, 0, false},
        {"ripple, no zero inside", cheby, 8.0, 8.05, chebyshevBandPass(8.05, 8, 9, 3, 0.5), false},
        {"low-pass from 0", lowPass, 0, 3, 2, false},
        {"high-pass: the upper end", highPass, 1, 3, 10 * std::log10(1 + std::pow(5.0 / 3, 4)), false},
        {"measured: a point inside", measured, 1.5, 3.5, 3, false},
        {"measured: interpolated end", measured, 1.2, 1.8, 4.4, false},
        {"measured: beyond the data", measured, 3.5, 5, 3, true},
        {"none", Filter{}, 1, 2, 0, false},
    };
    for (const Case& c : cases) {
        const Attenuation got = minimumAttenuation(c.filter, c.from, c.to);
        EXPECT_NEAR(got.db, c.least, 1e-9) << c.what;
        EXPECT_EQ(got.outsideData, c.outside) << c.what;
    }
}

TEST(ReceiverResponses, ImageRejectionWithABandPassPreselector) {
    // The down-converter at RF 8.75 behind a Butterworth band-pass 8 to 9:
    // each response gains its band's least attenuation minus A(8.75).
    const Filter pre{FilterShape::BandPass, FilterResponse::Butterworth, 8, 9, 3, 0.1, 1, 80, {}};
    const double reference = butterworthBandPass(8.75, 8, 9, 3, 1);
    const DesignResponses got = responsesFromDesign(downConverter(), pre);
    ASSERT_TRUE(got.why.empty()) << got.why;
    struct Case {
        const char* name;
        double from, mixer, least;
    };
    const Case cases[] = {
        {"wanted", 8.5, 0, butterworthBandPass(8.5, 8, 9, 3, 1)},
        {"image", 11, 0, butterworthBandPass(11, 8, 9, 3, 1)},
        {"half-IF", 9.25, 31.5, butterworthBandPass(9.25, 8, 9, 3, 1)},
        {"IF feedthrough", 1, 17, butterworthBandPass(1.5, 8, 9, 3, 1)},
    };
    for (const Case& c : cases) {
        const auto r = std::find_if(got.responses.begin(), got.responses.end(), [&](const ReceiverResponse& x) {
            return x.name == c.name && std::fabs(x.band.from - c.from) < 1e-9;
        });
        ASSERT_NE(r, got.responses.end()) << c.name;
        EXPECT_NEAR(r->preselector, c.least - reference, 1e-9) << c.name;
        EXPECT_NEAR(*r->total, c.mixer + c.least - reference, 1e-9) << c.name;
    }
    EXPECT_NEAR(got.responses[0].preselector, butterworthBandPass(8.5, 8, 9, 3, 1) - reference, 1e-9);
    EXPECT_EQ(got.responses[0].name, "wanted"); // within a fraction of a dB of 0
}

} // namespace
