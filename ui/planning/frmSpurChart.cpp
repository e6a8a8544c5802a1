#include "ui/planning/frmSpurChart.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "display/SpurChart.h"
#include "engine/LimitFailures.h"
#include "engine/SpurCurves.h"
#include "engine/SpurSolver.h"
#include "ui/planning/WindowKeys.h"

using namespace kestrel;

frmSpurChart::frmSpurChart(ui::ChartHost host)
    : QWidget(nullptr, Qt::Window), host_(std::move(host)), image_(this) {
    setObjectName(QStringLiteral("frmSpurChart"));
    setWindowTitle(QStringLiteral("Spur Chart"));

    chartSpurs_ = new display::SpurChart(this);
    chkShadeBands_ = new QCheckBox(QStringLiteral("Shade spur-free bands"), this);
    chkShadeBands_->setObjectName(QStringLiteral("chkShadeBands"));
    cmdSaveImage_ = new QPushButton(QStringLiteral("Save Image..."), this);
    cmdSaveImage_->setObjectName(QStringLiteral("cmdSaveImage"));
    cmdPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));

    // The check box on a line of its own: the buttons fit a narrow window.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSaveImage_);
    buttons->addWidget(cmdPrint_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartSpurs_, 1);
    layout->addWidget(chkShadeBands_);
    layout->addLayout(buttons);
    resize(660, 430);
    setMinimumWidth(kMinimumWidth);
    ui::closeOnEscape(this);

    connect(chartSpurs_, &display::SpurChart::clicked, this, &frmSpurChart::chartSpurs_Click);
    connect(chkShadeBands_, &QCheckBox::toggled, this, &frmSpurChart::chkShadeBands_Click);
    connect(cmdSaveImage_, &QPushButton::clicked, this, &frmSpurChart::cmdSaveImage_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmSpurChart::cmdPrint_Click);
    refresh();
}

void frmSpurChart::refresh() {
    const ui::SpurSolution s = host_.solution();
    const std::optional<CurveSweep> sweep =
        s.solved() ? curveSweep(*s.matrix, *s.state, *s.solve) : std::nullopt;
    if (!sweep) {
        chartSpurs_->clear();
        chartSpurs_->setShadedBands({});
        return;
    }
    display::ChartData data;
    data.curves = spurCurves(*s.matrix, *s.state, *s.solve, s.levelTable(), host_.wanted());
    // With the limit line in use, where each product fails it; a filter or
    // row that cannot be used draws nothing red (the verdict says why).
    if (s.design && s.design().useLimits) {
        std::string why;
        if (const auto failures = s.limitFailures(host_.wanted(), why))
            markFailingStretches(data.curves, *failures, *s.matrix);
    }
    data.sweep = *sweep;
    data.bandStart = s.state->IFStart;
    data.bandStop = s.state->IFStop;
    if (const auto markers = host_.markers()) {
        data.marker1 = markers->marker1;
        data.marker2 = markers->marker2;
    }
    for (int step = 0; step <= lastSolvedStep(*s.state); ++step)
        data.stepRF.push_back(s.matrix->RFFreq(step));
    data.unit = s.unit;
    // A cursor left from an earlier sweep range would point nowhere.
    const auto cursor = chartSpurs_->cursorRF();
    chartSpurs_->setData(std::move(data));
    const display::ChartRange rf = display::rfRange(sweep->rfFirst, sweep->rfLast);
    chartSpurs_->setCursorRF(cursor && *cursor >= rf.low && *cursor <= rf.high ? cursor
                                                                               : std::nullopt);
    updateBands();
}

void frmSpurChart::updateBands() {
    std::vector<std::pair<double, double>> shaded;
    if (chkShadeBands_->isChecked())
        for (const SpurFreeBand& b : host_.bands()) shaded.emplace_back(b.start, b.stop);
    chartSpurs_->setShadedBands(std::move(shaded));
}

void frmSpurChart::chkShadeBands_Click() { updateBands(); }

bool frmSpurChart::shadeBands() const { return chkShadeBands_->isChecked(); }

void frmSpurChart::setShadeBands(bool on) { chkShadeBands_->setChecked(on); }

// The nearest solved step goes to the analyzer and the grid as "+" shows it;
// with a stale matrix only the cursor moves.
void frmSpurChart::chartSpurs_Click(double rf) {
    const ui::SpurSolution s = host_.solution();
    if (!s.solved()) return;
    if (!host_.replayEnabled()) {
        chartSpurs_->setCursorRF(rf);
        return;
    }
    const int step = nearestStep(*s.matrix, *s.state, rf);
    if (step < 0) return;
    chartSpurs_->setCursorRF(s.matrix->RFFreq(step));
    host_.showStep(step);
}

void frmSpurChart::cmdSaveImage_Click() { image_.run(*chartSpurs_, host_.designFile()); }
void frmSpurChart::cmdPrint_Click() { printer_.print(chartSpurs_, this); }
