#include "ui/planning/frmResponses.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "display/ResponsesChart.h"
#include "engine/ConverterLevels.h"
#include "engine/NumberText.h"
#include "engine/ResponseView.h"
#include "files/ResponsesReport.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/WindowCentring.h"
#include "ui/planning/NamedControl.h"
#include "ui/planning/WindowKeys.h"

using namespace kestrel;
using kestrel::ui::qstr;

namespace {

constexpr int kRespColumns = 11;
// Points of the preselector's curve across the chart.
constexpr int kCurvePoints = 801;

QString respNumber(double v) { return qstr(shortText(toSingle(v))); }

QString optionalNumber(const std::optional<double>& v) {
    return v ? respNumber(*v) : QStringLiteral("no level");
}

} // namespace

frmResponses::frmResponses(ui::ResponsesHost host)
    : QWidget(nullptr, Qt::Window), host_(std::move(host)), image_(this) {
    setObjectName(QStringLiteral("frmResponses"));
    setWindowTitle(QStringLiteral("Receiver Responses"));

    cboRespStep_ = ui::namedControl<QComboBox>(this, "cboRespStep");
    cboRespStep_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    txtRespRequired_ = ui::namedControl<QLineEdit>(this, "txtRespRequired", QString::fromStdString(required_));
    lblRespVerdict_ = ui::namedControl<QLabel>(this, "lblRespVerdict");
    lblRespVerdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRespNote_ = ui::namedControl<QLabel>(this, "lblRespNote");
    lblRespNote_->setWordWrap(true);
    gridResponses_ = ui::namedControl<QTableWidget>(this, "gridResponses", 0, kRespColumns);
    gridResponses_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridResponses_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridResponses_->setTabKeyNavigation(false); // Tab leaves the table
    gridResponses_->verticalHeader()->hide();
    gridResponses_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    gridResponses_->horizontalHeader()->setStretchLastSection(true);
    chartResponses_ = new display::ResponsesChart(this);
    cmdExportCsv_ = ui::namedControl<QPushButton>(this, "cmdExportCsv", QStringLiteral("Export CSV..."));
    cmdSaveImage_ = ui::namedControl<QPushButton>(this, "cmdSaveImage", QStringLiteral("Save Image..."));

    auto* inputs = new QFormLayout;
    inputs->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    txtRespRequired_->setMaximumWidth(120);
    inputs->addRow(QStringLiteral("RF step (its LO)"), cboRespStep_);
    inputs->addRow(QStringLiteral("Required rejection (dB)"), txtRespRequired_);
    inputs->addRow(QStringLiteral("Verdict"), lblRespVerdict_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblRespNote_, 1);
    buttons->addWidget(cmdExportCsv_);
    buttons->addWidget(cmdSaveImage_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(chartResponses_);
    split->addWidget(gridResponses_);
    split->setChildrenCollapsible(false);
    split->setSizes({340, 260});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(900, 700);
    ui::closeOnEscape(this);

    focus_ = new ui::FocusEvents(this);
    focus_->onLostFocus(txtRespRequired_, [this] { txtRespRequired_LostFocus(); });
    connect(txtRespRequired_, &QLineEdit::returnPressed, this, [this] { txtRespRequired_LostFocus(); });
    connect(cboRespStep_, &QComboBox::activated, this, [this] { cboRespStep_Click(); });
    connect(cmdExportCsv_, &QPushButton::clicked, this, &frmResponses::cmdExportCsv_Click);
    connect(cmdSaveImage_, &QPushButton::clicked, this, &frmResponses::cmdSaveImage_Click);
}

void frmResponses::showWindow() {
    ui::bringUp(*this, *cboRespStep_);
}

void frmResponses::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void frmResponses::toDesign(Design& design) const { design.respRequired = txtRespRequired_->text().toStdString(); }

void frmResponses::fromDesign(const Design& design) {
    txtRespRequired_->setText(QString::fromStdString(design.respRequired));
    if (toDoubleStrict(design.respRequired)) required_ = design.respRequired;
    refresh();
}

void frmResponses::txtRespRequired_LostFocus() {
    const std::string text = txtRespRequired_->text().toStdString();
    if (!toDoubleStrict(text)) {
        ui::showNumericCheck(this);
        // After the box has closed, so that leaving the field again is seen.
        QTimer::singleShot(0, txtRespRequired_, [field = txtRespRequired_] { field->setFocus(); });
        return;
    }
    if (text == required_) return;
    required_ = text;
    refresh();
}

void frmResponses::cboRespStep_Click() { refresh(); }

void frmResponses::refresh() {
    if (!isVisible()) return;
    Design design = host_.design();
    design.respRequired = required_;
    unit_ = design.unit;
    const QString unit = QString::fromStdString(unit_);
    fillSteps(solvedStepRFs(design), unit);
    result_ = cboRespStep_->count() > 0 ? responsesFromDesign(design, cboRespStep_->currentIndex())
                                        : responsesFromDesign(design);
    const bool shown = result_.why.empty();
    lblRespVerdict_->setText(shown ? QString::fromStdString(result_.verdict) : QString());
    lblRespVerdict_->setStyleSheet(shown ? QStringLiteral("font-weight: bold; color: %1")
                                               .arg(result_.pass ? "#1E7E2E" : "#C00000")
                                         : QString());
    lblRespNote_->setText(shown ? QStringLiteral("LO %1 %2 at RF %3 %2")
                                      .arg(respNumber(result_.setting.lo), unit, respNumber(result_.setting.rf))
                                : QStringLiteral("No responses: ") + QString::fromStdString(result_.why));
    cmdExportCsv_->setEnabled(shown);
    fillGrid(unit);
    fillChart(design, unit);
}

// The items follow the solved steps; a choice survives as long as the
// steps stay the same, otherwise the middle step is chosen.
void frmResponses::fillSteps(const std::vector<double>& rfs, const QString& unit) {
    if (rfs == stepRFs_ && cboRespStep_->count() == int(rfs.size())) return;
    const QSignalBlocker quiet(cboRespStep_);
    cboRespStep_->clear();
    for (std::size_t k = 0; k < rfs.size(); ++k)
        cboRespStep_->addItem(QStringLiteral("%1: %2 %3").arg(k).arg(respNumber(rfs[k]), unit));
    if (!rfs.empty()) cboRespStep_->setCurrentIndex(int(rfs.size() - 1) / 2);
    stepRFs_ = rfs;
}

void frmResponses::fillGrid(const QString& unit) {
    const QString inUnit = QStringLiteral(" (") + unit + QLatin1Char(')');
    gridResponses_->setHorizontalHeaderLabels(
        {QStringLiteral("Response"), QStringLiteral("m"), QStringLiteral("n"), QStringLiteral("Branch"),
         QStringLiteral("From") + inUnit, QStringLiteral("To") + inUnit, QStringLiteral("In RF band"),
         QStringLiteral("Mixer (dB)"), QStringLiteral("Preselector (dB)"), QStringLiteral("Total (dB)"),
         QStringLiteral("Pass")});
    gridResponses_->setRowCount(int(result_.responses.size()));
    for (int row = 0; row < gridResponses_->rowCount(); ++row) {
        const ReceiverResponse& r = result_.responses[row];
        const QString cells[kRespColumns] = {
            qstr(r.name), QString::number(r.band.m), QString::number(r.band.n), qstr(branchText(r.band.branch)),
            respNumber(r.band.from), respNumber(r.band.to), r.inRfBand ? QStringLiteral("yes") : QStringLiteral("no"),
            optionalNumber(r.mixer), respNumber(r.preselector) + (r.outsideFilterData ? QStringLiteral(" *") : QString()),
            optionalNumber(r.total), r.pass ? (*r.pass ? QStringLiteral("yes") : QStringLiteral("no")) : QString()};
        for (int col = 0; col < kRespColumns; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col >= 1 && col != 3 && col != 6 && col != 10) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r.pass && !*r.pass) item->setForeground(QColor(192, 0, 0));
            if (col == 8 && r.outsideFilterData)
                item->setToolTip(QStringLiteral("The filter's data do not cover this band: the data's smallest loss is used."));
            gridResponses_->setItem(row, col, item);
        }
    }
}

void frmResponses::fillChart(const Design& design, const QString& unit) {
    if (!result_.why.empty()) {
        chartResponses_->clear(QStringLiteral("No responses: ") + QString::fromStdString(result_.why));
        return;
    }
    display::ResponsesChartData data;
    data.responses = result_.responses;
    data.rfStart = result_.setting.rfStart;
    data.rfStop = result_.setting.rfStop;
    data.required = result_.setting.required;
    data.unit = unit;
    std::string why;
    if (const auto filter = filterFromBlock(design.rfFilter, "RF", why); filter && filter->shape != FilterShape::None) {
        const display::ChartRange range = display::responsesInputRange(data.responses, data.rfStart, data.rfStop);
        data.preselector = preselectorRejection(*filter, result_.setting.rf, range.low, range.high, kCurvePoints);
    }
    chartResponses_->setData(std::move(data));
}

void frmResponses::cmdExportCsv_Click() {
    if (!result_.why.empty()) return;
    const QString base = QFileInfo(host_.designFile()).completeBaseName();
    const QString suggested = (base.isEmpty() ? QStringLiteral("responses") : base + QStringLiteral("-responses")) +
                              QStringLiteral(".csv");
    const QString path = chooseCsv_ ? chooseCsv_(this, suggested)
                                    : QFileDialog::getSaveFileName(this, QStringLiteral("Export Responses"), suggested,
                                                                   QStringLiteral("CSV file (*.csv)"));
    if (path.isEmpty()) return;
    ui::SpurExport::writeOrTell(this, path, csv::responsesTable(result_.responses, unit_),
                                QStringLiteral("The responses table"), windowTitle());
}

void frmResponses::cmdSaveImage_Click() {
    const display::ResponsesChart& chart = *chartResponses_;
    image_.run(chart.size(), [&chart](QPainter& p, QSize size) { chart.render(p, size); },
               QStringLiteral("Receiver Responses"), host_.designFile());
}
