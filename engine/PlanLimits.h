#pragma once
// The limit line in the IF planner. A candidate moves only the LO (or the
// tracking offset): the filters are fixed hardware, the RF steps, the drives
// and the display band stay the design's. A product counts at a step when
// it fails the limit line there as a solve at the candidate would judge it:
// its level after the filters at that step against the lowest limit at its
// frequency, inside the display band; no level fails.

#include <optional>
#include <string>
#include <vector>

#include "engine/ConverterLevels.h"
#include "engine/FastAttenuation.h"
#include "engine/LimitLine.h"

namespace kestrel {

struct PlanLimits {
    ConverterFilters filters;
    std::vector<LimitBand> line;
    const LevelModel* model = nullptr; // lives as long as the design it came from
    LevelInputs inputs;
    PairLevels levels;                 // at the design's drives
    float bandStart = 0, bandStop = 0; // the display band, as a solve holds it
};

// nullopt with `why` when a filter or a limit row cannot be used.
std::optional<PlanLimits> planLimitsFromDesign(const Design& design, const LevelModel& model,
                                               const LevelInputs& inputs, const PairLevels& levels,
                                               float bandStart, float bandStop, std::string& why);

// One candidate's judgement, step by step; what a step needs is worked out
// the first time a product is judged there, so a candidate whose band no
// product enters costs nothing. One judge serves every candidate in turn.
class CandidateLimits {
public:
    // `limits` and `rf` (the stored RF of every step) outlive the judge.
    CandidateLimits(const PlanLimits& limits, const std::vector<float>& rf, ProductFamily wanted);

    // The stored LO of every step at the next candidate.
    void setCandidate(const std::vector<float>& lo);
    // Whether product (m, n) at step s, stored at f, fails the limit line.
    bool fails(int s, int m, int n, float f);

private:
    struct Step {
        bool ready = false;
        double aIfWanted = 0;
        double wantedDbm = 0;
        PairLevels levels; // at the step's lowered drives, where the RF or LO filter acts
    };
    Step& step(int s);

    const PlanLimits& limits_;
    const std::vector<float>& rf_;
    const std::vector<float>* lo_ = nullptr;
    ProductFamily wanted_;
    bool drivesFiltered_;
    bool ifFiltered_;
    FastAttenuation ifAt_;
    std::vector<Step> steps_;
};

} // namespace kestrel
