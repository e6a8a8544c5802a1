#pragma once
// Where the level of each product comes from: the built-in estimate from
// the drives and the mixer's figures, or the mixer's own spur table measured
// at a reference drive. One interface, so that everything that shows a
// level asks the model in use.

#include "engine/PairLevels.h"

namespace kestrel {

struct LevelInputs {
    double loPower = 0; // dBm
    double rfPower = 0; // dBm
    float convLoss = 0; // dB
    double rfIsolation = 0;
    float loIsolation = 0;
};

// Whether a pair holds a table entry at all.
constexpr bool isTablePair(int m, int n) {
    return m >= 0 && m <= PairLevels::kMaxM && n >= 0 && n <= PairLevels::kMaxN &&
           !(m == 0 && n == 0) && !(m == 1 && n == 1);
}

class LevelModel {
public:
    virtual ~LevelModel() = default;
    virtual PairLevels evaluate(const LevelInputs& in) const = 0;
};

// The five inputs, as the fields give them.
enum class LevelInput { LOPower, RFPower, ConvLoss, RFIsolation, LOIsolation };

// The input to mend when the levels of `in` do not fit (fitsSingle), so that
// the user is sent to the field at fault: `first`, then the others in enum
// order, the first that overflows on its own (every other input 0); failing
// that, the largest in magnitude. nullopt when the levels fit.
std::optional<LevelInput> findLevelOverflow(const LevelModel& model, const LevelInputs& in,
                                            LevelInput first);

// The estimate's level as a table entry: rounded to the fewest decimals
// that stay within the rounding the single-precision mixer figures bring
// into it (8.3 dB is held as 8.3000002), so that -2.9 is entered as -2.9,
// not as -2.900001.
double estimateEntry(double level, const LevelInputs& in);

class BuiltInLevelModel final : public LevelModel {
public:
    PairLevels evaluate(const LevelInputs& in) const override;
};

// The mixer's spur table: T(m, n) in dBc relative to the wanted output,
// measured at an RF drive of rfReference and an LO drive of loReference
// (dBm). The RF drive scales a product by (n - 1) dB a dB; the LO drive does
// not scale the table. (0, 0) and the wanted (1, 1) have no entry; a pair
// without an entry keeps the built-in estimate. An entry may be a bound (a
// datasheet's ">90"): the level is taken at the bound, -90 dBc.
class MixerSpurTable final : public LevelModel {
public:
    std::optional<double> cell(int m, int n) const { return cells_.at(m, n); }
    // Whether the entry is a bound rather than a measured level.
    bool bound(int m, int n) const { return isTablePair(m, n) && bounds_[index(m, n)]; }
    // Ignored for (0, 0) and (1, 1); no value is never a bound.
    void setCell(int m, int n, std::optional<double> value, bool bound = false);
    void clear() {
        cells_ = {};
        bounds_ = {};
    }
    bool empty() const;

    double rfReference = -10;
    double loReference = 7;

    PairLevels evaluate(const LevelInputs& in) const override;

    bool operator==(const MixerSpurTable& o) const {
        return cells_ == o.cells_ && bounds_ == o.bounds_ && rfReference == o.rfReference &&
               loReference == o.loReference;
    }

private:
    static constexpr int index(int m, int n) { return m * (PairLevels::kMaxN + 1) + n; }
    PairLevels cells_;
    std::array<bool, (PairLevels::kMaxM + 1) * (PairLevels::kMaxN + 1)> bounds_{};
};

} // namespace kestrel
