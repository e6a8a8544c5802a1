#include "ui/planning/frmSpurFree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "engine/DesignLists.h"
#include "engine/NumberText.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

using namespace kestrel;
using kestrel::ui::qstr;

namespace {

// The items of `cboWanted` after the first, "Automatic (from the markers)".
constexpr int kWantedDifference = 1;
constexpr int kWantedSum = 2;


QString levelText(const std::optional<double>& level) {
    if (!level) return QStringLiteral("no level");
    return qstr(generalText(std::round(*level * 100.0) / 100.0)) + QStringLiteral(" dBc");
}

QString edgeText(const std::optional<EdgeProduct>& p) {
    if (!p) return QStringLiteral("band edge");
    return qstr(productName(p->m, p->n, p->family)) + QStringLiteral(", ") + levelText(p->level);
}

} // namespace

frmSpurFree::frmSpurFree(Source source) : QWidget(nullptr, Qt::Window), source_(std::move(source)) {
    setObjectName(QStringLiteral("frmSpurFree"));
    setWindowTitle(QStringLiteral("Spur-Free Bands"));

    cboWanted_ = new QComboBox(this);
    cboWanted_->setObjectName(QStringLiteral("cboWanted"));
    for (std::string_view item : lists::kWanted) cboWanted_->addItem(qstr(item));
    txtThreshold_ = new QLineEdit(QStringLiteral("-60"), this);
    txtThreshold_->setObjectName(QStringLiteral("txtThreshold"));
    cboMaxOrder_ = new QComboBox(this);
    cboMaxOrder_->setObjectName(QStringLiteral("cboMaxOrder"));
    for (std::string_view item : lists::kMaxOrders) cboMaxOrder_->addItem(qstr(item));
    chkFinderLimits_ = new QCheckBox(QStringLiteral("Count products over the limit line"), this);
    chkFinderLimits_->setObjectName(QStringLiteral("chkFinderLimits"));
    chkShade_ = new QCheckBox(QStringLiteral("Shade on analyzer"), this);
    chkShade_->setObjectName(QStringLiteral("chkShade"));
    lblNote_ = new QLabel(this);
    lblNote_->setObjectName(QStringLiteral("lblSpurFreeNote"));
    gridBands_ = new QTableWidget(0, 5, this);
    gridBands_->setObjectName(QStringLiteral("gridBands"));
    gridBands_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab leave the table, as they leave the main grid.
    gridBands_->setTabKeyNavigation(false);
    gridBands_->verticalHeader()->hide();
    gridBands_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    gridBands_->horizontalHeader()->setStretchLastSection(true);

    auto* inputs = new QFormLayout;
    inputs->addRow(QStringLiteral("Wanted output"), cboWanted_);
    inputs->addRow(QStringLiteral("Count products at or above (dBc)"), txtThreshold_);
    inputs->addRow(QStringLiteral("Highest order m + n"), cboMaxOrder_);
    inputs->addRow(QString(), chkFinderLimits_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(chkShade_);
    layout->addWidget(lblNote_);
    layout->addWidget(gridBands_);
    resize(640, 340);

    focus_ = new ui::FocusEvents(this);
    focus_->onLostFocus(txtThreshold_, [this] { txtThreshold_LostFocus(); });
    connect(txtThreshold_, &QLineEdit::returnPressed, this, [this] { txtThreshold_LostFocus(); });
    connect(cboWanted_, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        emit queryChanged();
    });
    connect(cboMaxOrder_, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        emit queryChanged();
    });
    connect(chkFinderLimits_, &QCheckBox::toggled, this, [this] {
        refresh();
        emit queryChanged();
    });
    connect(chkShade_, &QCheckBox::toggled, this, &frmSpurFree::shadingChanged);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

ProductFamily frmSpurFree::wanted() const {
    switch (cboWanted_->currentIndex()) {
    case kWantedDifference: return ProductFamily::Difference;
    case kWantedSum: return ProductFamily::Sum;
    default: return automatic_;
    }
}

void frmSpurFree::setWanted(ProductFamily family) {
    cboWanted_->setCurrentIndex(family == ProductFamily::Sum ? kWantedSum : kWantedDifference);
}

void frmSpurFree::decideAutomatic(ProductFamily family) { automatic_ = family; }

SpurFreeQuery frmSpurFree::query() const {
    SpurFreeQuery query;
    query.wanted = wanted();
    query.thresholdDbc = threshold_;
    if (cboMaxOrder_->currentIndex() > 0) query.maxTotalOrder = cboMaxOrder_->currentText().toInt();
    return query;
}

bool frmSpurFree::countsByLimits() const { return chkFinderLimits_->isChecked(); }

std::vector<SpurFreeBand> frmSpurFree::findBands(const ui::SpurSolution& solution, QString& note) const {
    if (!solution.solved()) {
        note = QStringLiteral("Solve the matrix first.");
        return {};
    }
    SpurFreeQuery q = query();
    std::optional<LimitFailures> failures;
    if (countsByLimits()) {
        std::string why;
        failures = solution.limitFailures(q.wanted, why);
        if (!failures) {
            note = qstr(why);
            return {};
        }
        q.limits = &*failures;
    }
    std::vector<SpurFreeBand> bands =
        findSpurFreeBands(*solution.matrix, *solution.state, *solution.solve, solution.levelTable(), q);
    note = bands.empty() ? QStringLiteral("No spur-free band.") : QString();
    return bands;
}

bool frmSpurFree::shading() const { return chkShade_->isChecked() && isVisible(); }

void frmSpurFree::txtThreshold_LostFocus() {
    const std::optional<double> value = toDoubleStrict(txtThreshold_->text().toStdString());
    if (!value) {
        ui::showNumericCheck(this);
        // After the box has closed, so that leaving the field again is seen.
        QTimer::singleShot(0, txtThreshold_, [field = txtThreshold_] { field->setFocus(); });
        return;
    }
    if (*value == threshold_) return;
    threshold_ = *value;
    refresh();
    emit queryChanged();
}

// Opens on its first input, never inside the table.
void frmSpurFree::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cboWanted_->setFocus(Qt::OtherFocusReason);
    refresh();
}

// Closed, the window no longer shades the analyzer.
void frmSpurFree::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit shadingChanged();
}

void frmSpurFree::refresh() {
    if (!isVisible()) return;
    const ui::SpurSolution solution = source_();
    QString note;
    bands_ = findBands(solution, note);
    lblNote_->setText(note);
    lblNote_->setVisible(!lblNote_->text().isEmpty());
    const QString unit = QStringLiteral(" (") + solution.unit + QStringLiteral(")");
    gridBands_->setHorizontalHeaderLabels({QStringLiteral("Start") + unit, QStringLiteral("Stop") + unit,
                                           QStringLiteral("Width") + unit, QStringLiteral("Below"),
                                           QStringLiteral("Above")});
    fillTable();
    emit shadingChanged();
}

void frmSpurFree::fillTable() {
    gridBands_->setRowCount(static_cast<int>(bands_.size()));
    for (int row = 0; row < gridBands_->rowCount(); ++row) {
        const SpurFreeBand& b = bands_[row];
        const QString cells[] = {qstr(shortText(b.start)), qstr(shortText(b.stop)),
                                 qstr(shortText(toSingle(b.width))), edgeText(b.below),
                                 edgeText(b.above)};
        for (int col = 0; col < 5; ++col) gridBands_->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
}
