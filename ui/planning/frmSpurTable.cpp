#include "ui/planning/frmSpurTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "engine/NumberText.h"
#include "files/MixerTableCsv.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/planning/NamedControl.h"
#include "ui/planning/SpurExport.h"
#include "ui/WindowCentring.h"

using namespace kestrel;
using kestrel::ui::qstr;

namespace {

constexpr int kRows = PairLevels::kMaxN + 2;    // header and RF orders 0..8
constexpr int kColumns = PairLevels::kMaxM + 2; // header and LO orders 0..10
constexpr int kColumnWidth = 46;
// A CSV of a table this shape is a few kilobytes; anything far larger is
// not one.
constexpr qint64 kLargestImport = 1 << 20;
constexpr double kLODriveTolerance = 3; // dB

const QString kTableTitle = QStringLiteral("Mixer Spur Table");

QString number(double v) { return qstr(generalText(v)); }

QString chooseTableFile(QWidget* parent, bool forSaving) {
    const QString filter = QStringLiteral("CSV files (*.csv);;All files (*)");
    return forSaving ? QFileDialog::getSaveFileName(parent, QStringLiteral("Export Mixer Spur Table"),
                                                    QStringLiteral("mixer-spurs.csv"), filter)
                     : QFileDialog::getOpenFileName(parent, QStringLiteral("Import Mixer Spur Table"),
                                                    QString(), filter);
}

bool editable(int m, int n) { return isTablePair(m, n); }

} // namespace

frmSpurTable::frmSpurTable(Inputs inputs, std::function<bool()> evaluate, MissingInput withoutNumber)
    : QWidget(nullptr, Qt::Window), inputs_(std::move(inputs)), evaluate_(std::move(evaluate)),
      withoutNumber_(std::move(withoutNumber)), choose_(chooseTableFile) {
    setObjectName(QStringLiteral("frmSpurTable"));
    setWindowTitle(kTableTitle);
    buildLayout();
    buildGrid();

    focus_ = new ui::FocusEvents(this);
    focus_->onLostFocus(txtIMTRFRef_, [this] { txtIMTRFRef_LostFocus(); });
    focus_->onLostFocus(txtIMTLORef_, [this] { txtIMTLORef_LostFocus(); });
    connect(txtIMTRFRef_, &QLineEdit::returnPressed, this, [this] { txtIMTRFRef_LostFocus(); });
    connect(txtIMTLORef_, &QLineEdit::returnPressed, this, [this] { txtIMTLORef_LostFocus(); });
    connect(chkUseIMT_, &QCheckBox::toggled, this, &frmSpurTable::chkUseIMT_Click);
    connect(gridIMT_, &QTableWidget::itemChanged, this, &frmSpurTable::cellChanged);
    updateNote();
}

void frmSpurTable::buildLayout() {
    using ui::namedControl;
    gridIMT_ = namedControl<QTableWidget>(this, "gridIMT", kRows, kColumns);
    // Tab leaves the table, as it leaves the main window's grid.
    gridIMT_->setTabKeyNavigation(false);
    txtIMTRFRef_ = namedControl<QLineEdit>(this, "txtIMTRFRef", QStringLiteral("-10"));
    txtIMTLORef_ = namedControl<QLineEdit>(this, "txtIMTLORef", QStringLiteral("7"));
    chkUseIMT_ = namedControl<QCheckBox>(this, "chkUseIMT", QStringLiteral("&Use this table for the spur levels"));
    lblIMTNote_ = namedControl<QLabel>(this, "lblIMTNote");
    lblIMTNote_->setWordWrap(true);
    auto* caption = namedControl<QLabel>(this, "lblIMTCaption",
                                         QStringLiteral("Level of each product in dBc (negative = below the wanted "
                                                        "output); an empty cell keeps the built-in estimate."));
    caption->setWordWrap(true);
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QLatin1String(text), this);
        l->setBuddy(buddy);
        return l;
    };
    std::vector<QWidget*> order{txtIMTRFRef_, txtIMTLORef_, chkUseIMT_};
    const auto button = [this, &order](const char* name, const char* caption, void (frmSpurTable::*click)()) {
        auto* b = ui::namedControl<QPushButton>(this, name, QLatin1String(caption));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, click);
        order.push_back(b);
        return b;
    };

    auto* references = new QGridLayout;
    references->addWidget(label("Measured at &RF power (dBm)", txtIMTRFRef_), 0, 0);
    references->addWidget(txtIMTRFRef_, 0, 1);
    references->addWidget(label("and &LO power (dBm)", txtIMTLORef_), 0, 2);
    references->addWidget(txtIMTLORef_, 0, 3);
    references->setColumnStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdIMTFill", "&Fill from Estimate", &frmSpurTable::cmdIMTFill_Click));
    buttons->addWidget(button("cmdIMTImport", "&Import CSV...", &frmSpurTable::cmdIMTImport_Click));
    buttons->addWidget(button("cmdIMTExport", "&Export CSV...", &frmSpurTable::cmdIMTExport_Click));
    buttons->addWidget(button("cmdIMTClear", "&Clear", &frmSpurTable::cmdIMTClear_Click));
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(gridIMT_, 1);
    layout->addLayout(references);
    layout->addWidget(chkUseIMT_);
    layout->addLayout(buttons);
    layout->addWidget(lblIMTNote_);
    order.push_back(gridIMT_);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void frmSpurTable::buildGrid() {
    QTableWidget& t = *gridIMT_;
    t.horizontalHeader()->hide();
    t.verticalHeader()->hide();
    t.setSelectionMode(QAbstractItemView::SingleSelection);
    const QColor face = QApplication::palette().color(QPalette::Button);
    filling_ = true;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            const bool header = r == 0 || c == 0;
            if (header || !editable(c - 1, r - 1)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(header ? face.darker(112) : face);
            }
            t.setItem(r, c, item);
        }
        t.setRowHeight(r, 20);
    }
    t.item(0, 0)->setText(QStringLiteral(" NxM"));
    for (int m = 0; m <= PairLevels::kMaxM; ++m) t.item(0, m + 1)->setText(QStringLiteral("%1xLO").arg(m));
    for (int n = 0; n <= PairLevels::kMaxN; ++n) t.item(n + 1, 0)->setText(QStringLiteral("%1xRF").arg(n));
    t.item(2, 2)->setText(QStringLiteral("0")); // the wanted output is the reference
    for (int c = 0; c < kColumns; ++c) t.setColumnWidth(c, kColumnWidth);
    filling_ = false;
    t.setMinimumSize(kColumns * kColumnWidth + 2 * t.frameWidth() + 2, kRows * 20 + 2 * t.frameWidth() + 2);
}

void frmSpurTable::fillGrid() {
    filling_ = true;
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (editable(m, n)) {
                gridIMT_->item(n + 1, m + 1)->setText(qstr(csv::entryText(table_, m, n)));
            }
    txtIMTRFRef_->setText(number(table_.rfReference));
    txtIMTLORef_->setText(number(table_.loReference));
    filling_ = false;
}

void frmSpurTable::showWindow() {
    ui::bringUp(*this, *txtIMTRFRef_);
    updateNote(); // a mixer figure may have changed meanwhile
}

void frmSpurTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // A reference typed but not yet left counts first; one that is no
        // number keeps the window open with the focus in it.
        QWidget* f = focusWidget();
        if ((f == txtIMTRFRef_ && !referenceLeft(txtIMTRFRef_, table_.rfReference)) ||
            (f == txtIMTLORef_ && !referenceLeft(txtIMTLORef_, table_.loReference)))
            return;
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSpurTable::designLoaded() {
    if (chkUseIMT_->isChecked()) evaluate_();
    updateNote();
}

const LevelModel* frmSpurTable::activeModel() const {
    return chkUseIMT_->isChecked() ? &table_ : nullptr;
}

void frmSpurTable::setTable(const MixerSpurTable& table) {
    table_ = table;
    fillGrid();
    changed();
}

void frmSpurTable::cellChanged(QTableWidgetItem* item) {
    if (filling_) return;
    const int m = item->column() - 1;
    const int n = item->row() - 1;
    if (!editable(m, n)) return;
    // Guarded while a box is open: its event loop may deliver more edits.
    filling_ = true;
    std::optional<csv::TableEntry> entry = csv::readEntry(item->text().toStdString(), false);
    if (!entry) {
        ui::showNumericCheck(this);
    } else if (entry->level && *entry->level > 0 && !entry->bound &&
               ui::showMessage(this,
                               QStringLiteral("The value is positive: read it as dB below the wanted output?"),
                               kTableTitle, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes) {
        entry->level = -*entry->level;
    }
    if (entry) table_.setCell(m, n, entry->level, entry->bound);
    // What the cell holds, as the table shows it; a refused edit goes back.
    item->setText(qstr(csv::entryText(table_, m, n)));
    filling_ = false;
    if (entry) changed();
}

bool frmSpurTable::referenceLeft(QLineEdit* field, double& reference) {
    const std::string text = field->text().toStdString();
    if (!toSingleStrict(text)) {
        ui::showNumericCheck(this);
        // After the box has closed, so that leaving the field again is seen.
        QTimer::singleShot(0, field, [field] { field->setFocus(); });
        return false;
    }
    // The number as typed: a drive equal to it scales no level at all.
    const double value = *toDoubleStrict(text);
    if (value == reference) return true;
    reference = value;
    changed();
    return true;
}

void frmSpurTable::changed() {
    // While the estimate is in use the table changes no level.
    if (chkUseIMT_->isChecked()) evaluate_();
    updateNote();
}

void frmSpurTable::chkUseIMT_Click() {
    evaluate_();
    updateNote();
}

QString frmSpurTable::whyNoLevels() const {
    if (const std::optional<LevelInput> missing = withoutNumber_ ? withoutNumber_() : std::nullopt) {
        static const char* const kNames[] = {"the main window's \"LO Power\"",
                                             "the main window's \"RF Power\"",
                                             "the Mixer Parameters' \"Conversion Loss\"",
                                             "the Mixer Parameters' \"RF to IF Isolation\"",
                                             "the Mixer Parameters' \"LO to IF Isolation\""};
        return QStringLiteral("No levels: %1 is not a number, so the spur lines keep their last heights.")
            .arg(QLatin1String(kNames[int(*missing)]));
    }
    const std::optional<LevelInputs> in = inputs_();
    if (in && chkUseIMT_->isChecked() && !fitsSingle(table_.evaluate(*in)))
        return QStringLiteral("No levels: with these drives a level of this table is too large to show, "
                              "so the spur lines keep their last heights.");
    return {};
}

void frmSpurTable::updateNote() {
    if (const QString why = whyNoLevels(); !why.isEmpty()) {
        lblIMTNote_->setText(why);
        return;
    }
    if (!chkUseIMT_->isChecked()) {
        lblIMTNote_->setText(QStringLiteral("Levels: the built-in estimate from the drives and the "
                                            "mixer parameters."));
        return;
    }
    QString note = QStringLiteral("Levels: this table, measured at RF %1 dBm and LO %2 dBm, scaled "
                                  "with the RF drive.")
                       .arg(number(table_.rfReference), number(table_.loReference));
    const std::optional<LevelInputs> in = inputs_();
    if (in && std::fabs(in->loPower - table_.loReference) > kLODriveTolerance)
        note += QStringLiteral("\nMeasured at LO %1 dBm: levels at %2 dBm may differ")
                    .arg(number(table_.loReference), number(in->loPower));
    lblIMTNote_->setText(note);
}

void frmSpurTable::cmdIMTFill_Click() {
    const std::optional<LevelInputs> in = inputs_();
    if (!in) {
        ui::showNumericCheck(this);
        return;
    }
    const PairLevels estimate = BuiltInLevelModel().evaluate(*in);
    if (!fitsSingle(estimate)) {
        ui::showNumericCheck(this);
        return;
    }
    for (int m = 0; m <= PairLevels::kMaxM; ++m)
        for (int n = 0; n <= PairLevels::kMaxN; ++n)
            if (const auto level = estimate.at(m, n)) table_.setCell(m, n, estimateEntry(*level, *in));
    table_.rfReference = in->rfPower;
    table_.loReference = in->loPower;
    fillGrid();
    changed();
}

void frmSpurTable::cmdIMTImport_Click() {
    const QString path = choose_(this, false);
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestImport) {
        ui::showMessage(this,
                        QStringLiteral("%1 could not be read: %2")
                            .arg(name, file.isOpen() ? QStringLiteral("it is too large for a spur table")
                                                     : file.errorString()),
                        kTableTitle, QMessageBox::Critical);
        return;
    }
    const QByteArray bytes = file.read(kLargestImport);
    const csv::MixerTableRead read = csv::readMixerTable(std::string_view(bytes.data(), bytes.size()));
    if (!read.table) {
        ui::showMessage(this,
                        (read.badColumn > 0 ? QStringLiteral("Row %1, column %2 of %3 cannot be read: %4. "
                                                             "The table was not changed.")
                                                  .arg(read.badLine)
                                                  .arg(read.badColumn)
                                            : QStringLiteral("Row %1 of %2 cannot be read: %3. The table "
                                                             "was not changed.")
                                                  .arg(read.badLine))
                            .arg(name, QString::fromStdString(read.why)),
                        kTableTitle, QMessageBox::Critical);
        return;
    }
    MixerSpurTable imported = *read.table;
    if (csv::allPositive(imported) &&
        ui::showMessage(this,
                        QStringLiteral("All values are positive: read them as dB below the wanted output?"),
                        kTableTitle, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Yes) == QMessageBox::Yes)
        imported = csv::negated(imported);
    imported.rfReference = table_.rfReference;
    imported.loReference = table_.loReference;
    setTable(imported);
}

void frmSpurTable::cmdIMTExport_Click() {
    const QString path = choose_(this, true);
    if (path.isEmpty()) return;
    const std::string text = csv::writeMixerTable(table_);
    ui::SpurExport::writeOrTell(this, path, text, QStringLiteral("The mixer spur table"), kTableTitle);
}

void frmSpurTable::cmdIMTClear_Click() {
    table_.clear();
    fillGrid();
    changed();
}
