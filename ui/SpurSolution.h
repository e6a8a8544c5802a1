#pragma once
// What the main window knows of its last solve, handed to the windows that
// read it (the band finder, the table export).

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "engine/Design.h"
#include "engine/LevelModel.h"
#include "engine/LimitFailures.h"
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
    // The design as the windows hold it (its filters and limit line); empty
    // where nobody provides it.
    std::function<Design()> design;

    bool solved() const { return matrix != nullptr && state != nullptr && solve.has_value(); }
    const PairLevels* levelTable() const { return levels ? &*levels : nullptr; }

    // Where each product fails the design's limit line, or why that cannot be said.
    std::optional<LimitFailures> limitFailures(ProductFamily wanted, std::string& why) const {
        if (!solved()) {
            why = "Solve the matrix first.";
            return std::nullopt;
        }
        if (!design || !inputs) {
            why = "No levels: a drive or mixer figure is no number.";
            return std::nullopt;
        }
        static const BuiltInLevelModel builtIn;
        return kestrel::limitFailures(design(), *matrix, *state, *solve, levelTable(), model ? *model : builtIn,
                                      *inputs, wanted, why);
    }
};

} // namespace kestrel::ui
