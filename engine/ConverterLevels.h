#pragma once
// The levels as they leave the converter: the RF preselector and the LO
// filter lower the drives that reach the mixer, the IF filter acts on each
// product at its own frequency. Every level stays in dBc relative to the
// wanted output, now at the converter's output.

#include <optional>
#include <string>
#include <vector>

#include "engine/Design.h"
#include "engine/Filter.h"
#include "engine/LevelModel.h"
#include "engine/SpurTable.h"

namespace kestrel {

struct ConverterFilters {
    Filter rf;       // the preselector, before the mixer
    Filter lo;       // on the LO
    Filter ifFilter; // after the mixer
};

// The design's three filter blocks as filters. A block whose shape does not
// use a field leaves it unjudged; a field it uses that is not a number in
// its range, a band-pass with Low >= High, an edge <= 0 or a measured shape
// without points is refused, naming the field by its caption.
std::optional<ConverterFilters> filtersFromDesign(const Design& design, std::string& why);

// One filter block alone (prefix "RF", "LO" or "IF").
std::optional<Filter> filterFromBlock(const DesignFilter& block, std::string_view prefix, std::string& why);

// What one step gives the wanted output.
struct ConverterStep {
    int step = 0;
    float wantedFrequency = 0; // f_w
    double aRf = 0;            // A_RF(f_RF)
    double aLo = 0;            // A_LO(f_LO)
    double aIfWanted = 0;      // A_IF(f_w)
    double beforeIf = 0;       // P_RF - A_RF(f_RF) - conversion loss, dBm
    double wantedDbm = 0;      // beforeIf - A_IF(f_w)
    bool outsideFilterData = false; // A_RF, A_LO or A_IF(f_w) from outside measured data
};

// Sets every row's aRf, aLo, aIf, mixerLevel, level (after the filters),
// levelDbm and outsideFilterData, and returns one entry per step, in the
// order the rows come. `rows` come step by step as spurTableRows gives them,
// their levels from `model` evaluated at `in`. The model is evaluated again
// at each step's lowered drives only where the RF or LO filter is not None;
// with every filter None every level stays bit for bit what it was.
std::vector<ConverterStep> applyConverterFilters(std::vector<SpurTableRow>& rows,
                                                 const ConverterFilters& filters, const LevelModel& model,
                                                 const LevelInputs& in, ProductFamily wanted);

} // namespace kestrel
