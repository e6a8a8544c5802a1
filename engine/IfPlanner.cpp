#include "engine/IfPlanner.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrel {
namespace {

// The curves' sweep for one candidate: the RF band, and the candidate as
// the fixed LO or as the tracking offset.
CurveSweep sweepAt(const PlanQuery& q, double c) {
    CurveSweep s;
    s.rfFirst = q.rfStart;
    s.rfLast = q.rfStop;
    s.trackingLO = q.trackingLO;
    s.lo = c;
    s.offset = c;
    return s;
}

ProductFamily wantedFamily(PlanWanted w) {
    return w == PlanWanted::LoPlusRf ? ProductFamily::Sum : ProductFamily::Difference;
}

// Every product that counts against the wanted band: within the orders,
// not (0, 0) nor the wanted product, at or above the threshold or without a
// level. Where one order is 0 the sum and the difference are one product.
std::vector<PlanProduct> countedProducts(const PlanQuery& q) {
    std::vector<PlanProduct> out;
    const ProductFamily wanted = wantedFamily(q.wanted);
    for (int m = 0; m <= q.mMax; ++m)
        for (int n = 0; n <= q.nMax; ++n) {
            if (m == 0 && n == 0) continue;
            for (ProductFamily f : {ProductFamily::Sum, ProductFamily::Difference}) {
                if (f == ProductFamily::Difference && (m == 0 || n == 0)) continue;
                const bool oneByOne = m == 1 && n == 1;
                if (oneByOne && f == wanted) continue;
                // The other 1x1 is as strong as the wanted output.
                const std::optional<double> level =
                    oneByOne ? std::optional<double>(0) : (q.levels ? q.levels->at(m, n) : std::nullopt);
                if (!oneByOne && level && *level < q.thresholdDbc) continue;
                out.push_back({m, n, f, level});
            }
        }
    return out;
}

bool stronger(const PlanProduct& a, const PlanProduct& b) {
    if (!a.level) return b.level.has_value();
    return b.level && *a.level > *b.level;
}

double gap(const OutputRange& r, const PlanBand& w) {
    if (r.high < w.low) return w.low - r.high;
    if (r.low > w.high) return r.low - w.high;
    return 0;
}

} // namespace

std::vector<double> planCandidates(const PlanQuery& q) {
    const int points = std::max(q.points, 1);
    std::vector<double> out(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        out[i] = points == 1 ? q.from : (i == points - 1 ? q.to : q.from + i * ((q.to - q.from) / (points - 1)));
    return out;
}

std::optional<PlanBand> wantedBand(const PlanQuery& q, double c) {
    const OutputRange r = productRange(sweepAt(q, c), 1, 1, wantedFamily(q.wanted));
    if (q.wanted == PlanWanted::LoPlusRf) return PlanBand{r.low, r.high};
    // The signed LO - RF over the band: a tracking LO keeps it at the offset.
    const double first = q.trackingLO ? c : c - q.rfStart;
    const double last = q.trackingLO ? c : c - q.rfStop;
    const double low = std::min(first, last), high = std::max(first, last);
    if (q.wanted == PlanWanted::LoMinusRf && low > 0) return PlanBand{low, high};
    if (q.wanted == PlanWanted::RfMinusLo && high < 0) return PlanBand{-high, -low};
    return std::nullopt;
}

bool wantedHasNoWidth(const PlanQuery& q) { return q.trackingLO && q.wanted != PlanWanted::LoPlusRf; }

std::vector<CleanRun> cleanRuns(const std::vector<PlanCandidate>& candidates) {
    std::vector<CleanRun> runs;
    for (int i = 0; i < int(candidates.size()); ++i) {
        if (!candidates[i].clean) continue;
        if (!runs.empty() && runs.back().last == i - 1) {
            runs.back().last = i;
            runs.back().to = candidates[i].value;
        } else {
            CleanRun run;
            run.first = run.last = i;
            run.from = run.to = candidates[i].value;
            runs.push_back(run);
        }
    }
    std::stable_sort(runs.begin(), runs.end(), [](const CleanRun& a, const CleanRun& b) {
        const double wa = std::fabs(a.width()), wb = std::fabs(b.width());
        if (wa != wb) return wa > wb;
        return std::min(a.from, a.to) < std::min(b.from, b.to);
    });
    return runs;
}

std::optional<PlanNearest> nearestProduct(const PlanQuery& q, double c) {
    const std::optional<PlanBand> w = wantedBand(q, c);
    if (!w) return std::nullopt;
    const CurveSweep s = sweepAt(q, c);
    std::optional<PlanNearest> best;
    for (const PlanProduct& p : countedProducts(q)) {
        const OutputRange r = productRange(s, p.m, p.n, p.family);
        const double d = gap(r, *w);
        if (!best || d < best->distance) best = PlanNearest{p, d};
    }
    return best;
}

PlanResult scanPlan(const PlanQuery& q) {
    PlanResult result;
    const std::vector<PlanProduct> products = countedProducts(q);
    const std::vector<double> values = planCandidates(q);
    result.candidates.reserve(values.size());
    for (double c : values) {
        PlanCandidate cand;
        cand.value = c;
        const std::optional<PlanBand> w = wantedBand(q, c);
        cand.valid = w.has_value();
        if (cand.valid) {
            const double low = w->low - q.guard, high = w->high + q.guard;
            const CurveSweep s = sweepAt(q, c);
            for (const PlanProduct& p : products) {
                const OutputRange r = productRange(s, p.m, p.n, p.family);
                if (r.low <= high && r.high >= low && (!cand.worst || stronger(p, *cand.worst)))
                    cand.worst = p;
            }
            cand.clean = !cand.worst;
        }
        result.cleanCount += cand.clean;
        result.candidates.push_back(cand);
    }
    result.runs = cleanRuns(result.candidates);
    for (CleanRun& run : result.runs) {
        if (const auto w = wantedBand(q, run.centre())) run.wanted = *w;
        run.nearest = nearestProduct(q, run.centre());
    }
    return result;
}

} // namespace kestrel
