#pragma once
// What the main window's solve reads from its fields, worked out from a
// design value instead: the solve's inputs, the level inputs and model, the
// markers, and from there the export's rows. The checks are the window's;
// a refusal names the field at fault by its caption.

#include <optional>
#include <string>
#include <vector>

#include "engine/ConverterLevels.h"
#include "engine/Design.h"
#include "engine/LimitLine.h"
#include "engine/NeededOrder.h"
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
    // With levels: the model in use (the design's spur table or the
    // built-in estimate, living as long as the design) and its inputs.
    const LevelModel* model = nullptr;
    LevelInputs inputs;
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
    const LevelModel* model = nullptr;
    LevelInputs inputs;
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
    // The converter: its filters, what each step gives the wanted output,
    // the limit line and its verdict; the needed IF order only when the
    // design checks its limit line (chkUseLimits).
    ConverterFilters filters;
    std::vector<ConverterStep> converter;
    std::vector<LimitBand> limitLine;
    LimitVerdict verdict;
    bool limitsUsed = false;
    std::optional<NeededOrder> needed;
};

// The wanted output of a solved design: the one cboWanted names, or the
// one Automatic decides from the markers at the middle step.
ProductFamily wantedFromDesign(const Design& design, const SpurMatrix& matrix,
                               const WorkingState& state, const LastSolve& solve);

// Solves every step of the design and builds the rows of "Export Spur
// Table", with the wanted output the band finder names, the levels after
// the design's filters and the margins to its limit line. A filter or limit
// row that cannot be used refuses the report, naming its caption.
DesignReport reportFromDesign(const Design& design);

// The report of a solve already made, whose `solve` and `wanted` are set:
// the export's rows with `levels`, then the converter's part: the filters
// and the limit line of `design`, the levels from `model` at `in`, the
// display band of `state` and the markers. reportFromDesign, the window's
// export and its limit-line check share it. Returns why it cannot (empty
// when done).
std::string reportOfSolve(DesignReport& report, const SpurMatrix& matrix, const WorkingState& state,
                          const PairLevels* levels, std::optional<MarkerPair> markers, const Design& design,
                          const LevelModel& model, const LevelInputs& in);

} // namespace kestrel
