#pragma once
// The converter's filters and limit line on the main window: after a solve,
// a level evaluation or a change in the filters window, it works out the
// levels after the filters and the margins for the last solve, hands the
// analyzer each step's line heights, failing lines and mask, writes the
// verdict under the analyzer and the needed IF order into the filters window.

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "engine/Design.h"
#include "engine/LevelModel.h"
#include "engine/SpurProducts.h"
#include "engine/SpurTable.h"
#include "ui/SpurSolution.h"

class QLabel;
class frmFilters;

namespace kestrel::display {
class SpectrumDisplay;
}

namespace kestrel::ui {

struct ConverterLink {
    std::function<Design()> design; // the design as the window holds it
    std::function<SpurSolution()> solution;
    std::function<std::optional<MarkerPair>()> markers;
    std::function<ProductFamily()> wanted;
    std::function<const LevelModel*()> model;
    std::function<std::optional<LevelInputs>()> inputs;
    std::function<frmFilters*()> filters; // nullptr while the window was never made
};

class ConverterCheck : public QObject {
public:
    ConverterCheck(ConverterLink link, display::SpectrumDisplay& display, QLabel* lblVerdict, QObject* parent);

    // With every filter "None" and the limit line off, the analyzer is left
    // exactly as the pair levels draw it and the verdict is empty.
    void evaluate();

    // The row of a product at the step the analyzer shows, after the
    // filters, with its margin; nullptr while nothing is checked.
    const SpurTableRow* shownRow(int m, int n, ProductFamily family) const;

private:
    void clear(const QString& verdict);

    ConverterLink link_;
    display::SpectrumDisplay& display_;
    QLabel* lblVerdict_;
    std::vector<SpurTableRow> rows_; // of the last evaluation; empty when cleared
};

} // namespace kestrel::ui
