#pragma once
// What the spur grid shows after a solve: the pure rules, no widgets.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/SpurMatrix.h"

namespace kestrel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kSumInk{0, 0, 128};   // navy
inline constexpr Rgb kDiffInk{0, 64, 0};   // dark green
inline constexpr Rgb kCellWhite{255, 255, 255};

// The data cells a solve touches: rows and columns 1..11, i.e. n and m 0..10.
inline constexpr int kFillSize = 11;

// A cell's text colour; nullopt is the grid's default colour (never set).
using Ink = std::optional<Rgb>;

struct GridCells {
    std::array<std::string, kFillSize * kFillSize> text;
    std::array<Ink, kFillSize * kFillSize> ink;
    static constexpr int index(int m, int n) { return n * kFillSize + m; }
};

struct GridFillInput {
    int numSteps = 0; // steps 0..numSteps are scanned
    int mMax = 0;
    int nMax = 0;
    float ifStart = 0;
    float ifStop = 0;
    bool sumOnly = false;
};

// Texts and text colours of cells (row n + 1, column m + 1) for m, n 0..10
// after a solve. Texts start empty; each cell ends with the "##0.00" text of
// the last step at which one of its spurs was in band (IFStart <= f <= IFStop,
// both in single precision). At that step the difference frequency wins the
// text, the sum colour wins the colour. Cells never in band keep the colour
// they had before (inkBefore).
GridCells fillSpurGrid(const SpurMatrix& matrix, const GridFillInput& in,
                       const std::array<Ink, kFillSize * kFillSize>& inkBefore);

// The grid showing step k alone: every cell of m 0..mMax, n 0..nMax is
// emptied first and then gets the step's in-band spur by the rules above; a
// cell emptied keeps its colour. Cells outside that range keep `before`.
GridCells fillStepGrid(const SpurMatrix& matrix, int k, const GridFillInput& in,
                       GridCells before);

// Header texts: "<m>xLO" and "<n>xRF".
std::string loHeaderText(int m);
std::string rfHeaderText(int n);

} // namespace kestrel
