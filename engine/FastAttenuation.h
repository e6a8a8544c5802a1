#pragma once
// Filter::attenuation for many frequencies of one filter: what does not
// change from one frequency to the next is worked out once. Far from the
// passband an analytic response is at its floor, which a bound on Omega
// tells without the logarithms; outside measured data the smallest loss is
// looked up once. The results are those of Filter::attenuation.

#include "engine/Filter.h"

namespace kestrel {

class FastAttenuation {
public:
    explicit FastAttenuation(const Filter& filter);
    Attenuation operator()(double f) const;
    const Filter& filter() const { return filter_; }

private:
    const Filter& filter_;
    double floorOmega_ = 0; // analytic: at or beyond it, the floor
    double leastLoss_ = 0;  // measured: outside the data
};

} // namespace kestrel
