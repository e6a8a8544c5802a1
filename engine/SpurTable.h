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
    std::optional<double> level;        // dBc at the converter's output, after the filters;
                                        // none for a pair without an estimate
    ProductRole role = ProductRole::Spur;
    // The converter's filters (applyConverterFilters): the attenuations
    // used, in dB, the level at the mixer, the absolute output level.
    double aRf = 0; // A_RF(f_RF)
    double aLo = 0; // A_LO(f_LO)
    double aIf = 0; // A_IF(f)
    std::optional<double> mixerLevel; // dBc at the mixer, before the IF filter
    std::optional<double> levelDbm;
    // The limit line (applyLimitLine): the lowest limit that applies, in dBc
    // at this step, and limit - level.
    std::optional<double> limit;
    std::optional<double> margin;
    bool outsideFilterData = false; // an attenuation from outside measured data
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
