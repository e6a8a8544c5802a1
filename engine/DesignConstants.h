#pragma once
// The initial design, the list contents and the matrix capacity. Every run
// starts from these values; nothing is read from disk at start-up.

#include <array>
#include <span>
#include <string_view>

#include "engine/DesignLists.h"

namespace kestrel {

// Capacity of the spur matrix: steps 0..101, harmonic orders 0..11. The lists
// below keep every solve inside it (at most 100 steps, LO x10, RF x8).
inline constexpr int kMaxStepIndex = 101;
inline constexpr int kMaxOrder = 11;
inline constexpr int kStepCount = kMaxStepIndex + 1;
inline constexpr int kOrderCount = kMaxOrder + 1;

inline constexpr std::span<const std::string_view> kUnitTexts = lists::kUnits;
inline constexpr std::string_view kInitialUnit = "GHz";

// Initial texts of the design fields.
namespace initial {
inline constexpr std::string_view LOFreq = "24";
inline constexpr std::string_view LoOffset = "38.5";
inline constexpr std::string_view LOPower = "8";
inline constexpr std::string_view RFStart = "12.5";
inline constexpr std::string_view RFStop = "16.5";
inline constexpr std::string_view RFPower = "-5.0";
inline constexpr std::string_view IFStart = "30";
inline constexpr std::string_view Marker1 = "37";
inline constexpr std::string_view Marker2 = "40";
inline constexpr std::string_view IFStop = "50";
inline constexpr std::string_view Project = "Project Info";
inline constexpr std::string_view ConversionLoss = "8";
inline constexpr std::string_view RFIsolation = "25";
inline constexpr std::string_view LOIsolation = "25";
} // namespace initial

struct ListSpec {
    std::string_view name;
    std::span<const std::string_view> items;
    std::string_view initialText;
};

// Filled at start-up in this order.
inline constexpr std::array<ListSpec, 4> kLists = {{
    {"cboSteps", lists::kSteps, "10"},
    {"cboSweepSpeed", lists::kSweepSpeeds, "25"},
    {"cboLOHar", lists::kLOHarmonics, "8"},
    {"cboRFHar", lists::kRFHarmonics, "8"},
}};

// Harmonic pairs (m = LO order, n = RF order) whose grid cell has the
// button-face background: the analyzer has no sum line for them.
struct HarmonicPair {
    int m;
    int n;
};

inline constexpr auto kGreyPairs = [] {
    std::array<HarmonicPair, 31> pairs{};
    int i = 0;
    pairs[i++] = {0, 0};
    for (int n = 5; n <= 8; ++n) pairs[i++] = {7, n};
    for (int n = 1; n <= 8; ++n) pairs[i++] = {8, n};
    for (int m = 9; m <= 10; ++m)
        for (int n = 0; n <= 8; ++n) pairs[i++] = {m, n};
    return pairs;
}();

} // namespace kestrel
