// Engine solve at the largest design the lists allow: 100 steps, LO x10, RF x8.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/GridFill.h"
#include "engine/SpurSolver.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

SolveInput largest() {
    SolveInput in = reference::initialDesign();
    in.numSteps = 100;
    in.mMax = 10;
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
