#include "engine/LevelModel.h"

#include <array>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel {
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

PairLevels::PairLevels(const SpurLevelTable& builtIn) {
    for (int i = 0; i < kLevelPairCount; ++i) set(kLevelPairs[i].m, kLevelPairs[i].n, builtIn.level[i]);
}

void PairLevels::set(int m, int n, std::optional<double> level) {
    if (m < 0 || m > kMaxM || n < 0 || n > kMaxN) return;
    has_[index(m, n)] = level.has_value();
    level_[index(m, n)] = level.value_or(0);
}

bool fitsSingle(const PairLevels& levels) {
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto l = levels.at(m, n);
                l && (!std::isfinite(toSingle(*l)) || !std::isfinite(SpurLineTop(*l))))
                return false;
    return true;
}

PairLevels BuiltInLevelModel::evaluate(const LevelInputs& in) const {
    return EvaluateSpurLevels(in.loPower, in.rfPower, in.convLoss, in.rfIsolation, in.loIsolation);
}

double estimateEntry(double level, const LevelInputs& in) {
    // Half a unit in the last place of each single figure, and of the level.
    const double error =
        (std::fabs(in.convLoss) + std::fabs(in.loIsolation) + std::fabs(level)) * 0x1p-24;
    double scale = 1;
    for (int decimals = 0; decimals <= 7; ++decimals, scale *= 10) {
        const double rounded = std::round(level * scale) / scale + 0.0; // no -0
        if (std::fabs(rounded - level) <= error) return toSingle(rounded);
    }
    return toSingle(level);
}

void MixerSpurTable::setCell(int m, int n, std::optional<double> value, bool bound) {
    if (!isTablePair(m, n)) return;
    cells_.set(m, n, value);
    bounds_[index(m, n)] = bound && value;
}

bool MixerSpurTable::empty() const { return cells_ == PairLevels{}; }

PairLevels MixerSpurTable::evaluate(const LevelInputs& in) const {
    // A datasheet rarely lists every product: the rest keep the estimate.
    PairLevels out = BuiltInLevelModel().evaluate(in);
    const double drive = in.rfPower - rfReference;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto t = cells_.at(m, n)) out.set(m, n, *t + (n - 1) * drive);
    return out;
}

std::optional<LevelInput> findLevelOverflow(const LevelModel& model, const LevelInputs& in,
                                            LevelInput first) {
    if (fitsSingle(model.evaluate(in))) return std::nullopt;
    const std::array<LevelInput, 6> order = {first, LevelInput::LOPower, LevelInput::RFPower,
                                             LevelInput::ConvLoss, LevelInput::RFIsolation,
                                             LevelInput::LOIsolation};
    for (LevelInput which : order)
        if (!fitsSingle(model.evaluate(alone(in, which)))) return which;
    // Only together do they overflow (1e36 and -1e36 dBm): the largest one.
    LevelInput largest = first;
    for (LevelInput which : order)
        if (magnitude(in, which) > magnitude(in, largest)) largest = which;
    return largest;
}

} // namespace kestrel
