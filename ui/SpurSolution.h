#pragma once
// What the main window knows of its last solve, handed to the windows that
// read it (the band finder, the table export).

#include <QString>
#include <optional>

#include "engine/LevelModel.h"
#include "engine/PairLevels.h"
#include "engine/SpurMatrix.h"
#include "engine/SpurProducts.h"

namespace kestrel::ui {

struct SpurSolution {
    const SpurMatrix* matrix = nullptr;
    const WorkingState* state = nullptr;
    std::optional<LastSolve> solve;       // none before the first solve
    std::optional<PairLevels> levels; // none until the levels were evaluated
    QString unit;                         // FreqUnit
    // The inputs the levels were evaluated at, and the model (none: the
    // built-in estimate), for the levels after the converter's filters.
    std::optional<LevelInputs> inputs;
    const LevelModel* model = nullptr;

    bool solved() const { return matrix != nullptr && state != nullptr && solve.has_value(); }
    const PairLevels* levelTable() const { return levels ? &*levels : nullptr; }
};

} // namespace kestrel::ui
