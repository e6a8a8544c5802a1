#include "ui/planning/frmFilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/DesignLists.h"
#include "engine/LimitLine.h"
#include "engine/NeededOrder.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/WindowCentring.h"
#include "ui/planning/FilterBlock.h"
#include "ui/planning/NamedControl.h"
#include "ui/planning/WindowKeys.h"

using namespace kestrel;
using kestrel::ui::qstr;

namespace {

const QString kTitle = QStringLiteral("Filters and Limits");
enum Column { From, To, Limit, Unit, Columns };

// The unit cell is chosen from its list, not typed.
class UnitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() != Unit) return QStyledItemDelegate::createEditor(parent, option, index);
        auto* box = new QComboBox(parent);
        for (std::string_view item : lists::kLimitUnits) box->addItem(qstr(item));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) box->setCurrentText(index.data().toString());
        else QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) model->setData(index, box->currentText());
        else QStyledItemDelegate::setModelData(editor, model, index);
    }
};

LimitRow rowOf(const QTableWidget* grid, int row) {
    const auto cell = [&](int column) {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text().trimmed().toStdString() : std::string();
    };
    return LimitRow{cell(From), cell(To), cell(Limit), cell(Unit)};
}

} // namespace

frmFilters::frmFilters() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmFilters"));
    setWindowTitle(kTitle);
    build();
    fromDesign(Design{});
    ui::closeOnEscape(this);
}

void frmFilters::build() {
    using ui::namedControl;
    focus_ = new ui::FocusEvents(this);
    auto* layout = new QVBoxLayout(this);
    const char* prefixes[] = {"RF", "LO", "IF"};
    const char* titles[] = {"RF preselector", "LO filter", "IF filter"};
    for (int i = 0; i < 3; ++i) {
        blocks_[i] = new ui::FilterBlock(QLatin1String(prefixes[i]), QLatin1String(titles[i]), *focus_, this);
        connect(blocks_[i], &ui::FilterBlock::changed, this, &frmFilters::changed);
        layout->addWidget(blocks_[i]);
    }

    auto* limits = namedControl<QGroupBox>(this, "FrameLimits", QStringLiteral("Limit line"));
    auto* limitLayout = new QVBoxLayout(limits);
    gridLimits_ = namedControl<QTableWidget>(limits, "gridLimits", 0, int(Columns));
    gridLimits_->setAccessibleName(QStringLiteral("Limit line"));
    gridLimits_->setHorizontalHeaderLabels(
        {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Limit"), QStringLiteral("Unit")});
    gridLimits_->verticalHeader()->hide();
    gridLimits_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridLimits_->setItemDelegate(new UnitDelegate(gridLimits_));
    // Tab leaves the table, as it leaves the main window's grid.
    gridLimits_->setTabKeyNavigation(false);
    connect(gridLimits_, &QTableWidget::cellChanged, this, &frmFilters::limitEdited);
    limitLayout->addWidget(gridLimits_);
    auto* rowButtons = new QHBoxLayout;
    const auto button = [&](QWidget* parent, const char* name, const char* caption, void (frmFilters::*click)()) {
        auto* b = namedControl<QPushButton>(parent, name, QLatin1String(caption));
        b->setAutoDefault(true); // Enter presses the focused button
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    cmdAddLimit_ = button(limits, "cmdAddLimit", "&Add Row", &frmFilters::cmdAddLimit_Click);
    cmdRemoveLimit_ = button(limits, "cmdRemoveLimit", "&Remove Row", &frmFilters::cmdRemoveLimit_Click);
    chkUseLimits_ = namedControl<QCheckBox>(limits, "chkUseLimits", QStringLiteral("&Check the limit line"));
    connect(chkUseLimits_, &QCheckBox::toggled, this, &frmFilters::changed);
    rowButtons->addWidget(cmdAddLimit_);
    rowButtons->addWidget(cmdRemoveLimit_);
    rowButtons->addStretch(1);
    rowButtons->addWidget(chkUseLimits_);
    limitLayout->addLayout(rowButtons);

    auto* needed = new QHBoxLayout;
    lblNeededOrder_ = namedControl<QLabel>(limits, "lblNeededOrder");
    lblNeededOrder_->setWordWrap(true);
    cmdUseOrder_ = button(limits, "cmdUseOrder", "&Use", &frmFilters::cmdUseOrder_Click);
    needed->addWidget(lblNeededOrder_, 1);
    needed->addWidget(cmdUseOrder_);
    limitLayout->addLayout(needed);
    layout->addWidget(limits, 1);
    showNeededOrder(nullptr);
    resize(470, 760);
}

void frmFilters::showWindow() {
    ui::bringUp(*this, *findChild<QComboBox*>(QStringLiteral("cboRFFilter")), !placed_);
}

void frmFilters::setUnit(const QString& unit) {
    for (ui::FilterBlock* b : blocks_) b->setUnit(unit);
}

void frmFilters::addLimitRow(const LimitRow& row) {
    const int r = gridLimits_->rowCount();
    gridLimits_->insertRow(r);
    const std::string* cells[] = {&row.from, &row.to, &row.limit, &row.unit};
    for (int c = 0; c < Columns; ++c) gridLimits_->setItem(r, c, new QTableWidgetItem(qstr(*cells[c])));
}

void frmFilters::cmdAddLimit_Click() {
    filling_ = true;
    addLimitRow(LimitRow{});
    filling_ = false;
    gridLimits_->setCurrentCell(gridLimits_->rowCount() - 1, From);
    emit changed();
}

void frmFilters::cmdRemoveLimit_Click() {
    const int r = gridLimits_->currentRow();
    if (r < 0 || r >= gridLimits_->rowCount()) return;
    gridLimits_->removeRow(r);
    emit changed();
}

void frmFilters::limitEdited(int row, int column) {
    if (filling_) return;
    // Told at once; the cell keeps what was typed, and the evaluation
    // names the row until it is mended.
    if (!parseLimitRow(rowOf(gridLimits_, row))) {
        const QString what = column == Limit  ? QStringLiteral("The limit must be a number in dB.")
                             : column == Unit ? QStringLiteral("The unit must be dBc or dBm.")
                                              : QStringLiteral("From and To must be numbers, or empty for the "
                                                               "display band's edge.");
        ui::showMessage(this, QStringLiteral("Row %1 of the limit line: %2").arg(row + 1).arg(what), kTitle,
                    QMessageBox::Critical);
    }
    emit changed();
}

void frmFilters::showNeededOrder(const kestrel::NeededOrder* needed) {
    if (needed) needed_ = *needed;
    else needed_.reset();
    lblNeededOrder_->setText(needed ? qstr(neededOrderText(*needed))
                                    : QStringLiteral("Needed IF filter order: check the limit line and solve."));
    cmdUseOrder_->setEnabled(needed && needed->order.has_value());
}

void frmFilters::cmdUseOrder_Click() {
    if (!needed_ || !needed_->order) return;
    std::optional<std::pair<double, double>> edges;
    if (needed_->substitute) edges = std::pair(needed_->searched.low, needed_->searched.high);
    blocks_[2]->useOrder(*needed_->order, edges);
}

void frmFilters::toDesign(Design& d) const {
    blocks_[0]->toDesign(d.rfFilter);
    blocks_[1]->toDesign(d.loFilter);
    blocks_[2]->toDesign(d.ifFilter);
    d.limits.clear();
    for (int r = 0; r < gridLimits_->rowCount(); ++r) d.limits.push_back(rowOf(gridLimits_, r));
    d.useLimits = chkUseLimits_->isChecked();
}

void frmFilters::fromDesign(const Design& d) {
    blocks_[0]->fromDesign(d.rfFilter);
    blocks_[1]->fromDesign(d.loFilter);
    blocks_[2]->fromDesign(d.ifFilter);
    filling_ = true;
    gridLimits_->setRowCount(0);
    for (const LimitRow& row : d.limits) addLimitRow(row);
    filling_ = false;
    const QSignalBlocker quiet(chkUseLimits_);
    chkUseLimits_->setChecked(d.useLimits);
}
