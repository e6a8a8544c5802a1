#include "engine/SpurLevels.h"

#include <cassert>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel {
namespace {

// Loss of the m-th LO harmonic against the fundamental, dB (index m).
constexpr std::array<double, 9> kLOHarmonicLoss = {0, 0, 10, 30, 28, 20, 35, 45, 40};

// Fixed level of the (m, 1) products for m = 2..7, dBc (index m).
constexpr std::array<double, 8> kSingleRFLevel = {0, 0, -35, -10, -40, -15, -40, -20};

// Suppression of the (m, n) products with n >= 2 at equal drives, dB; row m,
// column n - 2. Pairs without a line are 0 and never read.
constexpr std::array<std::array<double, 7>, 8> kHigherRFSuppression = {{
    {50, 30, 50, 30, 50, 30, 50},
    {55, 30, 50, 30, 50, 30, 50},
    {50, 30, 50, 30, 50, 30, 50},
    {55, 30, 50, 20, 45, 10, 40},
    {50, 30, 50, 20, 50, 10, 50},
    {50, 25, 45, 10, 40, 0, 35},
    {50, 30, 45, 35, 40, 40, 35},
    {55, 20, 40, 0, 0, 0, 0},
}};

constexpr auto kPairIndex = [] {
    std::array<std::array<int, 9>, 9> index{};
    for (auto& row : index) row.fill(-1);
    for (int i = 0; i < kLevelPairCount; ++i) index[kLevelPairs[i].m][kLevelPairs[i].n] = i;
    return index;
}();

} // namespace

double SpurLevelTable::at(int m, int n) const {
    assert(hasSpurLevel(m, n));
    return level[kPairIndex[m][n]];
}

SpurLevelTable EvaluateSpurLevels(double loPower, double rfPower, float convLoss,
                                  double rfIsolation, float loIsolation) {
    const double cl = convLoss;
    const double isoLO = loIsolation;
    const double margin = loPower - rfPower;
    SpurLevelTable table;
    for (int i = 0; i < kLevelPairCount; ++i) {
        const auto [m, n] = kLevelPairs[i];
        double l = 0;
        if (m == 0 && n == 1)
            l = cl - rfIsolation; // RF feedthrough
        else if (n == 0)
            l = (loPower - isoLO - kLOHarmonicLoss[m]) - (rfPower - cl);
        else if (n == 1)
            l = kSingleRFLevel[m];
        else
            l = -(kHigherRFSuppression[m][n - 2] + (n - 1) * margin);
        table.level[i] = l;
    }
    return table;
}

float SpurLineTop(double level) { return toSingle(360.0 - 36.0 * level); }

bool fitsSingle(const SpurLevelTable& table) {
    for (double l : table.level)
        if (!std::isfinite(toSingle(l)) || !std::isfinite(SpurLineTop(l))) return false;
    return true;
}

SpurLevelTable EvaluateSpurLevels(const LevelInputs& in) {
    return EvaluateSpurLevels(in.loPower, in.rfPower, in.convLoss, in.rfIsolation, in.loIsolation);
}

namespace {

double magnitude(const LevelInputs& in, LevelInput which) {
    switch (which) {
    case LevelInput::LOPower: return std::fabs(in.loPower);
    case LevelInput::RFPower: return std::fabs(in.rfPower);
    case LevelInput::ConvLoss: return std::fabs(in.convLoss);
    case LevelInput::RFIsolation: return std::fabs(in.rfIsolation);
    case LevelInput::LOIsolation: return std::fabs(in.loIsolation);
    }
    return 0;
}

// `in` with every input but `which` set to 0.
LevelInputs alone(const LevelInputs& in, LevelInput which) {
    LevelInputs out;
    switch (which) {
    case LevelInput::LOPower: out.loPower = in.loPower; break;
    case LevelInput::RFPower: out.rfPower = in.rfPower; break;
    case LevelInput::ConvLoss: out.convLoss = in.convLoss; break;
    case LevelInput::RFIsolation: out.rfIsolation = in.rfIsolation; break;
    case LevelInput::LOIsolation: out.loIsolation = in.loIsolation; break;
    }
    return out;
}

} // namespace

std::optional<LevelInput> findLevelOverflow(const LevelInputs& in, LevelInput first) {
    if (fitsSingle(EvaluateSpurLevels(in))) return std::nullopt;
    std::array<LevelInput, 6> order = {first, LevelInput::LOPower, LevelInput::RFPower,
                                       LevelInput::ConvLoss, LevelInput::RFIsolation,
                                       LevelInput::LOIsolation};
    for (LevelInput which : order)
        if (!fitsSingle(EvaluateSpurLevels(alone(in, which)))) return which;
    // Only together do they overflow (1e36 and -1e36 dBm): the largest one.
    LevelInput largest = first;
    for (LevelInput which : order)
        if (magnitude(in, which) > magnitude(in, largest)) largest = which;
    return largest;
}

} // namespace kestrel
