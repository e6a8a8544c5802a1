#include "ui/DesignFormParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "engine/NumberText.h"
#include "ui/SpurTools.h"
#include "ui/frmMixer.h"
#include "ui/planning/frmIfPlanner.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"
#include "ui/planning/frmSpurTable.h"

namespace kestrel::ui {
namespace {

template <class T> T* named(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QLatin1String(name));
    Q_ASSERT(w);
    return w;
}

struct RecordField {
    const char* name;
    float Design::*value;
};
// Records 2 to 11.
constexpr std::array<RecordField, 10> kRecordFields = {{
    {"txtLoOffset", &Design::loOffset}, {"txtLOFreq", &Design::loFreq},   {"txtLOPower", &Design::loPower},
    {"txtRFStart", &Design::rfStart},   {"txtRFStop", &Design::rfStop},   {"txtRFPower", &Design::rfPower},
    {"txtIFStart", &Design::ifStart},   {"txtMarker1", &Design::marker1}, {"txtMarker2", &Design::marker2},
    {"txtIFStop", &Design::ifStop},
}};

struct ListField {
    const char* name;
    std::string Design::*item;
};
constexpr std::array<ListField, 4> kMainLists = {{
    {"cboLOHar", &Design::loHarmonics},
    {"cboRFHar", &Design::rfHarmonics},
    {"cboSteps", &Design::steps},
    {"cboSweepSpeed", &Design::sweepSpeed},
}};

} // namespace

DesignForm::Part mainWindowPart(const QHash<QString, QWidget*>& controls, std::function<void()> stepsChanged) {
    const auto get = [controls](const char* name) { return controls.value(QLatin1String(name)); };
    auto to = [get](Design& d) {
        d.offsetChecked = qobject_cast<QCheckBox*>(get("chkOffset"))->isChecked();
        // As the records store a field: its leading number as a single.
        for (const RecordField& f : kRecordFields)
            d.*f.value = toSingle(leadingNumber(form::text(qobject_cast<QLineEdit*>(get(f.name)))));
        d.project = form::text(qobject_cast<QLineEdit*>(get("txtProject")));
        d.projectChecked = qobject_cast<QCheckBox*>(get("chkProject"))->isChecked();
        for (const ListField& l : kMainLists) d.*l.item = form::text(qobject_cast<QComboBox*>(get(l.name)));
        d.sumOnly = qobject_cast<QCheckBox*>(get("chkSUMONLY"))->isChecked();
        d.singleSweep = qobject_cast<QCheckBox*>(get("chkSingle"))->isChecked();
    };
    auto from = [get, stepsChanged](const Design& d) {
        qobject_cast<QCheckBox*>(get("chkOffset"))->setChecked(d.offsetChecked);
        for (const RecordField& f : kRecordFields)
            qobject_cast<QLineEdit*>(get(f.name))->setText(QString::fromStdString(shortText(d.*f.value)));
        qobject_cast<QLineEdit*>(get("txtProject"))
            ->setText(QString::fromLatin1(d.project.data(), qsizetype(d.project.size())));
        qobject_cast<QCheckBox*>(get("chkProject"))->setChecked(d.projectChecked);
        for (const ListField& l : kMainLists)
            form::setList(qobject_cast<QComboBox*>(get(l.name)), d.*l.item,
                          l.item == &Design::steps ? stepsChanged : std::function<void()>{});
        qobject_cast<QCheckBox*>(get("chkSUMONLY"))->setChecked(d.sumOnly);
        qobject_cast<QCheckBox*>(get("chkSingle"))->setChecked(d.singleSweep);
    };
    return {std::move(to), std::move(from)};
}

DesignForm::Part mixerPart(frmMixer& mixer) {
    const std::array<std::pair<QLineEdit*, std::string Design::*>, 3> fields = {{
        {mixer.txtConversionLoss(), &Design::conversionLoss},
        {mixer.txtRFIsolation(), &Design::rfIsolation},
        {mixer.txtLOIsolation(), &Design::loIsolation},
    }};
    return {[fields](Design& d) {
                for (const auto& [field, value] : fields) d.*value = form::text(field);
            },
            [fields](const Design& d) {
                for (const auto& [field, value] : fields) form::setText(field, d.*value);
            }};
}

DesignForm::Part spurToolsPart(SpurTools& tools) {
    frmSpurFree* finder = &tools.finderWindow();
    auto to = [finder, &tools](Design& d) {
        d.wanted = form::text(named<QComboBox>(finder, "cboWanted"));
        d.threshold = form::text(named<QLineEdit>(finder, "txtThreshold"));
        d.maxOrder = form::text(named<QComboBox>(finder, "cboMaxOrder"));
        d.shade = named<QCheckBox>(finder, "chkShade")->isChecked();
        d.finderLimits = named<QCheckBox>(finder, "chkFinderLimits")->isChecked();
        d.shadeBands = tools.chart() && tools.chart()->shadeBands();
    };
    auto from = [finder, &tools](const Design& d) {
        // The item text: "Automatic (from the markers)" stays automatic,
        // either product is the design's explicit choice.
        form::setList(named<QComboBox>(finder, "cboWanted"), d.wanted);
        form::setText(named<QLineEdit>(finder, "txtThreshold"), d.threshold,
                      [finder] { finder->txtThreshold_LostFocus(); });
        form::setList(named<QComboBox>(finder, "cboMaxOrder"), d.maxOrder);
        named<QCheckBox>(finder, "chkShade")->setChecked(d.shade);
        named<QCheckBox>(finder, "chkFinderLimits")->setChecked(d.finderLimits);
        // A chart never opened is unshaded and stays unmade.
        if (tools.chart() || d.shadeBands) tools.chartWindow().setShadeBands(d.shadeBands);
    };
    return {std::move(to), std::move(from)};
}

DesignForm::Part spurTablePart(frmSpurTable& window) {
    auto* rfRef = named<QLineEdit>(&window, "txtIMTRFRef");
    auto* loRef = named<QLineEdit>(&window, "txtIMTLORef");
    auto* use = named<QCheckBox>(&window, "chkUseIMT");
    auto to = [&window, rfRef, loRef, use](Design& d) {
        d.imt = window.table();
        d.imtRFRef = form::text(rfRef);
        d.imtLORef = form::text(loRef);
        d.useIMT = use->isChecked();
    };
    auto from = [&window, rfRef, loRef, use](const Design& d) {
        if (!(d.imt == window.table())) window.setTable(d.imt);
        form::setText(rfRef, d.imtRFRef, [&window] { window.txtIMTRFRef_LostFocus(); });
        form::setText(loRef, d.imtLORef, [&window] { window.txtIMTLORef_LostFocus(); });
        use->setChecked(d.useIMT);
    };
    return {std::move(to), std::move(from)};
}

DesignForm::Part plannerPart(std::function<frmIfPlanner&()> planner) {
    using Text = std::string Design::*;
    static constexpr std::array<std::pair<const char*, Text>, 2> kLists = {{
        {"cboPlanWanted", &Design::planWanted}, {"cboPlanPoints", &Design::planPoints}}};
    static constexpr std::array<std::pair<const char*, Text>, 4> kFields = {{
        {"txtPlanFrom", &Design::planFrom},
        {"txtPlanTo", &Design::planTo},
        {"txtPlanGuard", &Design::planGuard},
        {"txtPlanThreshold", &Design::planThreshold},
    }};
    auto to = [planner](Design& d) {
        frmIfPlanner* w = &planner();
        for (const auto& [name, value] : kLists) d.*value = form::text(named<QComboBox>(w, name));
        for (const auto& [name, value] : kFields) d.*value = form::text(named<QLineEdit>(w, name));
        d.planAutoScan = named<QCheckBox>(w, "chkPlanAutoScan")->isChecked();
        d.planLimits = named<QCheckBox>(w, "chkPlanLimits")->isChecked();
    };
    auto from = [planner](const Design& d) {
        frmIfPlanner* w = &planner();
        for (const auto& [name, value] : kLists) form::setList(named<QComboBox>(w, name), d.*value);
        for (const auto& [name, value] : kFields) form::setText(named<QLineEdit>(w, name), d.*value);
        named<QCheckBox>(w, "chkPlanLimits")->setChecked(d.planLimits);
        named<QCheckBox>(w, "chkPlanAutoScan")->setChecked(d.planAutoScan);
    };
    return {std::move(to), std::move(from)};
}

} // namespace kestrel::ui
