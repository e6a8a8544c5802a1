#pragma once
// The converter's filters around the mixer: an analytic response
// (Butterworth or Chebyshev band-, low- or high-pass) or a measured one
// (points of loss over frequency). Frequencies are in the design's unit,
// attenuations in dB, positive = loss.

#include <vector>

namespace kestrel {

enum class FilterShape { None, BandPass, LowPass, HighPass, Measured };
enum class FilterResponse { Butterworth, Chebyshev };

struct FilterPoint {
    double frequency = 0; // design unit
    double loss = 0;      // dB, positive = attenuation
    bool operator==(const FilterPoint&) const = default;
};

// What a filter takes at one frequency. Outside a measured response's data
// the loss is the data's smallest, and the product is marked for it.
struct Attenuation {
    double db = 0;
    bool outsideData = false;
};

struct Filter {
    FilterShape shape = FilterShape::None;
    FilterResponse response = FilterResponse::Butterworth;
    double low = 0;  // passband edges: 3 dB edges (Butterworth) or ripple
    double high = 0; // edges (Chebyshev); a low-pass uses high, a high-pass low
    int order = 5;       // 1..15
    double ripple = 0.1; // dB, 0.01..3 (Chebyshev)
    double loss = 0;     // insertion loss, dB
    double floor = 80;   // ultimate rejection, dB
    std::vector<FilterPoint> points; // Measured: frequencies rising

    // None: 0 dB everywhere. At f <= 0 an analytic filter gives loss + floor.
    Attenuation attenuation(double f) const;
};

} // namespace kestrel
