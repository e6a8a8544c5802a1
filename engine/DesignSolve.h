#pragma once
// What the main window's solve reads from its fields, worked out from a
// design value instead: the solve's inputs, the level inputs and model, the
// markers, and from there the export's rows. The checks are the window's;
// a refusal names the field at fault by its caption.

#include <optional>
#include <string>
#include <vector>

#include "engine/Design.h"
#include "engine/LevelModel.h"
#include "engine/SpurSolver.h"
#include "engine/SpurTable.h"

namespace kestrel {

struct DesignSolveInput {
    std::optional<SolveInput> input;
    std::string field; // without input: the name of the field to mend
    std::string why;   // and what is wrong, naming it by its caption
};

// The texts of the fields a solve reads, as the window's fields hold them.
struct SolveFieldTexts {
    std::string rfStart, rfStop, steps, loFreq, ifStart, ifStop;
    bool trackingLO = false;
    std::string loOffset;
    std::string loHarmonics, rfHarmonics;
};

// The solve's inputs from those texts: every frequency must fit a single,
// the lists hold whole numbers, and the fields together must keep the
// solve in the single range. The first fault in the fields' order is named.
DesignSolveInput solveInputFromTexts(const SolveFieldTexts& texts);

// The solve's inputs as the window reads them from fields that show the
// design's values.
DesignSolveInput solveInputFromDesign(const Design& design);

struct DesignLevels {
    std::optional<PairLevels> levels;
    std::string why;
};

// The levels the window evaluates at a solve: the mixer's spur table when
// it is in use, the built-in estimate otherwise.
DesignLevels levelsFromDesign(const Design& design);

// What a solve needs, checked in the window's order: the solve's inputs
// first, then the levels. Either both, or `why` says what the window would
// refuse.
struct SolvableDesign {
    std::optional<SolveInput> input;
    std::optional<PairLevels> levels;
    std::string why;
};
SolvableDesign solvableDesign(const Design& design);

// Both markers by the strict conversion the window uses.
std::optional<MarkerPair> designMarkers(const Design& design);

struct DesignReport {
    std::vector<SpurTableRow> rows;
    ProductFamily wanted = ProductFamily::Difference;
    LastSolve solve;
    int steps = 0; // solved steps
    std::string why; // not empty: nothing was solved
};

// The wanted output of a solved design: the one cboWanted names, or the
// one Automatic decides from the markers at the middle step.
ProductFamily wantedFromDesign(const Design& design, const SpurMatrix& matrix,
                               const WorkingState& state, const LastSolve& solve);

// Solves every step of the design and builds the rows of "Export Spur
// Table", with the wanted output the band finder names.
DesignReport reportFromDesign(const Design& design);

} // namespace kestrel
