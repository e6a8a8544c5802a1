#include "engine/ReceiverResponses.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

#include "engine/ConverterLevels.h"
#include "engine/DesignSolve.h"
#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"
#include "engine/WantedProduct.h"

namespace kestrel {
namespace {

// No "-0" in the tables: the image's mixer part is -0 / 1.
double plusZero(double v) { return v + 0.0; }

std::string frequencyText(double f) { return shortText(toSingle(f)); }

// One decimal, "." whatever the locale.
std::string oneDecimal(double v) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, plusZero(v), std::chars_format::fixed, 1).ptr;
    std::string out(text, end);
    return out == "-0.0" ? "0.0" : out;
}

// The frequencies inside [from, to] where an analytic filter's Omega takes
// the value w (0 <= w): the band-pass has two, the low- and high-pass one.
void frequenciesAtOmega(const Filter& filter, double w, std::vector<double>& out) {
    switch (filter.shape) {
    case FilterShape::BandPass: {
        const double b = filter.high - filter.low;
        const double root = std::sqrt(w * w * b * b + 4 * filter.low * filter.high);
        out.push_back((root + w * b) / 2);
        out.push_back((root - w * b) / 2);
        break;
    }
    case FilterShape::LowPass: out.push_back(w * filter.high); break;
    case FilterShape::HighPass:
        if (w > 0) out.push_back(filter.low / w);
        break;
    case FilterShape::None:
    case FilterShape::Measured: break;
    }
}

} // namespace

std::string branchText(ResponseBranch branch) {
    switch (branch) {
    case ResponseBranch::Sum: return "sum";
    case ResponseBranch::LoMinusRf: return "LO - RF";
    case ResponseBranch::RfMinusLo: return "RF - LO";
    case ResponseBranch::Direct: break;
    }
    return "RF";
}

std::vector<ResponseBand> responseBands(double lo, double output1, double output2, int mMax,
                                        int nMax) {
    const double a = std::min(output1, output2);
    const double b = std::max(output1, output2);
    std::vector<ResponseBand> bands;
    const auto add = [&bands](int m, int n, ResponseBranch branch, double from, double to) {
        if (!(to > 0)) return; // wholly at or below 0 (or not a number)
        bands.push_back({m, n, branch, plusZero(std::max(from, 0.0)), to});
    };
    for (int m = 0; m <= mMax; ++m) {
        const double mLO = m * lo;
        for (int n = 1; n <= nMax; ++n) {
            if (m == 0) {
                add(m, n, ResponseBranch::Direct, a / n, b / n);
                continue;
            }
            add(m, n, ResponseBranch::Sum, (a - mLO) / n, (b - mLO) / n);
            add(m, n, ResponseBranch::LoMinusRf, (mLO - b) / n, (mLO - a) / n);
            add(m, n, ResponseBranch::RfMinusLo, (a + mLO) / n, (b + mLO) / n);
        }
    }
    return bands;
}

ResponseBranch wantedBranch(ProductFamily wanted, double lo, double rf) {
    if (wanted == ProductFamily::Sum) return ResponseBranch::Sum;
    return lo >= rf ? ResponseBranch::LoMinusRf : ResponseBranch::RfMinusLo;
}

std::string responseName(int m, int n, ResponseBranch branch, ResponseBranch wanted) {
    if (m == 1 && n == 1) return branch == wanted ? "wanted" : "image";
    if (m == 2 && n == 2) return "half-IF";
    if (m == 0) return n == 1 ? "IF feedthrough" : "IF/" + std::to_string(n);
    if (n == 1) return "LO harmonic " + std::to_string(m);
    return std::to_string(m) + " x " + std::to_string(n);
}

Attenuation minimumAttenuation(const Filter& filter, double from, double to) {
    // The band is open at 0: the smallest positive double stands for the
    // limit, which every response approaches continuously.
    const double low = from > 0 ? from : std::numeric_limits<double>::min();
    std::vector<double> at{low, to};
    const auto inside = [&](double f) { return f > low && f < to; };
    if (filter.shape == FilterShape::Measured) {
        for (const FilterPoint& p : filter.points)
            if (inside(p.frequency)) at.push_back(p.frequency);
    } else if (filter.shape != FilterShape::None) {
        // Butterworth and the Chebyshev beyond its ripple band rise with
        // Omega, so the smallest Omega (the ends, or the band-pass centre)
        // holds the minimum; inside the ripple band the minima are the
        // zeros of T_N, where the response is the insertion loss alone.
        std::vector<double> candidates;
        frequenciesAtOmega(filter, 0, candidates);
        if (filter.response == FilterResponse::Chebyshev)
            for (int k = 1; k <= filter.order; ++k)
                frequenciesAtOmega(
                    filter, std::fabs(std::cos((2 * k - 1) * std::numbers::pi / (2 * filter.order))),
                    candidates);
        for (double f : candidates)
            if (inside(f)) at.push_back(f);
    }
    Attenuation best = filter.attenuation(at.front());
    for (std::size_t i = 1; i < at.size(); ++i) {
        const Attenuation a = filter.attenuation(at[i]);
        if (a.db < best.db) best = a;
    }
    return best;
}

std::vector<FilterPoint> attenuationCurve(const Filter& filter, double from, double to,
                                          int points) {
    std::vector<FilterPoint> curve;
    if (points < 2) return curve;
    curve.reserve(points);
    for (int i = 0; i < points; ++i) {
        const double f = i == points - 1 ? to : from + (to - from) * i / (points - 1);
        curve.push_back({f, filter.attenuation(f).db});
    }
    return curve;
}

std::vector<ReceiverResponse> receiverResponses(const ResponseSetting& s, const PairLevels* levels,
                                                const Filter& preselector) {
    const ResponseBranch wanted = wantedBranch(s.wanted, s.lo, s.rf);
    const double reference = preselector.attenuation(s.rf).db;
    const double rfLow = std::min(s.rfStart, s.rfStop);
    const double rfHigh = std::max(s.rfStart, s.rfStop);
    std::vector<ReceiverResponse> out;
    for (const ResponseBand& band : responseBands(s.lo, s.output1, s.output2, s.mMax, s.nMax)) {
        ReceiverResponse r;
        r.name = responseName(band.m, band.n, band.branch, wanted);
        r.band = band;
        r.wanted = band.m == 1 && band.n == 1 && band.branch == wanted;
        r.inRfBand = band.to >= rfLow && band.from <= rfHigh;
        if (const auto level = productLevel(levels, band.m, band.n))
            r.mixer = plusZero(-*level / band.n);
        const Attenuation least = minimumAttenuation(preselector, band.from, band.to);
        r.preselector = plusZero(least.db - reference);
        r.outsideFilterData = least.outsideData;
        if (r.mixer) r.total = plusZero(*r.mixer + r.preselector);
        if (!r.wanted) r.pass = r.total && *r.total >= s.required;
        out.push_back(std::move(r));
    }
    std::stable_sort(out.begin(), out.end(), [](const ReceiverResponse& x, const ReceiverResponse& y) {
        if (x.total.has_value() != y.total.has_value()) return !x.total.has_value();
        if (x.total && *x.total != *y.total) return *x.total < *y.total;
        return x.band.from < y.band.from;
    });
    return out;
}

bool responsesPass(const std::vector<ReceiverResponse>& responses) {
    return std::none_of(responses.begin(), responses.end(),
                        [](const ReceiverResponse& r) { return r.pass == false; });
}

std::string responsesVerdict(const std::vector<ReceiverResponse>& responses) {
    const auto failing = std::find_if(responses.begin(), responses.end(),
                                      [](const ReceiverResponse& r) { return r.pass == false; });
    if (failing == responses.end()) return "PASS";
    return "FAIL: " + failing->name + " at " + frequencyText(failing->band.from) + "\u2013" +
           frequencyText(failing->band.to) + ", " +
           (failing->total ? oneDecimal(*failing->total) + " dB" : std::string("no level"));
}

DesignResponses responsesFromDesign(const Design& d, const Filter& preselector,
                                    std::optional<int> step) {
    DesignResponses out;
    const SolvableDesign solvable = solvableDesign(d);
    if (!solvable.input) {
        out.why = solvable.why;
        return out;
    }
    const char* badField = !toSingleStrict(shortText(d.marker1))   ? "txtMarker1"
                           : !toSingleStrict(shortText(d.marker2)) ? "txtMarker2"
                           : !toDoubleStrict(d.respRequired)       ? "txtRespRequired"
                                                                   : nullptr;
    if (badField) {
        out.why = fieldCaption(badField) + " does not hold a number in range";
        return out;
    }
    const MarkerPair markers = *designMarkers(d);

    auto matrix = std::make_unique<SpurMatrix>(); // far too large for the stack
    WorkingState state;
    solveSpurMatrix(*solvable.input, state, *matrix);
    const LastSolve solve{solvable.input->mMax, solvable.input->nMax, solvable.input->trackingLO};
    const int last = lastSolvedStep(state);
    out.steps = last + 1;
    out.step = step.value_or(std::max(last, 0) / 2);
    if (out.step < 0 || out.step > last) {
        out.stepOutOfRange = true;
        out.why = "step " + std::to_string(out.step) + " is not one of the steps 0 to " +
                  std::to_string(last);
        return out;
    }

    ResponseSetting& s = out.setting;
    s.rf = matrix->RFFreq(out.step);
    s.lo = loAtStep(*matrix, state, solve, out.step);
    s.output1 = markers.marker1;
    s.output2 = markers.marker2;
    s.rfStart = solvable.input->rfStart;
    s.rfStop = solvable.input->rfStop;
    s.mMax = solve.mMax;
    s.nMax = solve.nMax;
    s.wanted = wantedFromDesign(d, *matrix, state, solve);
    s.required = *toDoubleStrict(d.respRequired);
    out.responses = receiverResponses(s, &*solvable.levels, preselector);
    out.verdict = responsesVerdict(out.responses);
    out.pass = responsesPass(out.responses);
    return out;
}

DesignResponses responsesFromDesign(const Design& d, std::optional<int> step) {
    std::string why;
    const auto preselector = filterFromBlock(d.rfFilter, "RF", why);
    if (!preselector) {
        DesignResponses out;
        out.why = why;
        return out;
    }
    return responsesFromDesign(d, *preselector, step);
}

} // namespace kestrel
