#pragma once
// Level of every displayed spur product relative to the wanted 1x1 output,
// from the two drive powers and the mixer's three figures. Levels never
// depend on frequencies.

#include <array>
#include <optional>

#include "engine/DesignConstants.h"

namespace kestrel {

// Every pair the analyzer draws except the wanted (1, 1): LO orders 0..8, RF
// orders 0..8, without (0, 0), (7, 5..8) and (8, 1..8).
constexpr bool hasSpurLevel(int m, int n) {
    if (m < 0 || m > 8 || n < 0 || n > 8) return false;
    if ((m == 0 && n == 0) || (m == 1 && n == 1)) return false;
    if (m == 7) return n <= 4;
    if (m == 8) return n == 0;
    return true;
}

inline constexpr int kLevelPairCount = 67;

// The pairs with a level, LO order first, then RF order.
inline constexpr auto kLevelPairs = [] {
    std::array<HarmonicPair, kLevelPairCount> pairs{};
    int i = 0;
    for (int m = 0; m <= 8; ++m)
        for (int n = 0; n <= 8; ++n)
            if (hasSpurLevel(m, n)) pairs[i++] = {m, n};
    return pairs;
}();

// One level in dBc per pair of kLevelPairs, in that order.
struct SpurLevelTable {
    std::array<double, kLevelPairCount> level{};

    // Level of a pair with hasSpurLevel(m, n).
    double at(int m, int n) const;
};

// Pure. The conversion loss and the LO isolation come in single precision
// (they are kept as working values), the rest as typed.
SpurLevelTable EvaluateSpurLevels(double loPower, double rfPower, float convLoss,
                                  double rfIsolation, float loIsolation);

// Top end of a spur line in twips: 360 - 36 x level, single precision, no
// clamping. Beyond the single range it is an infinity.
float SpurLineTop(double level);

// False when a level or its line top is not a finite single: absurd inputs
// whose lines cannot be drawn.
bool fitsSingle(const SpurLevelTable& table);

// The five inputs of the model, as the fields give them.
enum class LevelInput { LOPower, RFPower, ConvLoss, RFIsolation, LOIsolation };
struct LevelInputs {
    double loPower = 0;
    double rfPower = 0;
    float convLoss = 0;
    double rfIsolation = 0;
    float loIsolation = 0;
};

SpurLevelTable EvaluateSpurLevels(const LevelInputs& in);

// The input to mend when the table of `in` does not fit (fitsSingle), so that
// the user is sent to the field at fault: `first`, then the others in enum
// order, the first that overflows on its own (every other input 0); failing
// that, the largest in magnitude. nullopt when the table fits.
std::optional<LevelInput> findLevelOverflow(const LevelInputs& in, LevelInput first);

} // namespace kestrel
