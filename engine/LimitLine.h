#pragma once
// The limit line: rows of From, To, Limit and Unit that every product in the
// display band (but the wanted output) is held against, the margins it
// leaves and the design's verdict.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/ConverterLevels.h"
#include "engine/Design.h"
#include "engine/SpurTable.h"

namespace kestrel {

enum class LimitUnit { Dbc, Dbm };

// One row; an edge without a value is the display band's edge.
struct LimitBand {
    std::optional<double> from;
    std::optional<double> to;
    double limit = -60;
    LimitUnit unit = LimitUnit::Dbc;
};

// The design's rows, or why one is not a row (naming it by its caption).
std::optional<std::vector<LimitBand>> limitLineFromDesign(const Design& design, std::string& why);

// "from,to,limit,unit" as stored (empty from or to allowed) to a row, and back.
std::optional<LimitBand> parseLimitRow(const LimitRow& row);

// The lowest limit over the rows whose [from, to] holds f (edges included;
// a reversed row is read in order), by unit; none where no row holds f.
struct RowLimits {
    std::optional<double> dbc;
    std::optional<double> dbm;
};
RowLimits limitsAt(double f, const std::vector<LimitBand>& line, float bandStart, float bandStop);

// The limit in dBc at a step whose wanted output is at wantedDbm.
std::optional<double> limitDbc(const RowLimits& limits, double wantedDbm);

// Whether a row is held against the line at all: in the display band and
// not the wanted output.
bool heldAgainstLimits(const SpurTableRow& row);

// Sets every row's limit (dBc, the lowest that applies) and margin
// (limit - level). `steps` as applyConverterFilters returned them.
void applyLimitLine(std::vector<SpurTableRow>& rows, const std::vector<ConverterStep>& steps,
                    const std::vector<LimitBand>& line, float bandStart, float bandStop);

// A row with a limit and no level, or a margin below 0.
bool failsLimit(const SpurTableRow& row);

struct StepVerdict {
    int step = 0;
    std::optional<std::size_t> worst; // the row with the smallest margin (no level first)
};

struct LimitVerdict {
    bool pass = true;
    std::optional<double> worstMargin;  // none when nothing is held or the worst has no level
    std::optional<std::size_t> worst;   // index into the rows
    std::vector<StepVerdict> steps;     // one per step, in step order
};

LimitVerdict limitVerdict(const std::vector<SpurTableRow>& rows);

// "PASS, margin 4.2 dB", "FAIL by 3.1 dB: 3 LO - 2 RF at step 4",
// "FAIL: 7 LO - 8 RF at step 9 has no level", or "PASS, no product is held
// against the limit line".
std::string verdictText(const LimitVerdict& verdict, const std::vector<SpurTableRow>& rows);

} // namespace kestrel
