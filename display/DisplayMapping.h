#pragma once
// Pure geometry of the analyzer panel: frequency to x, level to y, and the
// spur lines with their names and the order in which every replay places
// them. Twips, relative to the panel's top-left corner.

#include <QString>
#include <array>

#include "engine/NumberText.h"
#include "engine/SpurLevels.h"

namespace kestrel::display {

inline constexpr float kAxisWidth = 7215;   // x of the span stop
inline constexpr double kPanelHeight = 4335;
inline constexpr double kZeroDbcY = 360;     // top graticule line
inline constexpr double kBaselineY = 4320;   // where every spur line ends below

// x of frequency f for the span start..stop, worked out in double and stored
// as a single, with no clamping: below the span is negative, above it beyond
// 7215; a stop below the start mirrors the axis. An empty span gives no
// finite x, nor does an x beyond the single range.
inline float FreqToX(float f, float spanStart, float spanStop) {
    const double start = spanStart;
    return toSingle((f - start) / (spanStop - start) * kAxisWidth);
}

// Top end of a spur line for a level in dBc.
inline float LevelToY(double level) { return SpurLineTop(level); }

// One spur line: the sum line m LO + n RF or the difference line |m LO - n RF|.
struct SpurLineId {
    int m;
    int n;
    bool sum;
    friend constexpr bool operator==(SpurLineId, SpurLineId) = default;
};

inline constexpr int kSpurLineCount = 120;
inline constexpr int kDifferenceLineCount = 52;

// Which lines exist: difference lines for m = 1..6, n = 1..8 and m = 7,
// n = 1..4; sum lines for those, for (0, 1..8) and for (1..8, 0).
constexpr bool hasSpurLine(SpurLineId id) {
    const auto [m, n, sum] = id;
    if (m < 0 || n < 0 || n > 8) return false;
    if (n >= 1 && ((m >= 1 && m <= 6) || (m == 7 && n <= 4))) return true;
    return sum && ((m == 0 && n >= 1) || (n == 0 && m >= 1 && m <= 8));
}

// The order of every replay step: the 52 difference lines by m then n, then
// the 68 sum lines: (0, 1..8), (1..8, 0), then by m and n.
inline constexpr auto kReplayOrder = [] {
    std::array<SpurLineId, kSpurLineCount> order{};
    int i = 0;
    for (int m = 1; m <= 7; ++m)
        for (int n = 1; n <= 8; ++n)
            if (hasSpurLine({m, n, false})) order[i++] = {m, n, false};
    for (int n = 1; n <= 8; ++n) order[i++] = {0, n, true};
    for (int m = 1; m <= 8; ++m) order[i++] = {m, 0, true};
    for (int m = 1; m <= 7; ++m)
        for (int n = 1; n <= 8; ++n)
            if (hasSpurLine({m, n, true})) order[i++] = {m, n, true};
    return order;
}();

// Position of a line in kReplayOrder, -1 when it does not exist.
int replayIndex(SpurLineId id);

// "Spurs7x4", "Spur6x5"; the (2, 8) difference line is "spur2x8".
QString spurLineName(SpurLineId id);

// The product a line stands for: "7 LO + 4 RF", "6 LO - 5 RF".
QString spurLineLabel(SpurLineId id);

} // namespace kestrel::display
