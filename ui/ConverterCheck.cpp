#include "ui/ConverterCheck.h"

#include <algorithm>

#include <QLabel>

#include "display/LimitOverlay.h"
#include "display/SpectrumDisplay.h"
#include "engine/DesignSolve.h"
#include "ui/QtText.h"
#include "ui/planning/frmFilters.h"

namespace kestrel::ui {
namespace {

constexpr QRgb kFailText = 0xFFC00000;
constexpr QRgb kPassText = 0xFF006000;

bool anyFilter(const Design& d) {
    for (const DesignFilter* f : {&d.rfFilter, &d.loFilter, &d.ifFilter})
        if (f->shape != "None") return true;
    return false;
}

} // namespace

ConverterCheck::ConverterCheck(ConverterLink link, display::SpectrumDisplay& display, QLabel* lblVerdict,
                               QObject* parent)
    : QObject(parent), link_(std::move(link)), display_(display), lblVerdict_(lblVerdict) {
    lblVerdict_->setText(QString());
}

void ConverterCheck::clear(const QString& verdict) {
    rows_.clear();
    display_.setOverlay({});
    QPalette pal = lblVerdict_->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(kFailText));
    lblVerdict_->setPalette(pal);
    lblVerdict_->setText(verdict);
    if (frmFilters* w = link_.filters()) w->showNeededOrder(nullptr);
}

void ConverterCheck::evaluate() {
    const Design design = link_.design();
    const SpurSolution solution = link_.solution();
    if (!solution.solved() || (!anyFilter(design) && !design.useLimits)) return clear(QString());
    const LevelModel* model = link_.model();
    const std::optional<LevelInputs> inputs = link_.inputs();
    // The powers or mixer figures hold no number: their own fields say so.
    if (!model || !inputs) return clear(QStringLiteral("No levels: a drive or mixer figure is no number."));

    const WorkingState& state = *solution.state;
    const std::optional<MarkerPair> markers = link_.markers();
    DesignReport report;
    report.wanted = link_.wanted();
    report.solve = *solution.solve;
    const std::string why =
        reportOfSolve(report, *solution.matrix, state, solution.levelTable(), markers, design, *model, *inputs);
    if (!why.empty()) return clear(qstr(why));

    display::OverlayInput in;
    in.rows = &report.rows;
    in.steps = &report.converter;
    in.line = &report.limitLine;
    in.bandStart = state.IFStart;
    in.bandStop = state.IFStop;
    in.filterLevels = anyFilter(design);
    in.limitsUsed = report.limitsUsed;
    display_.setOverlay(display::buildOverlay(in));
    display_.showOverlay();

    QPalette pal = lblVerdict_->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(report.verdict.pass ? kPassText : kFailText));
    lblVerdict_->setPalette(pal);
    lblVerdict_->setText(report.limitsUsed ? qstr(verdictText(report.verdict, report.rows)) : QString());
    if (frmFilters* w = link_.filters())
        w->showNeededOrder(report.limitsUsed && report.needed ? &*report.needed : nullptr);
    rows_ = std::move(report.rows);
}

const SpurTableRow* ConverterCheck::shownRow(int m, int n, ProductFamily family) const {
    const int step = std::max(display_.lastStep(), 0);
    for (const SpurTableRow& r : rows_)
        if (r.step == step && r.m == m && r.n == n && r.family == family) return &r;
    return nullptr;
}

} // namespace kestrel::ui
