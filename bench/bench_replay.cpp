// The replays in the real main window, offscreen: one sweep step with its
// redraw, a whole sweep against its nominal length, one "+" click.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdlib>

#include "display/SpectrumDisplay.h"
#include "display/SweepDriver.h"
#include "ui/frmKestrel.h"

using namespace kestrel::display;

namespace {

struct Window {
    Window(const char* steps, const char* loHarmonics = "8") {
        w.show();
        w.findChild<QComboBox*>("cboSteps")->setCurrentText(steps);
        w.findChild<QComboBox*>("cboLOHar")->setCurrentText(loHarmonics);
        w.findChild<QPushButton*>("cmdCalculate")->click();
        QApplication::processEvents();
    }
    frmKestrel w;
};

// What the sweep does for one step, in its order, with the one redraw.
void BM_SweepStep(benchmark::State& st) {
    Window win("100");
    SpectrumDisplay& display = win.w.spectrumDisplay();
    QObject* spur6x5 = display.panel().findChild<QObject*>("Spur6x5");
    int k = 0;
    for (auto _ : st) {
        k = (k + 1) % 101;
        display.ShowStepReadouts(k);
        display.placeDifferenceLines(k);
        spur6x5->setProperty("color", QColor(0, 64, 0));
        display.placeSumLines(k);
        display.redrawNow();
    }
}
BENCHMARK(BM_SweepStep)->Unit(benchmark::kMicrosecond);

// Wall time of one sweep divided by its nominal length (20 ns an iteration).
void BM_SweepWallTime(benchmark::State& st) {
    const int speed = int(st.range(0));
    const int steps = int(st.range(1));
    Window win(std::to_string(steps).c_str());
    win.w.findChild<QComboBox*>("cboSweepSpeed")->setCurrentText(QString::number(speed));
    const double nominalNs =
        (stepWaitIterations(speed, steps) * (steps + 1) + kAfterSweepIterations) * kWaitIterationNs;
    double ratio = 0;
    for (auto _ : st) {
        QElapsedTimer clock;
        clock.start();
        win.w.cmdSweep_Click();
        ratio = double(clock.nsecsElapsed()) / nominalNs;
    }
    st.counters["ratio"] = ratio;
}
BENCHMARK(BM_SweepWallTime)
    ->Args({25, 10})
    ->Args({500, 100})
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// "+" with the grid refilled for the step, Mmax 10, Nmax 8, and the repaint
// the click leaves behind.
void BM_StepClick(benchmark::State& st) {
    Window win("100", "10");
    for (auto _ : st) {
        win.w.cmdSingleStep_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StepClick)->Unit(benchmark::kMicrosecond);

} // namespace
