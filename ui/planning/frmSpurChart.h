#pragma once
// The spur chart's window: every product of the last solve over the RF
// sweep, the spur-free bands on request, and a click that shows the nearest
// solved step on the analyzer. One modeless instance; it follows every
// solve, level evaluation and change of the wanted product.

#include <QWidget>
#include <functional>
#include <optional>

#include "engine/SpurFreeBands.h"
#include "engine/SpurTable.h"
#include "ui/FormPrinter.h"
#include "ui/SpurSolution.h"
#include "ui/planning/ChartImage.h"

class QCheckBox;
class QPushButton;

namespace kestrel::display {
class SpurChart;
}

namespace kestrel::ui {

// What the chart reads of the main window and the band finder, when it runs.
struct ChartHost {
    std::function<SpurSolution()> solution;
    std::function<ProductFamily()> wanted;
    std::function<std::vector<SpurFreeBand>()> bands; // the finder's, as its inputs stand
    std::function<std::optional<MarkerPair>()> markers; // none when a field holds no number
    std::function<bool()> replayEnabled;              // false while the matrix is stale
    std::function<void(int step)> showStep;           // as "+" shows a step
    std::function<QString()> designFile;             // names the saved image
};

} // namespace kestrel::ui

class frmSpurChart : public QWidget {
    Q_OBJECT
public:
    explicit frmSpurChart(kestrel::ui::ChartHost host);

    // Narrow enough to open beside the main window on a common screen.
    static constexpr int kMinimumWidth = 260;

    // Rebuilds the curves from the last solve, the levels and the wanted product.
    void refresh();

    void chartSpurs_Click(double rf);
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void chkShadeBands_Click();
    // The "shade bands" box, which a design file stores.
    bool shadeBands() const;
    void setShadeBands(bool on);

    kestrel::display::SpurChart& chart() const { return *chartSpurs_; }
    kestrel::ui::ChartImage& image() { return image_; }
    void setPrinter(kestrel::ui::FormPrinter printer) { printer_ = std::move(printer); }

private:
    void updateBands();

    kestrel::ui::ChartHost host_;
    kestrel::display::SpurChart* chartSpurs_ = nullptr;
    QCheckBox* chkShadeBands_ = nullptr;
    QPushButton* cmdSaveImage_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    kestrel::ui::ChartImage image_;
    kestrel::ui::FormPrinter printer_;
};
