#pragma once
// The IF planner: scans the LO (or the tracking offset) over a range of
// candidates for output bands that no counted product enters, lists the
// clean runs and writes the chosen one into the design. One modeless
// instance; a scan changes nothing on the main window until "Use".

#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/IfPlanner.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kestrel::display {
class PlanChart;
}
namespace kestrel::ui {
class FocusEvents;
}

// What a scan reads of the design, after the checks of a solve.
struct PlanDesign {
    double rfStart = 0;
    double rfStop = 0;
    bool trackingLO = false;
    int mMax = 0;
    int nMax = 0;
    kestrel::PairLevels levels;
    int steps = 10; // the RF steps of a solve
    float ifStart = 0; // the display band, as a solve holds it
    float ifStop = 0;
};

// What "Use" writes into the design: the LO or the offset, the markers on
// the wanted band and the display band around it.
struct PlanFields {
    bool trackingLO = false;
    double candidate = 0;
    kestrel::PlanBand markers;
    kestrel::PlanBand display;
};

struct PlannerLink {
    std::function<std::optional<PlanDesign>()> readDesign; // nullopt: refused, told
    std::function<void(const PlanFields&)> apply;
    std::function<bool()> trackingLO; // the LO mode shown now
    std::function<QString()> unit;
    // The design's filters and limit line for a scan of `design`; nullopt
    // with `why` when they cannot be used.
    std::function<std::optional<kestrel::PlanLimits>(const PlanDesign& design, std::string& why)> limits;
};

class frmIfPlanner : public QWidget {
    Q_OBJECT
public:
    // threshold: the first threshold, the band finder's.
    frmIfPlanner(PlannerLink link, const QString& threshold);

    void showWindow();

    void cmdPlanScan_Click();
    void cmdPlanApply_Click();
    void cmdPlanExport_Click();

    const std::optional<kestrel::PlanResult>& result() const { return result_; }

    // Asks for the CSV file to write; an empty answer cancels.
    using PathChooser = std::function<QString(QWidget* parent)>;
    void setPathChooser(PathChooser chooser) { choose_ = std::move(chooser); }

    // What "Use" writes for a clean run of the last scan.
    PlanFields fieldsFor(const kestrel::CleanRun& run) const;

    // The note under the guard follows the Lock box of the main window.
    void updateGuardNote();
    // A loaded design makes the last scan stale: scanned anew where the
    // window scans as one types, else dropped, so that the chart's axis and
    // the table never describe the design before the load.
    void designLoaded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    std::optional<kestrel::PlanQuery> readInputs();
    void inputLeft(QLineEdit* field);
    void inputChanged();
    void showResult(double milliseconds);
    void dropResult();

    PlannerLink link_;
    PathChooser choose_;
    std::optional<kestrel::PlanQuery> query_; // of the last scan
    std::optional<kestrel::PlanResult> result_;
    QComboBox* cboPlanWanted_ = nullptr;
    QLineEdit* txtPlanFrom_ = nullptr;
    QLineEdit* txtPlanTo_ = nullptr;
    QComboBox* cboPlanPoints_ = nullptr;
    QLineEdit* txtPlanGuard_ = nullptr;
    QLabel* lblPlanGuardNote_ = nullptr;
    QLineEdit* txtPlanThreshold_ = nullptr;
    QCheckBox* chkPlanAutoScan_ = nullptr;
    QCheckBox* chkPlanLimits_ = nullptr;
    QPushButton* cmdPlanScan_ = nullptr;
    QPushButton* cmdPlanApply_ = nullptr;
    QPushButton* cmdPlanExport_ = nullptr;
    kestrel::display::PlanChart* chartPlan_ = nullptr;
    QTableWidget* gridPlan_ = nullptr;
    QLabel* lblPlanNote_ = nullptr;
    kestrel::ui::FocusEvents* focus_ = nullptr;
    QHash<QLineEdit*, QString> lastLeft_; // the text each field had when last left
};
