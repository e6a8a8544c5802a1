#include "engine/IfPlanner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "engine/NumberText.h"
#include "engine/SpurMatrix.h"

namespace kestrel {
namespace {

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
                if (!q.limits && !oneByOne && level && *level < q.thresholdDbc) continue;
                out.push_back({m, n, f, level});
            }
        }
    return out;
}

bool stronger(const PlanProduct& a, const PlanProduct& b) {
    if (!a.level) return b.level.has_value();
    return b.level && *a.level > *b.level;
}

// The RF of every step as a solve stores it.
std::vector<float> stepRF(const PlanQuery& q) {
    const int last = std::clamp(q.steps, -1, kMaxStepIndex);
    const float step = q.steps < 1 ? 0.f : toSingle((q.rfStop - q.rfStart) / q.steps);
    std::vector<float> rf;
    for (int s = 0; s <= last; ++s) rf.push_back(toSingle(q.rfStart + s * static_cast<double>(step)));
    return rf;
}

// One candidate's solve: the stored RF and LO of every step.
struct CandidateSolve {
    const std::vector<float>& rf;
    std::vector<float> lo;
    double rfMagnitude = 0; // the largest |RF| and |LO| of the steps
    double loMagnitude = 0;

    CandidateSolve(const PlanQuery& q, const std::vector<float>& steps, double c) : rf(steps) {
        const double held = heldCandidate(q, c);
        lo.reserve(rf.size());
        for (float r : rf) {
            lo.push_back(q.trackingLO ? toSingle(r + held) : toSingle(held));
            rfMagnitude = std::max(rfMagnitude, std::fabs(double(r)));
            loMagnitude = std::max(loMagnitude, std::fabs(double(lo.back())));
        }
    }
    int count() const { return int(rf.size()); }
    // The products exactly as the solve's matrix holds them.
    float sum(int s, int m, int n) const { return toSingle(n * double(rf[s]) + m * double(lo[s])); }
    float difference(int s, int m, int n) const {
        return toSingle(std::fabs(n * double(rf[s]) - m * double(lo[s])));
    }
    float at(int s, const PlanProduct& p) const {
        return p.family == ProductFamily::Sum ? sum(s, p.m, p.n) : difference(s, p.m, p.n);
    }
};

// The band [low, high] in single precision, edges included, as the grid
// tests a stored value.
struct SingleBand {
    float low;
    float high;
    bool holds(float v) const { return low <= v && v <= high; }
};

// Whether a stored value of the product at some step lies in the band. A
// pair with an order 0 is one product, but its two stored values differ
// where the LO or the RF is negative: either counts. Kept inline in the
// scan's loop: called out of line it doubles the time of a scan.
[[gnu::always_inline]] inline bool entersBand(const CandidateSolve& solve, const PlanProduct& p, SingleBand band) {
    const int last = solve.count() - 1;
    const double a = p.n * double(solve.rf[0]) + (p.family == ProductFamily::Sum ? 1 : -1) * p.m * double(solve.lo[0]);
    const double b = p.n * double(solve.rf[last]) + (p.family == ProductFamily::Sum ? 1 : -1) * p.m * double(solve.lo[last]);
    // Between the end steps the product moves linearly; the stored values
    // stray from that line by their rounding only. Far enough from the band
    // with that allowance, no step can enter it.
    const double slack = (p.n * solve.rfMagnitude + p.m * solve.loMagnitude) * 1e-6 + 1e-30;
    double low = std::min(a, b), high = std::max(a, b);
    const bool bothFamilies = p.m == 0 || p.n == 0;
    if (p.family == ProductFamily::Difference || bothFamilies) {
        const double folded = low <= 0 && high >= 0 ? 0 : std::min(std::fabs(low), std::fabs(high));
        const double top = std::max(std::fabs(low), std::fabs(high));
        if (p.family == ProductFamily::Difference) {
            low = folded;
            high = top;
        } else {
            low = std::min(low, folded);
            high = std::max(high, top);
        }
    }
    if (high + slack < band.low || low - slack > band.high) return false;
    for (int s = 0; s <= last; ++s) {
        if (band.holds(solve.at(s, p))) return true;
        if (bothFamilies && band.holds(solve.difference(s, p.m, p.n))) return true;
    }
    return false;
}

// Whether a stored value of the product lies in the band at a step where it
// fails the limit line.
bool failsInBand(const CandidateSolve& solve, const PlanProduct& p, SingleBand band, CandidateLimits& judge) {
    if (!entersBand(solve, p, band)) return false;
    for (int s = 0; s < solve.count(); ++s) {
        const float v = solve.at(s, p);
        if (band.holds(v) && judge.fails(s, p.m, p.n, v)) return true;
        if (p.m == 0 || p.n == 0) {
            const float d = solve.difference(s, p.m, p.n);
            if (band.holds(d) && judge.fails(s, p.m, p.n, d)) return true;
        }
    }
    return false;
}

std::optional<PlanBand> wantedOver(const PlanQuery& q, const CandidateSolve& solve) {
    if (solve.count() == 0) return std::nullopt;
    PlanBand w{INFINITY, -INFINITY};
    for (int s = 0; s < solve.count(); ++s) {
        // A zero or negative LO is no oscillator to build.
        if (!(solve.lo[s] > 0) || !std::isfinite(solve.lo[s])) return std::nullopt;
        // Exact in double: the difference of two singles.
        const double signedDifference = double(solve.lo[s]) - double(solve.rf[s]);
        if (q.wanted == PlanWanted::LoMinusRf && !(signedDifference > 0)) return std::nullopt;
        if (q.wanted == PlanWanted::RfMinusLo && !(signedDifference < 0)) return std::nullopt;
        const float v = q.wanted == PlanWanted::LoPlusRf ? solve.sum(s, 1, 1) : solve.difference(s, 1, 1);
        w.low = std::min(w.low, double(v));
        w.high = std::max(w.high, double(v));
    }
    return w;
}

// How far the product's nearest stored value lies from the band.
double gapTo(const CandidateSolve& solve, const PlanProduct& p, const PlanBand& w) {
    double best = INFINITY;
    const auto gap = [&](double v) { return v < w.low ? w.low - v : v > w.high ? v - w.high : 0.0; };
    for (int s = 0; s < solve.count(); ++s) {
        best = std::min(best, gap(solve.at(s, p)));
        if (p.m == 0 || p.n == 0) best = std::min(best, gap(solve.difference(s, p.m, p.n)));
    }
    return best;
}

// The same over the values at which the product fails the limit line; none: infinite.
double failingGapTo(const CandidateSolve& solve, const PlanProduct& p, const PlanBand& w, CandidateLimits& judge) {
    double best = INFINITY;
    const auto gap = [&](int s, float v) {
        if (judge.fails(s, p.m, p.n, v)) best = std::min(best, v < w.low ? w.low - v : v > w.high ? v - w.high : 0.0);
    };
    for (int s = 0; s < solve.count(); ++s) {
        gap(s, solve.at(s, p));
        if (p.m == 0 || p.n == 0) gap(s, solve.difference(s, p.m, p.n));
    }
    return best;
}

std::optional<PlanNearest> nearestIn(const PlanQuery& q, const CandidateSolve& solve,
                                     const std::vector<PlanProduct>& products, CandidateLimits* judge) {
    const std::optional<PlanBand> w = wantedOver(q, solve);
    if (!w) return std::nullopt;
    std::optional<PlanNearest> best;
    for (const PlanProduct& p : products) {
        if (judge) {
            const double d = failingGapTo(solve, p, *w, *judge);
            if (std::isfinite(d) && (!best || d < best->distance)) best = PlanNearest{p, d};
            continue;
        }
        const double d = gapTo(solve, p, *w);
        if (!best || d < best->distance) best = PlanNearest{p, d};
    }
    return best;
}

// The wanted band at c over the RF band's ends, in double: what the markers
// and the table show, free of the single LO's rounding (0.744, not 0.7439995).
PlanBand exactWanted(const PlanQuery& q, double c) {
    CurveSweep sweep;
    sweep.rfFirst = q.rfStart;
    sweep.rfLast = q.rfStop;
    sweep.trackingLO = q.trackingLO;
    sweep.lo = sweep.offset = c;
    const OutputRange r = productRange(sweep, 1, 1, wantedFamily(q.wanted));
    return {r.low, r.high};
}

} // namespace

std::vector<double> planCandidates(const PlanQuery& q) {
    const int points = std::max(q.points, 1);
    std::vector<double> out(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        out[i] = points == 1 ? q.from : (i == points - 1 ? q.to : q.from + i * ((q.to - q.from) / (points - 1)));
    return out;
}

double heldCandidate(const PlanQuery& q, double c) {
    const std::string text = shortText(toSingle(c));
    if (q.trackingLO) return leadingNumber(text);
    const std::optional<float> lo = toSingleStrict(text);
    return lo ? double(*lo) : NAN;
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
    // Candidates run from From to To: downwards when To lies below From.
    const bool descending = !candidates.empty() && candidates.back().value < candidates.front().value;
    for (CleanRun& run : runs) {
        const int lowerMiddle = run.first + (run.last - run.first) / 2;
        const int upperMiddle = run.first + (run.last - run.first + 1) / 2;
        run.pick = descending ? upperMiddle : lowerMiddle;
        run.picked = candidates[run.pick].value;
    }
    std::stable_sort(runs.begin(), runs.end(), [descending](const CleanRun& a, const CleanRun& b) {
        const int wa = a.last - a.first, wb = b.last - b.first;
        if (wa != wb) return wa > wb;
        return descending ? a.first > b.first : a.first < b.first;
    });
    return runs;
}

PlanResult scanPlan(const PlanQuery& q) {
    PlanResult result;
    const std::vector<PlanProduct> products = countedProducts(q);
    const std::vector<double> values = planCandidates(q);
    const std::vector<float> rf = stepRF(q);
    std::optional<CandidateLimits> judge;
    if (q.limits) judge.emplace(*q.limits, rf, wantedFamily(q.wanted));
    result.candidates.reserve(values.size());
    for (double c : values) {
        PlanCandidate cand;
        cand.value = c;
        const CandidateSolve solve(q, rf, c);
        const std::optional<PlanBand> w = wantedOver(q, solve);
        cand.valid = w.has_value();
        if (cand.valid) {
            // The band plus guard as a solve's IFStart and IFStop would hold it.
            const SingleBand band{toSingle(w->low - q.guard), toSingle(w->high + q.guard)};
            // Two loops, so that the threshold's stays as tight as it was.
            if (judge) {
                judge->setCandidate(solve.lo);
                for (const PlanProduct& p : products)
                    if ((!cand.worst || stronger(p, *cand.worst)) && failsInBand(solve, p, band, *judge))
                        cand.worst = p;
            } else {
                for (const PlanProduct& p : products)
                    if ((!cand.worst || stronger(p, *cand.worst)) && entersBand(solve, p, band)) cand.worst = p;
            }
            cand.clean = !cand.worst;
        }
        result.cleanCount += cand.clean;
        result.candidates.push_back(cand);
    }
    result.runs = cleanRuns(result.candidates);
    for (CleanRun& run : result.runs) {
        const CandidateSolve solve(q, rf, run.picked);
        if (judge) judge->setCandidate(solve.lo);
        run.wanted = exactWanted(q, run.picked);
        run.nearest = nearestIn(q, solve, products, judge ? &*judge : nullptr);
    }
    return result;
}

} // namespace kestrel
