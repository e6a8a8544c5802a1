#pragma once
// One mixing product m LO +/- n RF of a solved matrix: its name, its level
// and the LO of each step. Shared by the band finder, the table export and
// the hover on the analyzer.

#include <optional>
#include <string>

#include "engine/PairLevels.h"
#include "engine/SpurMatrix.h"

namespace kestrel {

enum class ProductFamily { Sum, Difference };

// What the matrix alone does not say about the last solve.
struct LastSolve {
    int mMax = 0;            // highest LO order solved
    int nMax = 0;            // highest RF order solved
    bool trackingLO = false; // LO locked to RF (TrackLOFreq holds it)
};

// The two band-edge markers, in whichever order they stand.
struct MarkerPair {
    float marker1 = 0;
    float marker2 = 0;
};

// Between the markers, both edges included: the comparison in single
// precision that the grid makes of its band, so that a product the grid
// shows with markers on the band edges counts as between them.
bool betweenMarkers(float f, const MarkerPair& markers);

// "7 LO + 4 RF", "3 LO - 2 RF".
std::string productName(int m, int n, ProductFamily family);

// The LO frequency used at step s of the last solve.
float loAtStep(const SpurMatrix& matrix, const WorkingState& state, const LastSolve& solve,
               int s);

// Frequency of a product at step s, as the matrix holds it.
float productFrequency(const SpurMatrix& matrix, int s, int m, int n, ProductFamily family);

// Level of a pair in dBc; nullopt when there is no table or the pair has no
// estimate (the wanted 1x1, orders beyond the analyzer's lines).
std::optional<double> pairLevel(const PairLevels* levels, int m, int n);

} // namespace kestrel
