// The spur chart at the largest design the lists allow (100 steps, LO x10,
// RF x8): building the curves and repainting, and answering a hover.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "display/SpurChart.h"
#include "engine/SpurCurves.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;
using namespace kestrel::display;

namespace {

struct Chart {
    Chart() {
        SolveInput in = reference::initialDesign();
        in.numSteps = 100;
        in.mMax = 10;
        solveSpurMatrix(in, state, *matrix);
        chart.resize(640, 360);
        chart.show();
        QApplication::processEvents();
    }
    ChartData data() const {
        ChartData d;
        d.curves = spurCurves(*matrix, state, solve, &levels, ProductFamily::Sum);
        d.sweep = *curveSweep(*matrix, state, solve);
        d.bandStart = state.IFStart;
        d.bandStop = state.IFStop;
        d.marker1 = 37;
        d.marker2 = 40;
        for (int s = 0; s <= state.NumSteps; ++s) d.stepRF.push_back(matrix->RFFreq(s));
        d.unit = QStringLiteral("GHz");
        return d;
    }
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve{10, 8, false};
    PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    SpurChart chart;
};

void BM_ChartBuildAndRepaint(benchmark::State& st) {
    Chart c;
    for (auto _ : st) {
        c.chart.setData(c.data());
        c.chart.repaint();
    }
}
BENCHMARK(BM_ChartBuildAndRepaint)->Unit(benchmark::kMillisecond);

void BM_ChartHover(benchmark::State& st) {
    Chart c;
    c.chart.setData(c.data());
    // On the wanted product half way along the sweep, among crossing curves.
    const ChartMapping map = c.chart.mapping(c.chart.size());
    const QPointF at = map.point(14.5, 39);
    for (auto _ : st) benchmark::DoNotOptimize(c.chart.hoverText(at));
}
BENCHMARK(BM_ChartHover)->Unit(benchmark::kMicrosecond);

} // namespace
