// The level evaluation with its 118 line tops (the built-in estimate and the
// mixer's spur table), and one replay step on the analyzer redrawn offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <cstdlib>

#include "display/SpectrumDisplay.h"
#include "engine/LevelModel.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;
using namespace kestrel::display;

namespace {

struct Analyzer {
    Analyzer() : panel("Spectrum Analyzer", &window) {
        window.resize(730, 360);
        panel.setGeometry(216, 16, 481, 289);
        for (QLabel** l : {&labels.ifDisFreq, &labels.ifSum, &labels.ifDispLo, &labels.disIFHI})
            *l = new QLabel(&window);
        labels.ifDisFreq->setGeometry(432, 304, 49, 17);
        labels.ifSum->setGeometry(432, 320, 49, 17);
        labels.rfAna = new QLabel(&panel);
        labels.rfAna->setGeometry(392, 0, 77, 13);
        solveSpurMatrix(reference::initialDesign(), state, matrix);
        DisplaySource source{&matrix, &state, [] { return QStringLiteral("GHz"); },
                             [] { return QStringLiteral("37"); }, [] { return QStringLiteral("40"); },
                             [] { return QStringLiteral("30"); }, [] { return QStringLiteral("50"); }};
        display = std::make_unique<SpectrumDisplay>(panel, labels, source);
        window.show();
        QApplication::processEvents();
    }
    QWidget window;
    AnalyzerPanel panel;
    DisplayReadouts labels;
    SpurMatrix matrix;
    WorkingState state;
    std::unique_ptr<SpectrumDisplay> display;
};

void BM_EvaluateAndApplyLevels(benchmark::State& st) {
    Analyzer a;
    double rf = -5;
    for (auto _ : st) {
        rf = rf == -5 ? -6 : -5; // every top moves
        a.display->ApplySpurLevels(EvaluateSpurLevels(8, rf, 8, 25, 25));
    }
    QApplication::processEvents();
}
BENCHMARK(BM_EvaluateAndApplyLevels)->Unit(benchmark::kMicrosecond);

// The same with the mixer's spur table as the model, every cell filled.
void BM_EvaluateAndApplyTableLevels(benchmark::State& st) {
    Analyzer a;
    MixerSpurTable table;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n) table.setCell(m, n, -20.0 - m - n);
    const LevelModel& model = table;
    double rf = -5;
    for (auto _ : st) {
        rf = rf == -5 ? -6 : -5;
        const PairLevels levels = model.evaluate({8, rf, 8, 25, 25});
        benchmark::DoNotOptimize(fitsSingle(levels));
        a.display->ApplySpurLevels(levels);
    }
    QApplication::processEvents();
}
BENCHMARK(BM_EvaluateAndApplyTableLevels)->Unit(benchmark::kMicrosecond);

void BM_ReplayStepWithRedraw(benchmark::State& st) {
    Analyzer a;
    int k = 0;
    for (auto _ : st) {
        k = (k + 1) % (a.state.NumSteps + 1);
        a.display->PlaceMarkers();
        a.display->ShowStepReadouts(k);
        a.display->placeStepLines(k);
        a.display->redrawNow();
    }
}
BENCHMARK(BM_ReplayStepWithRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
