#include "display/LimitOverlay.h"

#include <algorithm>

#include "engine/LimitMask.h"

namespace kestrel::display {
namespace {

std::vector<QLineF> maskSegments(const std::vector<MaskStretch>& mask, float bandStart, float bandStop) {
    std::vector<QLineF> segments;
    const auto x = [&](double f) { return double(FreqToX(float(f), bandStart, bandStop)); };
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const double y = LevelToY(mask[i].limitDbc);
        // A riser joins stretches that touch at different limits.
        if (i > 0 && mask[i - 1].to == mask[i].from && mask[i - 1].limitDbc != mask[i].limitDbc)
            segments.emplace_back(x(mask[i].from), double(LevelToY(mask[i - 1].limitDbc)), x(mask[i].from), y);
        segments.emplace_back(x(mask[i].from), y, x(mask[i].to), y);
    }
    return segments;
}

} // namespace

std::vector<StepOverlay> buildOverlay(const OverlayInput& in) {
    int stepCount = 0;
    for (const SpurTableRow& row : *in.rows) stepCount = std::max(stepCount, row.step + 1);
    std::vector<StepOverlay> overlay(std::size_t(std::max(stepCount, 0)));
    for (const SpurTableRow& row : *in.rows) {
        const int i = replayIndex({row.m, row.n, row.family == ProductFamily::Sum});
        if (i < 0 || row.step < 0) continue;
        LineLook& look = overlay[row.step].lines[i];
        // The wanted output stays where it is drawn; a product without a
        // level lies on the baseline, as without filters.
        if (in.filterLevels && row.role != ProductRole::Wanted)
            look.top = row.level ? LevelToY(*row.level) : float(kBaselineY);
        look.fails = in.limitsUsed && failsLimit(row);
    }
    if (in.limitsUsed)
        for (const ConverterStep& step : *in.steps)
            if (step.step >= 0 && step.step < int(overlay.size()))
                overlay[step.step].mask = maskSegments(limitMask(*in.line, in.bandStart, in.bandStop, step.wantedDbm),
                                                       in.bandStart, in.bandStop);
    return overlay;
}

} // namespace kestrel::display
