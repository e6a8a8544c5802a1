#include "engine/FastAttenuation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrel {

FastAttenuation::FastAttenuation(const Filter& filter) : filter_(filter) {
    floorOmega_ = std::numeric_limits<double>::infinity();
    if (filter.shape == FilterShape::Measured && !filter.points.empty()) {
        leastLoss_ = std::min_element(filter.points.begin(), filter.points.end(), [](const auto& a, const auto& b) {
                         return a.loss < b.loss;
                     })->loss;
        return;
    }
    if (filter.shape == FilterShape::None || filter.shape == FilterShape::Measured || filter.order < 1) return;
    // The response's term reaches the floor once 20 N log10(Omega) does
    // (Butterworth); a Chebyshev's T_N(Omega) >= Omega^N / 2 beyond 1, so
    // eps^2 T_N^2 does once 20 N log10(Omega) reaches floor - 10 log10(eps^2)
    // + 6.03. A thousandth more keeps rounding on the safe side.
    double needDb = filter.floor;
    if (filter.response == FilterResponse::Chebyshev) {
        const double eps2 = std::pow(10.0, filter.ripple / 10) - 1;
        if (!(eps2 > 0)) return;
        needDb += -10 * std::log10(eps2) + 6.03;
    }
    floorOmega_ = std::max(1.0, std::pow(10.0, needDb / (20.0 * filter.order))) * 1.001;
}

Attenuation FastAttenuation::operator()(double f) const {
    const Filter& fl = filter_;
    switch (fl.shape) {
    case FilterShape::None: return {};
    case FilterShape::Measured:
        if (!fl.points.empty() && !(f >= fl.points.front().frequency && f <= fl.points.back().frequency))
            return {leastLoss_, true};
        return fl.attenuation(f);
    default: break;
    }
    if (f > 0 && std::isfinite(floorOmega_)) {
        double w = 0;
        if (fl.shape == FilterShape::BandPass) w = std::fabs(f * f - fl.low * fl.high) / (f * (fl.high - fl.low));
        else if (fl.shape == FilterShape::LowPass) w = f / fl.high;
        else w = fl.low / f;
        if (w >= floorOmega_) return {fl.loss + fl.floor, false};
    }
    return fl.attenuation(f);
}

} // namespace kestrel
