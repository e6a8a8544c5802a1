// The whole "Solve  Matrix" click and the main window's start-up, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <cstdlib>
#include <memory>

#include "ui/frmKestrel.h"

namespace {

void BM_SolveClick(benchmark::State& st) {
    frmKestrel w;
    w.show();
    w.findChild<QComboBox*>("cboSteps")->setCurrentText("100");
    w.findChild<QComboBox*>("cboLOHar")->setCurrentText("10");
    auto* solve = w.findChild<QPushButton*>("cmdCalculate");
    QApplication::processEvents();
    for (auto _ : st) {
        solve->click();
        QApplication::processEvents(); // the grid repaint the click scheduled
    }
}
BENCHMARK(BM_SolveClick)->Unit(benchmark::kMillisecond);

void BM_ConstructAndShow(benchmark::State& st) {
    for (auto _ : st) {
        auto w = std::make_unique<frmKestrel>();
        w->show();
        QApplication::processEvents();
        st.PauseTiming();
        w.reset();
        QApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructAndShow)->Unit(benchmark::kMillisecond);

} // namespace
