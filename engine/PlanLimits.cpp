#include "engine/PlanLimits.h"

#include <cmath>

#include "engine/NumberText.h"
#include "engine/WantedProduct.h"

namespace kestrel {

std::optional<PlanLimits> planLimitsFromDesign(const Design& design, const LevelModel& model,
                                               const LevelInputs& inputs, const PairLevels& levels,
                                               float bandStart, float bandStop, std::string& why) {
    auto filters = filtersFromDesign(design, why);
    if (!filters) return std::nullopt;
    auto line = limitLineFromDesign(design, why);
    if (!line) return std::nullopt;
    return PlanLimits{std::move(*filters), std::move(*line), &model, inputs, levels, bandStart, bandStop};
}

CandidateLimits::CandidateLimits(const PlanLimits& limits, const std::vector<float>& rf, ProductFamily wanted)
    : limits_(limits), rf_(rf), wanted_(wanted),
      drivesFiltered_(limits.filters.rf.shape != FilterShape::None || limits.filters.lo.shape != FilterShape::None),
      ifFiltered_(limits.filters.ifFilter.shape != FilterShape::None), ifAt_(limits.filters.ifFilter),
      steps_(rf.size()) {}

void CandidateLimits::setCandidate(const std::vector<float>& lo) {
    lo_ = &lo;
    for (Step& s : steps_) s.ready = false;
}

// As applyConverterFilters works out a step, term by term, so that the
// margins are those of a solve at the candidate.
CandidateLimits::Step& CandidateLimits::step(int s) {
    Step& out = steps_[std::size_t(s)];
    if (out.ready) return out;
    const float rf = rf_[std::size_t(s)];
    const float lo = (*lo_)[std::size_t(s)];
    const float wantedAt = wanted_ == ProductFamily::Sum ? toSingle(double(rf) + double(lo))
                                                         : toSingle(std::fabs(double(rf) - double(lo)));
    const double aRf = limits_.filters.rf.attenuation(rf).db;
    out.aIfWanted = limits_.filters.ifFilter.attenuation(wantedAt).db;
    out.wantedDbm = limits_.inputs.rfPower - aRf - double(limits_.inputs.convLoss) - out.aIfWanted;
    if (drivesFiltered_) {
        LevelInputs lowered = limits_.inputs;
        lowered.rfPower -= aRf;
        lowered.loPower -= limits_.filters.lo.attenuation(lo).db;
        out.levels = limits_.model->evaluate(lowered);
    }
    out.ready = true;
    return out;
}

bool CandidateLimits::fails(int s, int m, int n, float f) {
    // Held only inside the display band, as a solve holds its rows.
    if (!(limits_.bandStart <= f && f <= limits_.bandStop)) return false;
    const Step& at = step(s);
    const std::optional<double> limit =
        limitDbc(limitsAt(f, limits_.line, limits_.bandStart, limits_.bandStop), at.wantedDbm);
    if (!limit) return false;
    const bool held = m >= 0 && m <= PairLevels::kMaxM && n >= 0 && n <= PairLevels::kMaxN;
    const std::optional<double> mixer = !drivesFiltered_ ? productLevel(&limits_.levels, m, n)
                                        : held           ? productLevel(&at.levels, m, n)
                                                         : std::nullopt;
    if (!mixer) return true;
    const double level = ifFiltered_ ? *mixer - ifAt_(f).db + at.aIfWanted : *mixer;
    return *limit - level < 0;
}

} // namespace kestrel
