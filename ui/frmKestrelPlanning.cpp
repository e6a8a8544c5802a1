// The IF planner on the main window: what a scan reads of the design, with
// the checks of a solve, and what "Use" writes back into it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "engine/NumberText.h"
#include "ui/DesignSettings.h"
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
        return PlanDesign{in->rfStart, in->rfStop, in->trackingLO, in->mMax, in->nMax, *levels, in->numSteps};
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

void frmKestrel::registerPlannerSettings() {
    ui::DesignSettings& s = *settings_;
    const auto in = [this](const char* name) {
        return [this, name] { return ifPlanner().findChild<QWidget*>(QLatin1String(name)); };
    };
    for (const char* name : {"cboPlanWanted", "cboPlanPoints"})
        s.addList(QLatin1String(name), [w = in(name)] { return qobject_cast<QComboBox*>(w()); });
    // A guard below zero is refused by the scan; a threshold is a level in
    // dBc, which fits a single like every other level.
    using Rule = ui::DesignSettings::NumberRule;
    const std::pair<const char*, Rule> numbers[] = {{"txtPlanFrom", Rule::Double},
                                                    {"txtPlanTo", Rule::Double},
                                                    {"txtPlanGuard", Rule::NotNegative},
                                                    {"txtPlanThreshold", Rule::Single}};
    for (const auto& [name, rule] : numbers)
        s.addNumber(QLatin1String(name), [w = in(name)] { return qobject_cast<QLineEdit*>(w()); }, {}, rule);
    s.addCheck(QStringLiteral("chkPlanAutoScan"), [w = in("chkPlanAutoScan")] { return qobject_cast<QCheckBox*>(w()); });
}

frmResponses& frmKestrel::receiverResponses() {
    if (!responses_)
        responses_ = std::make_unique<frmResponses>(ui::ResponsesHost{
            [this] { return designNow(); }, [this] { return designFiles_->currentFile(); }});
    return *responses_;
}

// INTERIM, until the class that maps the whole design to the windows and
// back exists: the start-up design with what the main window, the mixer,
// the band finder, the spur table and the responses window hold now. Its
// callers only need a Design; replace the body by that class's read().
// A field that holds no number gives NaN, which the engine refuses,
// naming the field.
Design frmKestrel::designNow() const {
    Design d;
    const auto number = [this](const char* name) {
        return toSingleStrict(control<QLineEdit>(name)->text().toStdString()).value_or(NAN);
    };
    const auto item = [this](const char* name) { return control<QComboBox>(name)->currentText().toStdString(); };
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    d.offsetChecked = chkOffset_->isChecked();
    d.loOffset = number("txtLoOffset");
    d.loFreq = number("txtLOFreq");
    d.loPower = number("txtLOPower");
    d.rfStart = number("txtRFStart");
    d.rfStop = number("txtRFStop");
    d.rfPower = number("txtRFPower");
    d.ifStart = number("txtIFStart");
    d.marker1 = number("txtMarker1");
    d.marker2 = number("txtMarker2");
    d.ifStop = number("txtIFStop");
    d.unit = freqUnit_.toStdString();
    d.loHarmonics = item("cboLOHar");
    d.rfHarmonics = item("cboRFHar");
    d.steps = item("cboSteps");
    d.sumOnly = chkSUMONLY_->isChecked();
    d.conversionLoss = text(mixer_->txtConversionLoss());
    d.rfIsolation = text(mixer_->txtRFIsolation());
    d.loIsolation = text(mixer_->txtLOIsolation());
    d.wanted = spurTools_->finder()->findChild<QComboBox*>(QStringLiteral("cboWanted"))->currentText().toStdString();
    d.imt = spurTable_->table();
    d.imtRFRef = text(spurTable_->findChild<QLineEdit*>(QStringLiteral("txtIMTRFRef")));
    d.imtLORef = text(spurTable_->findChild<QLineEdit*>(QStringLiteral("txtIMTLORef")));
    d.useIMT = spurTable_->findChild<QCheckBox*>(QStringLiteral("chkUseIMT"))->isChecked();
    if (responses_) responses_->toDesign(d);
    return d;
}
