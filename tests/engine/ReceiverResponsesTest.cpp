// Receiver responses worked out by hand: the input bands of a down- and an
// up-converter and a tracking LO, their names, the mixer's rejection from
// the estimate and from a spur table, and a preselector's against its formula.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/NumberText.h"
#include "engine/ReceiverResponses.h"

using namespace kestrel;

namespace {

using B = ResponseBranch;

std::vector<std::string> bandsOf(double lo, double out1, double out2, int mMax, int nMax) {
    std::vector<std::string> bands;
    for (const ResponseBand& b : responseBands(lo, out1, out2, mMax, nMax))
        bands.push_back(std::to_string(b.m) + "x" + std::to_string(b.n) + " " + branchText(b.branch) + " " +
                        shortText(float(b.from)) + "-" + shortText(float(b.to)));
    return bands;
}

TEST(ReceiverResponses, BandsOfHandWorkedConverters) {
    // LO 10, IF 1 to 1.5: the sums lie below 0 and are left out.
    EXPECT_EQ(bandsOf(10, 1, 1.5, 2, 2),
              (std::vector<std::string>{"0x1 RF 1-1.5", "0x2 RF 0.5-0.75", "1x1 LO - RF 8.5-9", "1x1 RF - LO 11-11.5",
                                        "1x2 LO - RF 4.25-4.5", "1x2 RF - LO 5.5-5.75", "2x1 LO - RF 18.5-19",
                                        "2x1 RF - LO 21-21.5", "2x2 LO - RF 9.25-9.5", "2x2 RF - LO 10.5-10.75"}));
    // Up-converter, LO 10, output 11 to 12 given the other way round.
    EXPECT_EQ(bandsOf(10, 12, 11, 1, 2),
              (std::vector<std::string>{"0x1 RF 11-12", "0x2 RF 5.5-6", "1x1 sum 1-2", "1x1 RF - LO 21-22",
                                        "1x2 sum 0.5-1", "1x2 RF - LO 10.5-11"}));
    // An output band around the LO: sum and LO - RF are cut at 0.
    EXPECT_EQ(bandsOf(10, 9, 12, 1, 1),
              (std::vector<std::string>{"0x1 RF 9-12", "1x1 sum 0-2", "1x1 LO - RF 0-1", "1x1 RF - LO 19-22"}));
    // An output band ending on 0: the feedthrough and the sum are left out.
    EXPECT_EQ(bandsOf(4, -1, 0, 1, 1), (std::vector<std::string>{"1x1 LO - RF 4-5", "1x1 RF - LO 3-4"}));
}

TEST(ReceiverResponses, NamesBeyondTheTablesBelow) {
    EXPECT_EQ(responseName(1, 1, B::Sum, B::Sum), "wanted");
    EXPECT_EQ(responseName(1, 1, B::LoMinusRf, B::Sum), "image");
    EXPECT_EQ(responseName(2, 2, B::Sum, B::RfMinusLo), "half-IF");
    EXPECT_EQ(responseName(0, 7, B::Direct, B::Sum), "IF/7");
    EXPECT_EQ(responseName(10, 1, B::RfMinusLo, B::Sum), "LO harmonic 10");
    EXPECT_EQ(responseName(3, 2, B::Sum, B::Sum), "3 x 2");
    // The difference is wanted on the side of the step's RF.
    EXPECT_EQ(wantedBranch(ProductFamily::Difference, 10, 11), B::RfMinusLo);
    EXPECT_EQ(wantedBranch(ProductFamily::Sum, 10, 11), B::Sum);
}

// LO 10, RF 8 to 9.5 in 2 steps (8, 8.75, 9.5), IF 1 to 1.5, LO x2, RF x2,
// drives 8 and -5 dBm, conversion loss 8, RF isolation 25.
Design downConverter() {
    Design d;
    d.loFreq = 10, d.rfStart = 8, d.rfStop = 9.5, d.steps = "2";
    d.ifStart = 0.5f, d.ifStop = 2, d.marker1 = 1, d.marker2 = 1.5f;
    d.loHarmonics = d.rfHarmonics = "2";
    return d;
}

// name from-to total pass (pass "-" for the wanted one), in the order given.
std::vector<std::string> rowsOf(const DesignResponses& got) {
    std::vector<std::string> rows{got.why};
    for (const ReceiverResponse& r : got.responses)
        rows.push_back(r.name + " " + shortText(float(r.band.from)) + "-" + shortText(float(r.band.to)) + " " +
                       (r.total ? shortText(float(*r.total)) : "none") + " " +
                       (r.pass ? (*r.pass ? "pass" : "fail") : "-"));
    return rows;
}

TEST(ReceiverResponses, MixerRejectionFromTheEstimateAndTheSpurTable) {
    // Estimate: (0,1) 8 - 25 = -17 dBc; (0,2) -(50 + 13); (1,2) -(55 + 13);
    // (2,1) -35; (2,2) -(50 + 13). Rejection -L / n, weakest first, ties by From.
    Design d = downConverter();
    const DesignResponses estimate = responsesFromDesign(d, Filter{});
    EXPECT_EQ(estimate.step, 1);
    EXPECT_EQ(rowsOf(estimate), (std::vector<std::string>{
        "", "wanted 8.5-9 0 -", "image 11-11.5 0 fail", "IF feedthrough 1-1.5 17 fail", "IF/2 0.5-0.75 31.5 fail",
        "half-IF 9.25-9.5 31.5 fail", "half-IF 10.5-10.75 31.5 fail", "1 x 2 4.25-4.5 34 fail",
        "1 x 2 5.5-5.75 34 fail", "LO harmonic 2 18.5-19 35 fail", "LO harmonic 2 21-21.5 35 fail"}));
    EXPECT_EQ(estimate.verdict, "FAIL: image at 11\u201311.5, 0.0 dB");

    // A spur table measured at -10 dBm: (2,2) -70 + 5 = -65, (2,1) -50 (no
    // scaling at n = 1); empty cells keep the estimate. Required 31.5.
    d.useIMT = true;
    d.imt.setCell(2, 2, -70);
    d.imt.setCell(2, 1, -50);
    d.respRequired = "31.5";
    EXPECT_EQ(rowsOf(responsesFromDesign(d, Filter{})), (std::vector<std::string>{
        "", "wanted 8.5-9 0 -", "image 11-11.5 0 fail", "IF feedthrough 1-1.5 17 fail", "IF/2 0.5-0.75 31.5 pass",
        "half-IF 9.25-9.5 32.5 pass", "half-IF 10.5-10.75 32.5 pass", "1 x 2 4.25-4.5 34 pass",
        "1 x 2 5.5-5.75 34 pass", "LO harmonic 2 18.5-19 50 pass", "LO harmonic 2 21-21.5 50 pass"}));

    // Orders the estimate has no level for come first and fail without one.
    d = downConverter();
    d.loHarmonics = "7";
    d.rfHarmonics = "5";
    const DesignResponses noLevel = responsesFromDesign(d, Filter{});
    EXPECT_EQ(rowsOf(noLevel)[1], "7 x 5 13.7-13.8 none fail");
    EXPECT_EQ(noLevel.verdict, "FAIL: 7 x 5 at 13.7\u201313.8, no level");
}

TEST(ReceiverResponses, TrackingLOTakesTheStepsLO) {
    // RF 10 to 12 in 4 steps, LO = RF + 1.5, output 1.4 to 1.6: the middle
    // step is 2 (RF 11, LO 12.5); the steps run 0 to 4.
    Design d = downConverter();
    d.offsetChecked = true, d.loOffset = 1.5f, d.rfStart = 10, d.rfStop = 12, d.steps = "4";
    d.marker1 = 1.6f, d.marker2 = 1.4f;
    d.loHarmonics = d.rfHarmonics = "1";
    struct Case {
        std::optional<int> step;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {{}, {"", "wanted 10.9-11.1 0 -", "image 13.9-14.1 0 fail", "IF feedthrough 1.4-1.6 17 fail"}},
        {0, {"", "wanted 9.9-10.1 0 -", "image 12.9-13.1 0 fail", "IF feedthrough 1.4-1.6 17 fail"}},
        {4, {"", "wanted 11.9-12.1 0 -", "image 14.9-15.1 0 fail", "IF feedthrough 1.4-1.6 17 fail"}},
        {5, {"step 5 is not one of the steps 0 to 4"}},
        {-1, {"step -1 is not one of the steps 0 to 4"}},
    };
    for (const Case& c : cases) EXPECT_EQ(rowsOf(responsesFromDesign(d, Filter{}, c.step)), c.rows);
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

} // namespace
