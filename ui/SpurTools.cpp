#include "ui/SpurTools.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "display/SpectrumDisplay.h"
#include "display/SpurChart.h"
#include "engine/NumberText.h"
#include "engine/SpurHover.h"
#include "engine/WantedProduct.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"
#include "ui/WindowCentring.h"

namespace kestrel::ui {
namespace {

// Right of the main window where the screen has room, else low on the
// screen over the grid: the analyzer stays in view.
void placeBeside(QWidget& tool, const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect main = window.frameGeometry();
    // Before the first show there is no frame yet: allow for a title bar.
    constexpr int kTitleBar = 40;
    const QSize size = tool.size().expandedTo(tool.sizeHint()) + QSize(0, kTitleBar);
    if (main.right() + size.width() < room.right()) {
        tool.move(main.right() + 1, std::max(main.top(), room.top()));
        return;
    }
    const int rightmost = std::max(room.left(), room.right() - size.width());
    tool.move(std::clamp(main.left(), room.left(), rightmost),
              std::max(room.top(), room.bottom() - size.height()));
}

hover::PlacedLine placed(const display::LineShape& line) {
    hover::PlacedLine p{line.objectName().toStdString(), line.label().toStdString(), line.x1(),
                        line.y1(), line.isVisible(), std::nullopt};
    if (!std::isnan(line.frequency())) p.frequency = line.frequency();
    return p;
}

} // namespace

SpurTools::SpurTools(QWidget* window, const SpurMatrix& matrix, const WorkingState& state,
                     display::SpectrumDisplay& display, TextSource unit, TextSource designFile,
                     StepLink step)
    : window_(window), matrix_(matrix), state_(state), display_(display), unit_(std::move(unit)),
      designFile_(std::move(designFile)),
      marker1_(window->findChild<QLineEdit*>(QStringLiteral("txtMarker1"))),
      marker2_(window->findChild<QLineEdit*>(QStringLiteral("txtMarker2"))), export_(window),
      step_(std::move(step)) {
    // Only the resting pointer's tooltip event: the moves stay the readout's.
    display_.panel().installEventFilter(this);
    finder_ = std::make_unique<frmSpurFree>([this] { return solution(); });
    connect(finder_.get(), &frmSpurFree::shadingChanged, this, &SpurTools::updateShading);
    connect(finder_.get(), &frmSpurFree::queryChanged, this, &SpurTools::refreshChart);
    for (QLineEdit* marker : {marker1_, marker2_})
        connect(marker, &QLineEdit::editingFinished, this, &SpurTools::refreshChart);
}

SpurTools::~SpurTools() {
    display_.panel().removeEventFilter(this);
    chart_.reset();
    if (finder_) finder_->disconnect(this);
    finder_.reset();
}

SpurSolution SpurTools::solution() const {
    SpurSolution s;
    s.matrix = &matrix_;
    s.state = &state_;
    s.solve = solve_;
    s.levels = levels_;
    s.unit = unit_();
    s.inputs = levelInputs_;
    s.model = levelModel_;
    s.design = design_;
    return s;
}

void SpurTools::solved(const LastSolve& solve) {
    solve_ = solve;
    decideWanted();
    finder_->refresh();
    refreshChart();
}

void SpurTools::designLoaded() {
    decideWanted();
    finder_->refresh();
    refreshChart();
}

// From the markers as they stand now, on the last solve's middle step.
void SpurTools::decideWanted() {
    if (solve_) finder_->decideAutomatic(defaultWantedProduct(matrix_, state_, *solve_, markers()));
}

void SpurTools::stepShown(int k) {
    if (chart_ && k >= 0 && k <= kMaxStepIndex) chart_->chart().setCursorRF(matrix_.RFFreq(k));
}

void SpurTools::levelsEvaluated(const PairLevels& levels, std::optional<LevelInputs> inputs,
                                const LevelModel* model) {
    levels_ = levels;
    levelInputs_ = inputs;
    levelModel_ = model;
    finder_->refresh();
    refreshChart();
}

void SpurTools::unitChanged() { refreshChart(); }

void SpurTools::limitsChanged() {
    finder_->refresh();
    refreshChart();
}

void SpurTools::refreshChart() {
    if (chart_) chart_->refresh();
}

void SpurTools::mnuSpurFree_Click() {
    if (!finderPlaced_) placeBeside(*finder_, *window_);
    finderPlaced_ = true;
    finder_->show();
    finder_->raise();
    finder_->activateWindow();
}

frmSpurChart& SpurTools::chartWindow() {
    if (!chart_) {
        ChartHost host;
        host.solution = [this] { return solution(); };
        host.wanted = [this] { return finder_->wanted(); };
        host.bands = [this] {
            QString note;
            return finder_->findBands(solution(), note);
        };
        host.markers = [this] { return markers(); };
        host.replayEnabled = step_.enabled;
        host.showStep = step_.show;
        host.designFile = designFile_;
        chart_ = std::make_unique<frmSpurChart>(std::move(host));
        // Clear of the grid and the frequency read-out: beside the window.
        placeToolBeside(*chart_, *window_, frmSpurChart::kMinimumWidth);
    }
    return *chart_;
}

void SpurTools::mnuSpurChart_Click() {
    chartWindow();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

// Markers by the strict conversion the replays use; none without both.
std::optional<MarkerPair> SpurTools::markers() const {
    const auto m1 = toSingleStrict(marker1_->text().toStdString());
    const auto m2 = toSingleStrict(marker2_->text().toStdString());
    if (m1 && m2) return MarkerPair{*m1, *m2};
    return std::nullopt;
}

// Without both markers the between-markers column stays empty.
void SpurTools::mnuExport_Click() {
    export_.run(solution(), designFile_(), markers(), finder_->wanted());
}

void SpurTools::closeWindows() {
    finder_->close();
    if (chart_) chart_->close();
}

void SpurTools::updateShading() {
    std::vector<display::AnalyzerPanel::ShadedInterval> shaded;
    // The bands on the axis of the last solve, as the lines are placed.
    if (finder_ && finder_->shading() && display_.spanUsable())
        for (const SpurFreeBand& band : finder_->bands())
            shaded.emplace_back(display_.FreqToX(band.start), display_.FreqToX(band.stop));
    display_.panel().setShadedIntervals(std::move(shaded));
}

QString SpurTools::hoverText(double xTwips) const {
    const display::AnalyzerPanel& panel = display_.panel();
    std::vector<hover::PlacedLine> lines;
    lines.reserve(display::kSpurLineCount + 2);
    for (int i = 0; i < display::kSpurLineCount; ++i) lines.push_back(placed(panel.spurLine(i)));
    for (int which : {1, 2}) lines.push_back(placed(panel.marker(which)));
    hover::HoverContext context;
    context.unit = unit_().toStdString();
    context.marker1 = display_.marker1Freq();
    context.marker2 = display_.marker2Freq();
    if (levels_) context.levels = &*levels_;
    context.wanted = finder_->wanted();
    context.converterRow = converterRows_;
    return QString::fromStdString(
        hover::tooltipText(lines, hover::hitLines(xTwips, lines), context));
}

bool SpurTools::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || watched != &display_.panel())
        return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    QWidget* panel = &display_.panel();
    const QString text = hoverText(help->pos().x() * display::kTwipsPerPixel);
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        // Gone once the pointer leaves the reach of what it names.
        const int reach = int(hover::kReachTwips / display::kTwipsPerPixel);
        const QRect area(help->pos().x() - reach, 0, 2 * reach + 1, panel->height());
        QToolTip::showText(help->globalPos(), text, panel, area);
    }
    return true;
}

} // namespace kestrel::ui
