// The IF planner on the main window: what a scan reads of the design, with
// the checks of a solve, and what "Use" writes back into it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "engine/NumberText.h"
#include "ui/SolveInputReader.h"
#include "ui/SpurLevelFields.h"
#include "ui/SpurTools.h"
#include "ui/frmKestrel.h"
#include "ui/planning/frmIfPlanner.h"
#include "ui/planning/frmResponses.h"
#include "ui/planning/frmSpurFree.h"
#include "ui/planning/frmSpurTable.h"
#include "ui/frmMixer.h"
#include "ui/DesignFiles.h"

#include <cmath>

using namespace kestrel;

frmIfPlanner& frmKestrel::ifPlanner() {
    if (planner_) return *planner_;
    PlannerLink link;
    link.readDesign = [this]() -> std::optional<PlanDesign> {
        const std::optional<SolveInput> in = solveInput_->read();
        if (!in) return std::nullopt;
        std::optional<PairLevels> levels = levels_->checkedLevels();
        if (!levels) return std::nullopt;
        return PlanDesign{in->rfStart, in->rfStop, in->trackingLO, in->mMax,
                          in->nMax,    *levels,    in->numSteps,  in->ifStart, in->ifStop};
    };
    link.limits = [this](const PlanDesign& d, std::string& why) -> std::optional<PlanLimits> {
        const std::optional<LevelInputs> inputs = levels_->inputs();
        if (!inputs) {
            why = "a drive or mixer figure is no number.";
            return std::nullopt;
        }
        return planLimitsFromDesign(windowDesign(), levels_->modelInUse(), *inputs, d.levels, d.ifStart,
                                    d.ifStop, why);
    };
    link.apply = [this](const PlanFields& f) {
        const auto set = [this](const char* name, double v) {
            control<QLineEdit>(name)->setText(QString::fromStdString(shortText(toSingle(v))));
        };
        // As typed: each field's change reaction makes the matrix stale.
        set(f.trackingLO ? "txtLoOffset" : "txtLOFreq", f.candidate);
        set("txtMarker1", f.markers.low);
        set("txtMarker2", f.markers.high);
        set("txtIFStart", f.display.low);
        set("txtIFStop", f.display.high);
    };
    link.trackingLO = [this] { return chkOffset_->isChecked(); };
    link.unit = [this] { return freqUnit_; };
    const QString threshold =
        spurTools_->finderWindow().findChild<QLineEdit*>(QStringLiteral("txtThreshold"))->text();
    planner_ = std::make_unique<frmIfPlanner>(std::move(link), threshold);
    connect(chkOffset_, &QCheckBox::toggled, planner_.get(), &frmIfPlanner::updateGuardNote);
    return *planner_;
}
frmResponses& frmKestrel::receiverResponses() {
    if (!responses_)
        responses_ = std::make_unique<frmResponses>(ui::ResponsesHost{
            [this] { return windowDesign(); }, [this] { return designFiles_->currentFile(); }});
    return *responses_;
}

