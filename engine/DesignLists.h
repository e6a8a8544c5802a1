#pragma once
// The items of every list a design stores a choice of, in the order the
// lists show them. A stored choice is one of these texts, nothing else.

#include <array>
#include <span>
#include <string_view>

namespace kestrel::lists {

inline constexpr std::array<std::string_view, 10> kLOHarmonics = {"1", "2", "3", "4", "5",
                                                                  "6", "7", "8", "9", "10"};
inline constexpr std::array<std::string_view, 8> kRFHarmonics = {"1", "2", "3", "4", "5", "6", "7", "8"};
inline constexpr std::array<std::string_view, 9> kSteps = {"0",  "5",  "10", "15", "20",
                                                           "25", "50", "75", "100"};
inline constexpr std::array<std::string_view, 9> kSweepSpeeds = {"5",  "10",  "15",  "25", "35",
                                                                 "50", "100", "250", "500"};
// The frequency unit menu's items.
inline constexpr std::array<std::string_view, 3> kUnits = {"GHz", "MHz", "KHz"};

// The band finder: the wanted output (automatic first, then the difference
// and the sum) and the highest total order m + n, LO x10 plus RF x8 at most.
inline constexpr std::array<std::string_view, 3> kWanted = {"Automatic (from the markers)", "|LO - RF|",
                                                            "LO + RF"};
inline constexpr std::array<std::string_view, 18> kMaxOrders = {
    "Any", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18"};

// The IF planner: the wanted output and the number of candidates scanned.
inline constexpr std::array<std::string_view, 3> kPlanWanted = {"LO - RF", "RF - LO", "LO + RF"};
inline constexpr std::array<std::string_view, 3> kPlanPoints = {"101", "1001", "10001"};

// The converter's filters: the shape of each block and its response; the
// limit line's units.
inline constexpr std::array<std::string_view, 6> kFilterShapes = {
    "None", "Band-pass", "Low-pass", "High-pass", "Measured (CSV)", "Measured (Touchstone)"};
inline constexpr std::array<std::string_view, 2> kFilterResponses = {"Butterworth", "Chebyshev"};
inline constexpr std::array<std::string_view, 2> kLimitUnits = {"dBc", "dBm"};

constexpr bool contains(std::span<const std::string_view> items, std::string_view text) {
    for (std::string_view item : items)
        if (item == text) return true;
    return false;
}

} // namespace kestrel::lists
