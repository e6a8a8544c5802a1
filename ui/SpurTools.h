#pragma once
// The spur tools beside the main window's own behaviour: the spur-free band
// finder with its shading on the analyzer, the spur table export, and the
// hover that names the lines under the resting pointer. The main window
// tells it of every solve and every level evaluation; it keeps what the
// tools need of them.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "engine/PairLevels.h"
#include "engine/SpurHover.h"
#include "engine/SpurMatrix.h"
#include "engine/SpurProducts.h"
#include "ui/planning/SpurExport.h"
#include "ui/SpurSolution.h"

class QLineEdit;
class QWidget;
class frmSpurChart;
class frmSpurFree;

namespace kestrel::display {
class SpectrumDisplay;
}

namespace kestrel::ui {

class SpurTools : public QObject {
    Q_OBJECT
public:
    using TextSource = std::function<QString()>;

    // The single step of the main window, for the chart's click.
    struct StepLink {
        std::function<bool()> enabled;   // the replay buttons are enabled
        std::function<void(int)> show;   // shows a step as "+" does
    };

    // window: parent of the boxes and holder of the marker fields; unit:
    // FreqUnit; designFile: the current design file name, empty when none.
    SpurTools(QWidget* window, const SpurMatrix& matrix, const WorkingState& state,
              display::SpectrumDisplay& display, TextSource unit, TextSource designFile,
              StepLink step);
    ~SpurTools() override;

    // After a completed solve, with what the matrix alone does not say.
    void solved(const LastSolve& solve);
    // After every level table that reached the lines.
    void levelsEvaluated(const PairLevels& levels, std::optional<LevelInputs> inputs, const LevelModel* model);
    // Where the hover finds a product's level after the converter's filters
    // and its margin, while they are in use.
    void setConverterRows(hover::HoverContext::RowLookup rows) { converterRows_ = std::move(rows); }
    // After a design was loaded: the automatic wanted product is decided
    // afresh from the loaded markers.
    void designLoaded();
    // After "+" or "-" showed step k: the chart's cursor goes to its RF.
    void stepShown(int k);

    // "Spur-&Free Bands...": the one finder window, shown and in front.
    void mnuSpurFree_Click();
    // "&Export Spur Table...".
    void mnuExport_Click();
    // "Spur &Chart...": the one chart window, shown and in front.
    void mnuSpurChart_Click();
    // The frequency unit changed: the chart's axes name it.
    void unitChanged();
    // The filters or the limit line changed: what counts by them follows.
    void limitsChanged();
    // With the main window.
    void closeWindows();

    SpurSolution solution() const;
    // Where the solution finds the design's filters and limit line.
    void setDesign(std::function<Design()> design) { design_ = std::move(design); }
    // The finder exists from the start, hidden: it holds the wanted product.
    frmSpurFree* finder() const { return finder_.get(); }
    frmSpurFree& finderWindow() { return *finder_; }
    frmSpurChart* chart() const { return chart_.get(); } // nullptr until first made
    // The one chart window, made hidden when there is none yet.
    frmSpurChart& chartWindow();
    SpurExport& exporter() { return export_; }

    // The tooltip for a pointer resting at x (twips on the panel); empty
    // when no visible spur line or marker is within reach.
    QString hoverText(double xTwips) const;

    // Markers by the strict conversion the replays use; none without both.
    std::optional<MarkerPair> markers() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateShading();
    void refreshChart();
    void decideWanted();

    QWidget* window_;
    const SpurMatrix& matrix_;
    const WorkingState& state_;
    display::SpectrumDisplay& display_;
    TextSource unit_;
    TextSource designFile_;
    QLineEdit* marker1_;
    QLineEdit* marker2_;
    std::optional<LastSolve> solve_;
    std::optional<PairLevels> levels_;
    hover::HoverContext::RowLookup converterRows_;
    std::optional<LevelInputs> levelInputs_;
    const LevelModel* levelModel_ = nullptr;
    std::unique_ptr<frmSpurFree> finder_;
    bool finderPlaced_ = false;
    std::unique_ptr<frmSpurChart> chart_;
    SpurExport export_;
    StepLink step_;
    std::function<Design()> design_;
};

} // namespace kestrel::ui
