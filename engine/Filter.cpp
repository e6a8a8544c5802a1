#include "engine/Filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrel {
namespace {

// The rejection 10 log10(1 + 10^(db / 10)) of a response whose term beyond
// the 1 is `db` decibels, held at the floor. `db` is worked out in the log
// domain, so a steep filter far from its passband reaches the floor instead
// of overflowing; NaN (degenerate edges) gives the floor too.
double clamped(double db, double floor) {
    if (!(db < floor)) return floor;
    const double a = 10 * std::log10(1 + std::pow(10.0, db / 10));
    return a < floor ? a : floor;
}

// Normalised distance from the passband, 0 inside; infinite or NaN only for
// degenerate edges or frequencies, which the floor then catches.
double omega(const Filter& filter, double f) {
    switch (filter.shape) {
    case FilterShape::BandPass: {
        const double f0squared = filter.low * filter.high;
        return std::fabs(f * f - f0squared) / (f * (filter.high - filter.low));
    }
    case FilterShape::LowPass:
        return f / filter.high;
    case FilterShape::HighPass:
        return filter.low / f;
    default:
        return 0;
    }
}

// 10 log10(Omega^(2N)).
double butterworthDb(double w, int n) { return 20.0 * n * std::log10(w); }

// 10 log10(eps^2 T_N(Omega)^2).
double chebyshevDb(double w, int n, double ripple) {
    const double eps2 = std::max(0.0, std::pow(10.0, ripple / 10) - 1);
    const double epsDb = 10 * std::log10(eps2);
    if (w <= 1) {
        const double t = std::cos(n * std::acos(w));
        return epsDb + 20 * std::log10(std::fabs(t));
    }
    // ln cosh(a) without overflow: a + ln(1 + e^-2a) - ln 2.
    const double a = n * std::acosh(w);
    const double lnCosh = a + std::log1p(std::exp(-2 * a)) - std::numbers::ln2;
    return epsDb + 20 * lnCosh / std::numbers::ln10;
}

Attenuation measured(const std::vector<FilterPoint>& points, double f) {
    if (points.empty()) return {};
    if (!(f >= points.front().frequency && f <= points.back().frequency)) {
        // Never more rejection than was measured anywhere.
        const auto least = std::min_element(points.begin(), points.end(),
                                            [](const FilterPoint& a, const FilterPoint& b) { return a.loss < b.loss; });
        return {least->loss, true};
    }
    const auto above = std::upper_bound(points.begin(), points.end(), f,
                                        [](double x, const FilterPoint& p) { return x < p.frequency; });
    if (above == points.end()) return {points.back().loss, false};
    const FilterPoint& hi = *above;
    const FilterPoint& lo = *(above - 1); // f >= front, so above is past the first point
    const double span = hi.frequency - lo.frequency;
    if (!(span > 0)) return {lo.loss, false};
    return {lo.loss + (hi.loss - lo.loss) * (f - lo.frequency) / span, false};
}

} // namespace

Attenuation Filter::attenuation(double f) const {
    switch (shape) {
    case FilterShape::None:
        return {};
    case FilterShape::Measured:
        return measured(points, f);
    default:
        break;
    }
    if (!(f > 0)) return {loss + floor, false};
    const double w = omega(*this, f);
    const double db = response == FilterResponse::Chebyshev ? chebyshevDb(w, order, ripple) : butterworthDb(w, order);
    return {loss + clamped(db, floor), false};
}

} // namespace kestrel
