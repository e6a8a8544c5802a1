#pragma once
// Every solved product of the last solve as one table row, for the export.

#include <optional>
#include <vector>

#include "engine/SpurProducts.h"
#include "engine/WantedProduct.h"

namespace kestrel {

struct SpurTableRow {
    int step = 0;
    float rf = 0;
    float lo = 0; // the tracking LO of the step, or the fixed LO
    int m = 0;
    int n = 0;
    ProductFamily family = ProductFamily::Sum;
    float frequency = 0;
    bool inBand = false;                // IFStart <= f <= IFStop, as the grid tests it
    std::optional<bool> betweenMarkers; // none when a marker is not a number
    std::optional<double> level;        // dBc; none for a pair without an estimate
    ProductRole role = ProductRole::Spur;
};

// Whether the table has a row for the product: not (0, 0), which is no
// product, and the harmonics of LO or RF alone (m x 0, 0 x n) once, as the
// sum, as the analyzer and the chart draw them.
bool exportedProduct(int m, int n, ProductFamily family);

// One row per solved step, pair (m, n) up to the solved orders and family
// (sum first), in that nesting, for the exported products. Between the
// markers as betweenMarkers decides it. Levels and roles as productLevel and
// productRole give them for the wanted 1 x 1 product.
std::vector<SpurTableRow> spurTableRows(const SpurMatrix& matrix, const WorkingState& state,
                                        const LastSolve& solve, const PairLevels* levels,
                                        std::optional<MarkerPair> markers, ProductFamily wanted);

} // namespace kestrel
