#pragma once
// What the pointer rests on over the analyzer: which spur and marker lines
// lie within reach of its x, and the tooltip that names them. Plain data in,
// so it does not depend on how the panel keeps its lines.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PairLevels.h"
#include "engine/SpurMatrix.h"
#include "engine/SpurProducts.h"
#include "engine/SpurTable.h"

namespace kestrel::hover {

// 3 logical pixels of 15 twips each.
inline constexpr double kReachTwips = 45;

// One line of the panel as it is placed now (twips, panel coordinates).
struct PlacedLine {
    std::string name;  // Spurs7x4, Spur3x2, spur2x8, Mrkr1, ...
    std::string label; // descriptive label; the product name when empty
    double x = 0;
    double top = 0;
    bool visible = false;
    std::optional<float> frequency; // where the replay placed it, when known
};

enum class LineKind { Sum, Difference, Marker };

struct LineId {
    LineKind kind = LineKind::Sum;
    int m = 0;      // spur lines
    int n = 0;      // spur lines
    int marker = 0; // 1 or 2 for a marker
};

// Recognises the spur and marker line names; nullopt for anything else.
std::optional<LineId> parseLineName(std::string_view name);

// Indices of the visible spur and marker lines within reach of x: spur lines
// strongest first (highest top), then the markers; equal ones nearest first.
std::vector<std::size_t> hitLines(double xTwips, const std::vector<PlacedLine>& lines);

struct HoverContext {
    const SpurMatrix* matrix = nullptr;
    int shownStep = -1; // the step whose lines are on the panel; none below 0
    std::string unit;   // FreqUnit
    float marker1 = 0;  // Marker1Freq
    float marker2 = 0;  // Marker2Freq
    // The levels the lines were given; a pair without one says so instead
    // of reading its baseline as a level.
    const PairLevels* levels = nullptr;
    // Which 1x1 product is the wanted output; the other is its image.
    ProductFamily wanted = ProductFamily::Difference;
    // With the converter's filters or limit line in use: the shown step's
    // row of a product, whose level (after the filters) and margin the
    // tooltip gives; empty or nullptr otherwise.
    using RowLookup = std::function<const SpurTableRow*(int m, int n, ProductFamily family)>;
    RowLookup converterRow{};
};

// One text line per hit, in the order given: "7 LO + 4 RF: 46.5 GHz, -79 dBc",
// "1 LO + 1 RF: 36.5 GHz, wanted output", "1 LO - 1 RF: 11.5 GHz, image, 0 dBc",
// "Marker 1: 37 GHz". With a converter row its level is the row's, and a
// product over the limit line says by how much, which is the IF rejection
// it lacks: "3 LO - 2 RF: 38.5 GHz, -52.5 dBc, over the limit by 7.5 dB".
// Empty when
// there is no hit. The level comes from the line's top; the frequency is the
// line's own where it has one, else the context's.
std::string tooltipText(const std::vector<PlacedLine>& lines, const std::vector<std::size_t>& hits,
                        const HoverContext& context);

} // namespace kestrel::hover
