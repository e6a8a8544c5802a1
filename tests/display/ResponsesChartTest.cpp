// The responses chart's bars: where each lies for a size worked by hand,
// and what resting the pointer on one names.
#include <gtest/gtest.h>

#include "display/ResponsesChart.h"

using namespace kestrel;
using namespace kestrel::display;

namespace {

ReceiverResponse response(const char* name, int m, int n, double from, double to, std::optional<double> total,
                          bool wanted = false) {
    ReceiverResponse r;
    r.name = name;
    r.band = {m, n, ResponseBranch::LoMinusRf, from, to};
    r.wanted = wanted;
    r.mixer = total;
    r.total = total;
    if (!wanted) r.pass = total && *total >= 20;
    return r;
}

TEST(ResponsesChart, BarsLieOverTheirInputBandAtTheirTotalRejection) {
    // Bands 5 to 55 plus a fiftieth each side: x from 4 to 56 over 416 px,
    // 8 px a unit from x = 56. Totals up to 34 with the required 20: 0 to
    // 40 dB over 200 px, 5 px a dB, 0 dB at y = 212.
    ResponsesChartData data;
    data.responses = {response("wanted", 1, 1, 10, 12, 0, true), response("image", 1, 1, 20, 25, 0),
                      response("1 x 2", 1, 2, 5, 5.25, 34), response("3 x 2", 3, 2, 50, 55, std::nullopt)};
    data.rfStart = 9;
    data.rfStop = 13;
    data.required = 20;
    data.unit = "GHz";
    ResponsesChart chart;
    chart.resize(416 + 72, 200 + 78);
    chart.setData(data);
    const struct {
        const char* name;
        QRectF rect;
    } bars[] = {
        {"Response(0)", {104, 212, 16, 0}},   // the wanted band, flat at 0 dB
        {"Response(1)", {184, 212, 40, 0}},   // an image at 0 dB
        {"Response(2)", {63.5, 42, 3, 170}},  // 2 px wide: widened about its centre
        {"Response(3)", {424, 12, 40, 200}},  // no level: up to the top
    };
    ASSERT_EQ(chart.bars().size(), std::size(bars));
    for (const auto& b : bars) {
        const QObject* bar = chart.findChild<QObject*>(QLatin1String(b.name));
        ASSERT_NE(bar, nullptr) << b.name;
        const QRectF got = bar->property("rect").toRectF();
        EXPECT_NEAR(got.left(), b.rect.left(), 1e-9) << b.name;
        EXPECT_NEAR(got.top(), b.rect.top(), 1e-9) << b.name;
        EXPECT_NEAR(got.width(), b.rect.width(), 1e-9) << b.name;
        EXPECT_NEAR(got.height(), b.rect.height(), 1e-9) << b.name;
    }
    EXPECT_EQ(chart.findChild<QObject*>("Response(2)")->property("total"), QVariant(34.0));
    EXPECT_FALSE(chart.findChild<QObject*>("Response(3)")->property("total").isValid());

    // Resting on a bar names it; the wanted band answers at any height.
    const struct {
        QPointF at;
        QString text;
    } hovers[] = {
        {{65, 100}, "1 x 2 (LO - RF): 5\u20135.25 GHz, 34.0 dB (mixer 34.0 dB, preselector 0.0 dB), passes"},
        {{112, 20}, "wanted (1 x 1, LO - RF): 10\u201312 GHz"},
        {{200, 211}, "image (1 x 1, LO - RF): 20\u201325 GHz, 0.0 dB (mixer 0.0 dB, preselector 0.0 dB), fails"},
        {{440, 50}, "3 x 2 (LO - RF): 50\u201355 GHz, no level, fails"},
        {{200, 100}, ""}, // above the image's flat bar
        {{30, 100}, ""},  // left of the plot
    };
    for (const auto& h : hovers) EXPECT_EQ(chart.hoverText(h.at), h.text) << h.at.x() << ", " << h.at.y();
}

TEST(ResponsesChart, NegativeRejectionsAndTheCurveWidenTheScale) {
    // A preselector that lets a response through better than the step's RF
    // gives a negative total; the scale reaches down to it and up to the curve.
    ResponsesChartData data;
    data.responses = {response("image", 1, 1, 20, 25, -12)};
    data.required = 60;
    data.preselector = {{20, -12}, {30, 71}};
    const ChartRange dB = rejectionRange(data);
    EXPECT_EQ(dB.low, -20);
    EXPECT_EQ(dB.high, 80); // 71 with a twentieth of 91 above, to whole tens
    const ChartRange in = responsesInputRange(data.responses, 0.2, 1);
    EXPECT_EQ(in.low, 0); // never below 0
    EXPECT_DOUBLE_EQ(in.high, 25 + 24.8 / 50);
}

} // namespace
