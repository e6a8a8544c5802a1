#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "display/SpurChart.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;
using namespace kestrel::display;

namespace {

TEST(ChartGeometry, RangesTicksDistancesAndColours) {
    const struct {
        ChartRange got, expected;
    } ranges[] = {
        {outputRange(30, 50), {25, 55}},  // a quarter of the band above and below
        {outputRange(50, 30), {25, 55}},  // edges in either order
        {outputRange(40, 40), {38, 42}},  // an empty band still gets an axis
        {rfRange(16.5, 12.5), {12.5, 16.5}},
        {rfRange(0, 0), {-1, 1}},         // 0 steps at RF 0
    };
    for (const auto& r : ranges) {
        EXPECT_DOUBLE_EQ(r.got.low, r.expected.low);
        EXPECT_DOUBLE_EQ(r.got.high, r.expected.high);
    }
    EXPECT_EQ(niceTicks({25, 55}, 7), (std::vector<double>{25, 30, 35, 40, 45, 50, 55}));
    EXPECT_EQ(niceTicks({12.5, 16.5}, 5), (std::vector<double>{13, 14, 15, 16}));
    EXPECT_EQ(niceTicks({-0.3, 0.3}, 3), (std::vector<double>{-0.2, 0, 0.2}));
    EXPECT_TRUE(niceTicks({1, 1}, 5).empty());

    const std::vector<QPointF> fold{{0, 0}, {10, 10}, {20, 0}};
    EXPECT_DOUBLE_EQ(distanceToPolyline({10, 13}, fold), 3);  // above the fold
    EXPECT_DOUBLE_EQ(distanceToPolyline({-3, -4}, fold), 5);  // beyond the first end
    EXPECT_DOUBLE_EQ(distanceToPolyline({3, 4}, {{0, 0}}), 5); // one vertex

    EXPECT_EQ(levelColor(-20), kLevelBands[0].color);
    EXPECT_EQ(levelColor(5), kLevelBands[0].color);
    EXPECT_EQ(levelColor(-20.01), kLevelBands[1].color);
    EXPECT_EQ(levelColor(-141), kLevelBands.back().color);
    EXPECT_EQ(levelColor(std::nullopt), kNoLevelColor);
}

// LO 24, RF 12.5 to 16.5, orders up to 2: at RF 16 the 2x1 difference
// |48 - RF| and the 0x2 sum 2 RF cross at 32.
class ChartHover : public ::testing::Test {
protected:
    void SetUp() override {
        SolveInput in = reference::initialDesign();
        in.mMax = 2;
        in.nMax = 2;
        solveSpurMatrix(in, state, *matrix);
        const LastSolve solve{2, 2, false};
        const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
        ChartData data;
        data.curves = spurCurves(*matrix, state, solve, &levels, ProductFamily::Sum);
        data.sweep = *curveSweep(*matrix, state, solve);
        data.bandStart = 30;
        data.bandStop = 50;
        data.unit = QStringLiteral("GHz");
        chart.resize(640, 360);
        chart.setData(std::move(data));
    }
    std::string at(double rf, double out, double dy = 0) {
        return chart.hoverText(chart.mapping(chart.size()).point(rf, out) + QPointF(0, dy))
            .toStdString();
    }
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    SpurChart chart;
};

TEST_F(ChartHover, NamesTheCurvesWithinReachStrongestFirst) {
    EXPECT_EQ(at(16, 32), "2 LO - 1 RF: 32 GHz at RF 16 GHz, -35 dBc\n"
                          "0 LO + 2 RF: 32 GHz at RF 16 GHz, -63 dBc");
    EXPECT_EQ(at(14.02, 48, 3), "2 LO + 0 RF: 48 GHz at RF 14.02 GHz, -14 dBc");
    EXPECT_EQ(at(14.02, 48, 3.5), "");
    EXPECT_EQ(at(14.5, 38.5), "1 LO + 1 RF: 38.5 GHz at RF 14.5 GHz, wanted output");
    EXPECT_EQ(at(14.5, 9.5), ""); // below the axis: nothing drawn there
    EXPECT_EQ(chart.findChildren<ChartCurve*>().size(), 8u + 4u);
}

} // namespace

namespace {

// LO 10, RF 2 to 3: 0 LO + 2 RF runs from 4 to 6 at -63 dBc (green) and
// fails the limit line over RF 2.5 to 3, which is drawn red on top.
TEST(ChartLimits, AFailingStretchIsAPropertyAndIsDrawnRedOverItsExtentOnly) {
    ChartData data;
    data.sweep = CurveSweep{2, 3, false, 10, 0};
    SpurCurve curve{0, 2, ProductFamily::Sum, curvePoints(data.sweep, 0, 2, ProductFamily::Sum), -63.0,
                    false, ProductRole::Spur, {{2.5, 3}}};
    data.curves = {curve};
    data.bandStart = 3;
    data.bandStop = 7;
    SpurChart chart;
    chart.resize(640, 360);
    chart.setData(std::move(data));

    const auto* failing = chart.findChild<ChartCurve*>(QStringLiteral("Traces0x2"));
    ASSERT_TRUE(failing);
    EXPECT_TRUE(failing->property("failsLimit").toBool());
    EXPECT_EQ(failing->property("failingStretches").toList(), QVariantList{QPointF(2.5, 3)});

    QImage image(chart.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    chart.render(painter, chart.size());
    painter.end();
    const ChartMapping map = chart.mapping(chart.size());
    // Whether a red pixel lies within two pixels of the curve at rf.
    const auto redAt = [&](double rf) {
        const QPointF p = map.point(rf, 2 * rf);
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QColor c(image.pixel(int(std::lround(p.x())) + dx, int(std::lround(p.y())) + dy));
                if (c.red() > 150 && c.green() < 80) return true;
            }
        return false;
    };
    const struct { double rf; bool red; } cases[] = {{2.1, false}, {2.4, false}, {2.6, true}, {2.9, true}};
    for (const auto& c : cases) EXPECT_EQ(redAt(c.rf), c.red) << c.rf;
}

} // namespace
