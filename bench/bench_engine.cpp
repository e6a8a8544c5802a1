// Engine solve at the largest design the lists allow: 100 steps, LO x10, RF x8.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/GridFill.h"
#include "engine/IfPlanner.h"
#include "engine/SpurFreeBands.h"
#include "engine/SpurTable.h"
#include "engine/SpurSolver.h"
#include "engine/DesignSolve.h"
#include "engine/ReportSteps.h"
#include "files/ReportJson.h"
#include "files/SpurTableCsv.h"
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

// The spur-free band finder reruns on every solve while its window is open.
void BM_SpurFreeBands(benchmark::State& st) {
    auto mx = std::make_unique<SpurMatrix>();
    WorkingState ws;
    solveSpurMatrix(largest(), ws, *mx);
    const LastSolve solve{10, 8, false};
    const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    for (auto _ : st)
        benchmark::DoNotOptimize(findSpurFreeBands(*mx, ws, solve, &levels, SpurFreeQuery{}));
}
BENCHMARK(BM_SpurFreeBands)->Unit(benchmark::kMicrosecond);

// Rows and CSV text of the whole table (20 000 rows), as the export writes it.
void BM_SpurTableExport(benchmark::State& st) {
    auto mx = std::make_unique<SpurMatrix>();
    WorkingState ws;
    solveSpurMatrix(largest(), ws, *mx);
    const LastSolve solve{10, 8, false};
    const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    for (auto _ : st) {
        const auto rows = spurTableRows(*mx, ws, solve, &levels, MarkerPair{37, 40},
                                        ProductFamily::Sum);
        benchmark::DoNotOptimize(csv::spurTable(rows, "GHz"));
    }
}
BENCHMARK(BM_SpurTableExport)->Unit(benchmark::kMillisecond);

// The IF planner's scan: 10 001 LO candidates at orders 10 x 8, the default
// The start-up RF band at 10 x 8, 10,001 candidates, fixed or tracking LO.
PlanQuery planQuery(bool tracking, const PairLevels& levels) {
    PlanQuery q;
    q.rfStart = 12.5;
    q.rfStop = 16.5;
    q.trackingLO = tracking;
    q.mMax = 10;
    q.nMax = 8;
    q.wanted = tracking ? PlanWanted::LoPlusRf : PlanWanted::LoMinusRf;
    q.from = tracking ? 0 : 20;
    q.to = tracking ? 40 : 60;
    q.points = 10001;
    q.levels = &levels;
    return q;
}

// RF band and levels, fixed and tracking.
void BM_IfPlannerScan(benchmark::State& st) {
    const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    PlanQuery q = planQuery(st.range(0) != 0, levels);
    for (auto _ : st) benchmark::DoNotOptimize(scanPlan(q));
}
BENCHMARK(BM_IfPlannerScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same scan counting by the limit line: an LO low-pass (so each
// candidate's drive differs), an IF band-pass and two limit rows.
void BM_IfPlannerScanLimits(benchmark::State& st) {
    const PairLevels levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
    Design d;
    d.loFilter.shape = "Low-pass";
    d.loFilter.high = "40";
    d.ifFilter.shape = "Band-pass";
    d.limits = {LimitRow{"", "", "-60", "dBc"}, LimitRow{"35", "45", "-80", "dBm"}};
    static const BuiltInLevelModel model;
    std::string why;
    const auto limits = planLimitsFromDesign(d, model, LevelInputs{8, -5, 8, 25, 25}, levels, 0, 100, why);
    PlanQuery q = planQuery(st.range(0) != 0, levels);
    q.limits = &*limits;
    for (auto _ : st) benchmark::DoNotOptimize(scanPlan(q));
}
BENCHMARK(BM_IfPlannerScanLimits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What `kestrel-report analyze --format json` does between reading and
// writing: every step solved, the export's rows and (json=1) the JSON text,
// for a 100-step design at orders 10 x 8.
void BM_ReportBuild(benchmark::State& state) {
    Design design;
    design.steps = "100";
    design.loHarmonics = "10";
    design.rfHarmonics = "8";
    std::string why;
    const CountRule rule = *countRuleFromDesign(design, why);
    for (auto _ : state) {
        const DesignReport report = reportFromDesign(design);
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(report.rows.data());
            continue;
        }
        std::string text = json::designReport(design, report, rule, "");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ReportBuild)->Arg(0)->Arg(1)->ArgName("json")->Unit(benchmark::kMillisecond);
