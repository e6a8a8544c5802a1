#include "ui/planning/frmIfPlanner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "display/PlanChart.h"
#include "engine/DesignLists.h"
#include "engine/NumberText.h"
#include "files/PlanCsv.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/QuickHelp.h"
#include "ui/planning/NamedControl.h"
#include "ui/WindowCentring.h"
#include "ui/planning/SpurExport.h"
#include "ui/planning/WindowKeys.h"

using namespace kestrel;
using kestrel::ui::qstr;

namespace {

const QString kPlannerTitle = QStringLiteral("IF Planner");
// A tracking LO's wanted difference has no width; without a guard the
// display band gets this share of the output on each side.
constexpr double kNoWidthMargin = 0.01;

constexpr std::array kQuickHelp = std::to_array<ui::QuickHelpEntry>({
    {"lblPlanWanted", "The wanted 1 x 1 output. LO - RF needs the LO above the whole RF band, "
                      "RF - LO below it; a candidate where the difference changes sign is no plan.", ""},
    {"lblPlanFrom", "First candidate: the LO frequency, or with Lock LO to RF the LO offset.", ""},
    {"lblPlanTo", "Last candidate: the LO frequency, or with Lock LO to RF the LO offset.", ""},
    {"lblPlanPoints", "How many candidates, evenly spaced from From to To, both included.", ""},
    {"lblPlanGuard", "A margin on both sides of the wanted band that must be clean too, in the "
                     "frequency unit.", ""},
    {"lblPlanThreshold", "Products at or above this level in dBc count against a candidate; "
                         "products without a level always count.", ""},
});

QString shortQ(double v) { return qstr(shortText(toSingle(v))); }

QString levelText(const PlanProduct& p) {
    return p.level ? qstr(generalText(std::round(*p.level * 100) / 100)) : QStringLiteral("no level");
}

} // namespace

frmIfPlanner::frmIfPlanner(PlannerLink link, const QString& threshold)
    : QWidget(nullptr, Qt::Window), link_(std::move(link)), choose_([](QWidget* parent) {
          return QFileDialog::getSaveFileName(parent, QStringLiteral("Export IF Plan"),
                                              QStringLiteral("if-plan.csv"),
                                              QStringLiteral("CSV files (*.csv);;All files (*)"));
      }) {
    setObjectName(QStringLiteral("frmIfPlanner"));
    setWindowTitle(kPlannerTitle);
    build();
    txtPlanThreshold_->setText(threshold);
    for (QLineEdit* f : {txtPlanFrom_, txtPlanTo_, txtPlanGuard_, txtPlanThreshold_}) {
        lastLeft_.insert(f, f->text());
        focus_->onLostFocus(f, [this, f] { inputLeft(f); });
        connect(f, &QLineEdit::returnPressed, this, [this, f] { inputLeft(f); });
    }
    connect(cboPlanWanted_, &QComboBox::currentIndexChanged, this, [this] {
        updateGuardNote();
        inputChanged();
    });
    connect(cboPlanPoints_, &QComboBox::currentIndexChanged, this, &frmIfPlanner::inputChanged);
    (new ui::QuickHelp(this))->attach(this, kQuickHelp);
    ui::closeOnEscape(this);
}

void frmIfPlanner::build() {
    using ui::namedControl;
    const auto caption = [this](const char* name, const char* text) {
        return namedControl<QLabel>(this, name, QLatin1String(text));
    };
    const auto edit = [this](const char* name, const char* text) {
        return namedControl<QLineEdit>(this, name, QLatin1String(text));
    };
    cboPlanWanted_ = namedControl<QComboBox>(this, "cboPlanWanted");
    for (std::string_view item : lists::kPlanWanted) cboPlanWanted_->addItem(qstr(item));
    txtPlanFrom_ = edit("txtPlanFrom", "20");
    txtPlanTo_ = edit("txtPlanTo", "40");
    cboPlanPoints_ = namedControl<QComboBox>(this, "cboPlanPoints");
    for (std::string_view item : lists::kPlanPoints) cboPlanPoints_->addItem(qstr(item));
    cboPlanPoints_->setCurrentText(QStringLiteral("1001"));
    txtPlanGuard_ = edit("txtPlanGuard", "0");
    txtPlanThreshold_ = edit("txtPlanThreshold", "-60");
    lblPlanGuardNote_ = caption("lblPlanGuardNote",
                                "With a tracking LO the wanted difference has no width: the guard "
                                "is the half-bandwidth of the IF filter.");
    lblPlanGuardNote_->setWordWrap(true);
    chkPlanAutoScan_ = namedControl<QCheckBox>(this, "chkPlanAutoScan", QStringLiteral("Scan as I type"));
    chkPlanAutoScan_->setChecked(true);
    chkPlanLimits_ = namedControl<QCheckBox>(this, "chkPlanLimits", QStringLiteral("Count products over the limit line"));

    auto* form = new QFormLayout;
    form->addRow(caption("lblPlanWanted", "Wanted output"), cboPlanWanted_);
    form->addRow(caption("lblPlanFrom", "From"), txtPlanFrom_);
    form->addRow(caption("lblPlanTo", "To"), txtPlanTo_);
    form->addRow(caption("lblPlanPoints", "Candidates"), cboPlanPoints_);
    form->addRow(caption("lblPlanGuard", "Guard"), txtPlanGuard_);
    form->addRow(QString(), lblPlanGuardNote_);
    form->addRow(caption("lblPlanThreshold", "Count products at or above (dBc)"), txtPlanThreshold_);
    form->addRow(QString(), chkPlanLimits_);
    connect(chkPlanLimits_, &QCheckBox::toggled, this, [this] { inputChanged(); });

    const auto button = [this](const char* name, const char* text, void (frmIfPlanner::*click)()) {
        auto* b = namedControl<QPushButton>(this, name, QLatin1String(text));
        // Enter presses the button that has the focus, as Space does.
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkPlanAutoScan_);
    buttons->addStretch(1);
    cmdPlanScan_ = button("cmdPlanScan", "Scan", &frmIfPlanner::cmdPlanScan_Click);
    buttons->addWidget(cmdPlanScan_);
    cmdPlanApply_ = button("cmdPlanApply", "Use", &frmIfPlanner::cmdPlanApply_Click);
    cmdPlanApply_->setEnabled(false);
    buttons->addWidget(cmdPlanApply_);
    cmdPlanExport_ = button("cmdPlanExport", "Export CSV...", &frmIfPlanner::cmdPlanExport_Click);
    buttons->addWidget(cmdPlanExport_);

    chartPlan_ = new display::PlanChart(this);
    gridPlan_ = namedControl<QTableWidget>(this, "gridPlan", 0, 5);
    gridPlan_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridPlan_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridPlan_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridPlan_->verticalHeader()->hide();
    gridPlan_->horizontalHeader()->setStretchLastSection(true);
    gridPlan_->setHorizontalHeaderLabels({QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Width"),
                                          QStringLiteral("Wanted band"), QStringLiteral("Nearest product")});
    connect(gridPlan_, &QTableWidget::itemSelectionChanged, this,
            [this] { cmdPlanApply_->setEnabled(!gridPlan_->selectedItems().isEmpty()); });
    new ui::RowChoiceKeys(gridPlan_, [this] { cmdPlanApply_Click(); });
    lblPlanNote_ = caption("lblPlanNote", "Press Scan to look for spur-free output bands.");
    lblPlanNote_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(chartPlan_, 2);
    layout->addWidget(gridPlan_, 1);
    layout->addWidget(lblPlanNote_);
    // Tab from Scan reaches the runs, then "Use" for the run chosen.
    setTabOrder(cmdPlanScan_, gridPlan_);
    setTabOrder(gridPlan_, cmdPlanApply_);
    setTabOrder(cmdPlanApply_, cmdPlanExport_);
    focus_ = new ui::FocusEvents(this);
    resize(620, 720);
}

void frmIfPlanner::showWindow() {
    ui::bringUp(*this, *cboPlanWanted_);
}

void frmIfPlanner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateGuardNote();
}

void frmIfPlanner::updateGuardNote() {
    lblPlanGuardNote_->setVisible(link_.trackingLO() && cboPlanWanted_->currentIndex() != 2);
}

void frmIfPlanner::inputLeft(QLineEdit* field) {
    if (lastLeft_.value(field) == field->text()) return;
    lastLeft_.insert(field, field->text());
    inputChanged();
}

void frmIfPlanner::inputChanged() {
    if (chkPlanAutoScan_->isChecked() && isVisible()) cmdPlanScan_Click();
}

std::optional<PlanQuery> frmIfPlanner::readInputs() {
    PlanQuery q;
    double* targets[] = {&q.from, &q.to, &q.guard, &q.thresholdDbc};
    QLineEdit* fields[] = {txtPlanFrom_, txtPlanTo_, txtPlanGuard_, txtPlanThreshold_};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> v = toDoubleStrict(fields[i]->text().toStdString());
        // A negative guard would narrow the band it is meant to protect.
        if (!v || (fields[i] == txtPlanGuard_ && *v < 0)) {
            ui::showNumericCheck(this);
            QTimer::singleShot(0, fields[i], [f = fields[i]] { f->setFocus(); });
            return std::nullopt;
        }
        *targets[i] = *v;
    }
    q.wanted = static_cast<PlanWanted>(cboPlanWanted_->currentIndex());
    q.points = cboPlanPoints_->currentText().toInt();
    return q;
}

void frmIfPlanner::cmdPlanScan_Click() {
    std::optional<PlanQuery> q = readInputs();
    if (!q) return;
    const std::optional<PlanDesign> design = link_.readDesign();
    if (!design) return;
    q->rfStart = design->rfStart;
    q->rfStop = design->rfStop;
    q->trackingLO = design->trackingLO;
    q->mMax = design->mMax;
    q->nMax = design->nMax;
    q->steps = design->steps;
    std::optional<PlanLimits> limits;
    if (chkPlanLimits_->isChecked()) {
        std::string why;
        if (link_.limits) limits = link_.limits(*design, why);
        if (!limits) {
            // Told in the window, not in a box: a scan may run at every keystroke.
            dropResult();
            lblPlanNote_->setText(QStringLiteral("Not scanned: ") + qstr(why));
            return;
        }
    }
    query_ = q;
    query_->levels = nullptr; // the levels and limits live only for the scan
    QElapsedTimer clock;
    clock.start();
    q->levels = &design->levels;
    q->limits = limits ? &*limits : nullptr;
    result_ = scanPlan(*q);
    showResult(clock.nsecsElapsed() / 1e6);
    updateGuardNote();
}

void frmIfPlanner::designLoaded() {
    if (chkPlanAutoScan_->isChecked() && isVisible()) cmdPlanScan_Click();
    else dropResult();
}

void frmIfPlanner::dropResult() {
    query_.reset();
    result_.reset();
    chartPlan_->clear();
    gridPlan_->clearContents();
    gridPlan_->setRowCount(0);
    cmdPlanApply_->setEnabled(false);
    lblPlanNote_->setText(QStringLiteral("Press Scan to look for spur-free output bands."));
}

void frmIfPlanner::showResult(double milliseconds) {
    const PlanResult& r = *result_;
    const QString unit = link_.unit();
    display::PlanChartData chart;
    chart.threshold = query_->thresholdDbc;
    chart.axisTitle = (query_->trackingLO ? QStringLiteral("LO offset (") : QStringLiteral("LO (")) +
                      unit + QLatin1Char(')');
    for (const PlanCandidate& c : r.candidates)
        chart.points.push_back({c.value, c.valid, c.clean, c.worst ? c.worst->level : std::nullopt,
                                c.worst && !c.worst->level});
    chartPlan_->setData(std::move(chart));

    gridPlan_->clearContents();
    gridPlan_->setRowCount(int(r.runs.size()));
    const QString u = QStringLiteral(" (") + unit + QLatin1Char(')');
    gridPlan_->setHorizontalHeaderLabels({QStringLiteral("From") + u, QStringLiteral("To") + u,
                                          QStringLiteral("Width") + u, QStringLiteral("Wanted band") + u,
                                          QStringLiteral("Nearest product")});
    for (int row = 0; row < int(r.runs.size()); ++row) {
        const CleanRun& run = r.runs[row];
        QString nearest = QStringLiteral("none");
        if (run.nearest)
            nearest = qstr(productName(run.nearest->product.m, run.nearest->product.n,
                                       run.nearest->product.family)) +
                      QStringLiteral(", %1 away (%2)")
                          .arg(shortQ(run.nearest->distance),
                               run.nearest->product.level ? levelText(run.nearest->product) + QStringLiteral(" dBc")
                                                          : levelText(run.nearest->product));
        const QString cells[] = {shortQ(run.from), shortQ(run.to), shortQ(run.width()),
                                 shortQ(run.wanted.low) + QStringLiteral(" to ") + shortQ(run.wanted.high),
                                 nearest};
        for (int col = 0; col < 5; ++col) gridPlan_->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    gridPlan_->resizeColumnsToContents();
    cmdPlanApply_->setEnabled(false);
    lblPlanNote_->setText(QStringLiteral("%1 of %2 candidates are clean. The scan took %3 ms.")
                              .arg(r.cleanCount)
                              .arg(r.candidates.size())
                              .arg(QString::number(milliseconds, 'f', 1)));
}

PlanFields frmIfPlanner::fieldsFor(const CleanRun& run) const {
    PlanFields f;
    f.trackingLO = query_->trackingLO;
    f.candidate = run.picked;
    f.markers = run.wanted;
    const double width = run.wanted.high - run.wanted.low;
    const double centre = (run.wanted.low + run.wanted.high) / 2;
    const double widen = width > 0 ? width / 4
                         : query_->guard > 0 ? query_->guard
                                             : kNoWidthMargin * std::fabs(centre);
    // A display band below zero shows nothing a product can reach.
    f.display = {std::max(run.wanted.low - widen, 0.0), run.wanted.high + widen};
    return f;
}

void frmIfPlanner::cmdPlanApply_Click() {
    const QList<QTableWidgetItem*> selected = gridPlan_->selectedItems();
    if (!result_ || selected.isEmpty()) return;
    const int row = selected.first()->row();
    if (row < 0 || row >= int(result_->runs.size())) return;
    const CleanRun& run = result_->runs[row];
    // Only what the scan found clean goes into the design.
    if (run.pick < 0 || run.pick >= int(result_->candidates.size()) || !result_->candidates[run.pick].clean)
        return;
    link_.apply(fieldsFor(run));
}

void frmIfPlanner::cmdPlanExport_Click() {
    if (!result_) {
        ui::showMessage(this, QStringLiteral("Scan first."), kPlannerTitle, QMessageBox::Information);
        return;
    }
    const QString path = choose_(this);
    if (path.isEmpty()) return;
    const std::string text = csv::planTable(*result_, link_.unit().toStdString());
    ui::SpurExport::writeOrTell(this, path, text, QStringLiteral("The plan"), kPlannerTitle);
}
