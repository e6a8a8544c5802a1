#include "engine/LevelModel.h"

#include <cmath>

#include "engine/NumberText.h"

namespace kestrel {

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

void MixerSpurTable::setCell(int m, int n, std::optional<double> value) {
    if (isTablePair(m, n)) cells_.set(m, n, value);
}

bool MixerSpurTable::empty() const { return cells_ == PairLevels{}; }

PairLevels MixerSpurTable::evaluate(const LevelInputs& in) const {
    PairLevels out;
    const double drive = in.rfPower - rfReference;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto t = cells_.at(m, n)) out.set(m, n, *t + (n - 1) * drive);
    return out;
}

} // namespace kestrel
