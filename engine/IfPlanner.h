#pragma once
// The IF planner's scan: for every candidate LO (or tracking offset), the
// band the wanted 1x1 output covers over the RF steps, and whether any
// counted product enters it. Each candidate is judged as a solve at it would
// judge it: the RF steps, the LO and every product stored in single
// precision, the band's edges single too and both included. So a candidate
// is clean exactly when that solve lists no counted product in the band
// plus guard.

#include <cmath>
#include <optional>
#include <vector>

#include "engine/PairLevels.h"
#include "engine/PlanLimits.h"
#include "engine/SpurCurves.h"

namespace kestrel {

enum class PlanWanted { LoMinusRf, RfMinusLo, LoPlusRf };

struct PlanQuery {
    double rfStart = 0;
    double rfStop = 0;
    int steps = 10;          // the design's RF steps: steps 0..steps, as a solve makes them
    bool trackingLO = false; // candidates are offsets of LO = RF + offset
    int mMax = 0;
    int nMax = 0;
    PlanWanted wanted = PlanWanted::LoMinusRf;
    double from = 0;
    double to = 0;
    int points = 1001;
    double guard = 0; // clean on both sides of the wanted band too
    double thresholdDbc = -60;
    const PairLevels* levels = nullptr; // none: every product counts
    // Set: a product counts where it enters the band at a step at which it
    // fails the limit line, in place of the threshold.
    const PlanLimits* limits = nullptr;
};

struct PlanProduct {
    int m = 0;
    int n = 0;
    ProductFamily family = ProductFamily::Sum;
    std::optional<double> level; // none: no level, counts as strongest
};

struct PlanCandidate {
    double value = 0;
    // The LO stays above zero at every step and the wanted product keeps its
    // sign over the band; an invalid candidate is never clean.
    bool valid = false;
    bool clean = false;
    // The strongest counted product inside the band; none when clean.
    std::optional<PlanProduct> worst;
};

struct PlanBand {
    double low = 0;
    double high = 0;
};

struct PlanNearest {
    PlanProduct product;
    double distance = 0; // from the wanted band without the guard
};

struct CleanRun {
    int first = 0; // candidate indices, both included
    int last = 0;
    double from = 0;
    double to = 0;
    double width() const { return std::fabs(to - from); }
    // The candidate "Use" writes: the one nearest the run's centre, of two
    // equally near the lower.
    int pick = 0;
    double picked = 0;
    PlanBand wanted;                    // at the picked candidate over the RF band, in double
    std::optional<PlanNearest> nearest; // the nearest counted product outside it
};

struct PlanResult {
    std::vector<PlanCandidate> candidates;
    std::vector<CleanRun> runs; // most candidates first, ties by lower From
    int cleanCount = 0;
};

// The candidate values: `points` evenly spaced from From to To, both included.
std::vector<double> planCandidates(const PlanQuery& query);

// The candidate as its field holds it once "Use" has written its text: the
// LO as a solve reads txtLOFreq, the offset as it reads txtLoOffset.
double heldCandidate(const PlanQuery& query, double c);

// Whether W(c) has no width: a tracking LO with a wanted difference.
bool wantedHasNoWidth(const PlanQuery& query);

// Runs of consecutive clean candidates: most candidates first, ties by lower
// From, both decided on the indices (candidates run monotonically from From).
std::vector<CleanRun> cleanRuns(const std::vector<PlanCandidate>& candidates);

PlanResult scanPlan(const PlanQuery& query);

} // namespace kestrel
