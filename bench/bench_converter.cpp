// The converter's levels, limit line and needed IF order at the largest
// design the lists allow: 100 steps, LO x10, RF x8 (about 18 000 rows).
#include <benchmark/benchmark.h>

#include "engine/DesignSolve.h"

using namespace kestrel;

namespace {

Design filtered() {
    Design d;
    d.steps = "100";
    d.loHarmonics = "10";
    d.rfFilter = {"Band-pass", "Butterworth", "12", "17", "3", "0.1", "1", "80", {}, {}};
    d.loFilter = {"Low-pass", "Butterworth", "", "30", "2", "0.1", "0.5", "80", {}, {}};
    d.ifFilter = {"Band-pass", "Chebyshev", "36", "41", "5", "0.5", "2", "70", {}, {}};
    d.limits = {{"", "34", "-60", "dBc"}, {"34", "36", "-70", "dBc"}, {"36", "41", "-80", "dBc"},
                {"41", "45", "-90", "dBm"}, {"45", "", "-60", "dBc"}};
    d.useLimits = true;
    return d;
}

// Each analytic filter sampled at 1601 points around its passband.
void measure(DesignFilter& block, double from, double to) {
    std::string why;
    const Filter analytic = *filterFromBlock(block, "IF", why);
    block.shape = "Measured (Touchstone)";
    block.points.clear();
    for (int i = 0; i <= 1600; ++i) {
        const double f = from + (to - from) * i / 1600;
        block.points.push_back({f, analytic.attenuation(f).db});
    }
}

// What re-evaluating the levels works on: the solved rows and the model.
struct Prepared {
    Design design;
    DesignReport report;
    SolvableDesign solvable;
};

Prepared prepare(bool measured) {
    Prepared p{filtered(), {}, {}};
    if (measured) {
        measure(p.design.rfFilter, 8, 22);
        measure(p.design.loFilter, 10, 60);
        measure(p.design.ifFilter, 0, 200);
    }
    p.report = reportFromDesign(p.design);
    p.solvable = solvableDesign(p.design);
    return p;
}

// Every level after the three filters, the margins to a five-row limit
// line and the verdict; arg 1: 1601-point measured filters.
void BM_ConverterLevels(benchmark::State& st) {
    Prepared p = prepare(st.range(0) == 1);
    DesignReport& r = p.report;
    const float start = p.design.ifStart, stop = p.design.ifStop;
    for (auto _ : st) {
        r.converter = applyConverterFilters(r.rows, r.filters, *p.solvable.model, p.solvable.inputs, r.wanted);
        applyLimitLine(r.rows, r.converter, r.limitLine, start, stop);
        r.verdict = limitVerdict(r.rows);
        benchmark::DoNotOptimize(r.verdict.pass);
    }
    st.counters["rows"] = double(r.rows.size());
}
BENCHMARK(BM_ConverterLevels)->Arg(0)->Arg(1)->ArgName("measured")->Unit(benchmark::kMillisecond);

// The smallest IF order that passes (arg 0: found; arg 1: a line no order
// meets, so all 15 orders are tried).
void BM_NeededIfOrder(benchmark::State& st) {
    Prepared p = prepare(false);
    if (st.range(0) == 1) p.design.limits[2].limit = "-200";
    p.report = reportFromDesign(p.design);
    const DesignReport& r = p.report;
    const auto markers = designMarkers(p.design);
    NeededOrder needed;
    for (auto _ : st) {
        needed = neededIfOrder(r.rows, r.converter, r.filters, r.limitLine, markers, p.design.ifStart,
                               p.design.ifStop);
        benchmark::DoNotOptimize(needed.order);
    }
    st.counters["order"] = needed.order.value_or(0);
}
BENCHMARK(BM_NeededIfOrder)->Arg(0)->Arg(1)->ArgName("none")->Unit(benchmark::kMillisecond);

} // namespace
