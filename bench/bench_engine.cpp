// Engine solve at the largest design the lists allow: 100 steps, LO x10, RF x8.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/GridFill.h"
#include "engine/SpurSolver.h"

using namespace kestrel;

namespace {

SolveInput largest() {
    SolveInput in;
    in.rfStart = 12.5;
    in.rfStop = 16.5;
    in.numSteps = 100;
    in.loFreq = 24;
    in.ifStart = 30;
    in.ifStop = 50;
    in.mMax = 10;
    in.nMax = 8;
    return in;
}

void BM_Solve(benchmark::State& st) {
    auto mx = std::make_unique<SpurMatrix>();
    WorkingState ws;
    SolveInput in = largest();
    in.trackingLO = st.range(0) != 0;
    in.loOffset = [] { return 38.5; };
    for (auto _ : st) {
        solveSpurMatrix(in, ws, *mx);
        benchmark::DoNotOptimize(mx.get());
    }
}
BENCHMARK(BM_Solve)->Arg(0)->Arg(1)->ArgName("tracking");

void BM_GridFill(benchmark::State& st) {
    auto mx = std::make_unique<SpurMatrix>();
    WorkingState ws;
    solveSpurMatrix(largest(), ws, *mx);
    const GridFillInput fill{100, 10, 8, 30, 50, false};
    for (auto _ : st) benchmark::DoNotOptimize(fillSpurGrid(*mx, fill, {}));
}
BENCHMARK(BM_GridFill);

} // namespace
