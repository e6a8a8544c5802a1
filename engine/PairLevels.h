#pragma once
// A level in dBc, or none, for every harmonic pair the planning tools can
// show: LO orders 0..10, RF orders 0..8. What the built-in estimate and the
// mixer's own spur table both give, and what every user of levels reads.

#include <array>
#include <optional>

#include "engine/SpurLevels.h"

namespace kestrel {

class PairLevels {
public:
    static constexpr int kMaxM = 10; // LO orders 0..10
    static constexpr int kMaxN = 8;  // RF orders 0..8

    PairLevels() = default;
    // The built-in estimate: a level for exactly its pairs.
    PairLevels(const SpurLevelTable& builtIn); // NOLINT: a table is a set of levels

    // nullopt for a pair without a level or beyond the orders held.
    std::optional<double> at(int m, int n) const {
        if (m < 0 || m > kMaxM || n < 0 || n > kMaxN || !has_[index(m, n)]) return std::nullopt;
        return level_[index(m, n)];
    }
    void set(int m, int n, std::optional<double> level);

    bool operator==(const PairLevels&) const = default;

private:
    static constexpr int index(int m, int n) { return m * (kMaxN + 1) + n; }
    static constexpr int kPairs = (kMaxM + 1) * (kMaxN + 1);
    std::array<double, kPairs> level_{};
    std::array<bool, kPairs> has_{};
};

// False when a level or its line top is not a finite single.
bool fitsSingle(const PairLevels& levels);

} // namespace kestrel
