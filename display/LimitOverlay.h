#pragma once
// What the converter's filters and the limit line change on the analyzer,
// step by step: each spur line's top from that step's level, whether it
// fails the limit line, and the mask as line segments. Worked out once per
// evaluation, so that a replay step only copies it onto the lines.

#include <QLineF>
#include <array>
#include <optional>
#include <vector>

#include "display/DisplayMapping.h"
#include "engine/ConverterLevels.h"
#include "engine/LimitLine.h"
#include "engine/SpurTable.h"

namespace kestrel::display {

struct LineLook {
    std::optional<float> top; // twips; none: the line keeps its top
    bool fails = false;
};

struct StepOverlay {
    std::array<LineLook, kSpurLineCount> lines{};
    std::vector<QLineF> mask; // twips: horizontal stretches and the risers between them
};

struct OverlayInput {
    const std::vector<SpurTableRow>* rows = nullptr; // step by step, after the filters and the limit line
    const std::vector<ConverterStep>* steps = nullptr;
    const std::vector<LimitBand>* line = nullptr;
    float bandStart = 0, bandStop = 0;
    bool filterLevels = false; // a filter is in use: tops from each step's levels
    bool limitsUsed = false;   // failing lines and the mask
};

// One entry per step of the rows.
std::vector<StepOverlay> buildOverlay(const OverlayInput& in);

} // namespace kestrel::display
