#pragma once
// The solved spur matrix and the working state of the last solve.

#include <array>
#include <cstdint>

#include "engine/DesignConstants.h"

namespace kestrel {

// All entries start at 0 and are never cleared: a solve overwrites only the
// steps and orders it covers, the rest keeps what an earlier solve left.
class SpurMatrix {
public:
    float& RFFreq(int s) { return rfFreq_[s]; }
    float RFFreq(int s) const { return rfFreq_[s]; }
    float& TrackLOFreq(int s) { return trackLO_[s]; }
    float TrackLOFreq(int s) const { return trackLO_[s]; }
    float& SumSpur(int s, int m, int n) { return sum_[index(s, m, n)]; }
    float SumSpur(int s, int m, int n) const { return sum_[index(s, m, n)]; }
    float& DiffSpur(int s, int m, int n) { return diff_[index(s, m, n)]; }
    float DiffSpur(int s, int m, int n) const { return diff_[index(s, m, n)]; }

private:
    static constexpr int index(int s, int m, int n) {
        return (s * kOrderCount + m) * kOrderCount + n;
    }
    std::array<float, kStepCount> rfFreq_{};
    std::array<float, kStepCount> trackLO_{};
    std::array<float, kStepCount * kOrderCount * kOrderCount> sum_{};
    std::array<float, kStepCount * kOrderCount * kOrderCount> diff_{};
};

// What the main window keeps between user actions (all 0 at creation).
struct WorkingState {
    std::int16_t NumSteps = 0;
    float RFStepSize = 0;
    float LOFreq = 0;
    float IFStart = 0;
    float IFStop = 0;
    float ConvLoss = 0;
    float LOIsolation = 0;
    // The reference of the relative pointer read-out.
    float PointerRefFreq = 0;
};

} // namespace kestrel
