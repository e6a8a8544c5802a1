#pragma once
// The IF planner's scan: for every candidate LO (or tracking offset), the
// band the wanted 1x1 output covers while the RF runs over its band, and
// whether any counted product enters it. Products are the spur chart's
// exact curves; a product enters the band when its range over the RF band
// meets it, touching an edge included.

#include <optional>
#include <vector>

#include "engine/PairLevels.h"
#include "engine/SpurCurves.h"

namespace kestrel {

enum class PlanWanted { LoMinusRf, RfMinusLo, LoPlusRf };

struct PlanQuery {
    double rfStart = 0;
    double rfStop = 0;
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
};

struct PlanProduct {
    int m = 0;
    int n = 0;
    ProductFamily family = ProductFamily::Sum;
    std::optional<double> level; // none: no level, counts as strongest
};

struct PlanCandidate {
    double value = 0;
    bool valid = false; // the wanted product keeps its sign over the band
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
    double width() const { return to - from; }
    double centre() const { return (from + to) / 2; }
    PlanBand wanted;                    // at the centre, without the guard
    std::optional<PlanNearest> nearest; // the nearest counted product outside it
};

struct PlanResult {
    std::vector<PlanCandidate> candidates;
    std::vector<CleanRun> runs; // widest first, ties by lower From
    int cleanCount = 0;
};

// The candidate values: `points` evenly spaced from From to To, both included.
std::vector<double> planCandidates(const PlanQuery& query);

// The wanted band at candidate c without the guard; nullopt where the wanted
// difference has the wrong sign somewhere over the RF band, or reaches zero.
std::optional<PlanBand> wantedBand(const PlanQuery& query, double c);

// Whether W(c) has no width: a tracking LO with a wanted difference.
bool wantedHasNoWidth(const PlanQuery& query);

// Runs of consecutive clean candidates, widest first, ties by lower From.
std::vector<CleanRun> cleanRuns(const std::vector<PlanCandidate>& candidates);

// The nearest counted product outside the wanted band at c.
std::optional<PlanNearest> nearestProduct(const PlanQuery& query, double c);

PlanResult scanPlan(const PlanQuery& query);

} // namespace kestrel
