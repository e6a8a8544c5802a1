#include "engine/SpurProducts.h"

#include <algorithm>

namespace kestrel {

bool betweenMarkers(float f, const MarkerPair& markers) {
    const auto [low, high] = std::minmax(markers.marker1, markers.marker2);
    return low <= f && f <= high;
}

std::string productName(int m, int n, ProductFamily family) {
    const char* sign = family == ProductFamily::Sum ? " + " : " - ";
    return std::to_string(m) + " LO" + sign + std::to_string(n) + " RF";
}

float loAtStep(const SpurMatrix& matrix, const WorkingState& state, const LastSolve& solve,
               int s) {
    return solve.trackingLO ? matrix.TrackLOFreq(s) : state.LOFreq;
}

float productFrequency(const SpurMatrix& matrix, int s, int m, int n, ProductFamily family) {
    return family == ProductFamily::Sum ? matrix.SumSpur(s, m, n) : matrix.DiffSpur(s, m, n);
}

std::optional<double> pairLevel(const PairLevels* levels, int m, int n) {
    if (levels == nullptr) return std::nullopt;
    return levels->at(m, n);
}

} // namespace kestrel
