#include "ui/planning/FilterBlock.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "engine/DesignLists.h"
#include "engine/NumberText.h"
#include "files/FilterData.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/planning/NamedControl.h"

namespace kestrel::ui {
namespace {

const QString kTitle = QStringLiteral("Filters and Limits");
constexpr int kListChars = 6;

enum Shape { None, BandPass, LowPass, HighPass, MeasuredCsv, MeasuredTouchstone };

struct FieldSpec {
    const char* ending;
    const char* caption;
    const char* unit; // nullptr: the design's unit
    int row, column;
};

constexpr FieldSpec kFields[] = {
    {"FilterLow", "Low edge", nullptr, 1, 0},    {"FilterHigh", "High edge", nullptr, 1, 3},
    {"FilterOrder", "Order", "", 2, 0},          {"FilterRipple", "Ripple", "dB", 2, 3},
    {"FilterLoss", "Insertion loss", "dB", 3, 0}, {"FilterFloor", "Floor", "dB", 3, 3},
};

std::string std8(const QString& s) { return s.toStdString(); }

} // namespace

QString filterFieldProblem(const QString& field, const QString& text) {
    const std::optional<double> v = toDoubleStrict(std8(text));
    const bool number = v && std::isfinite(*v);
    if (field == QLatin1String("FilterLow") || field == QLatin1String("FilterHigh"))
        return number && *v > 0 ? QString() : QStringLiteral("the passband edge must be a number above 0.");
    if (field == QLatin1String("FilterOrder"))
        return number && *v >= 1 && *v <= 15 && std::floor(*v) == *v
                   ? QString()
                   : QStringLiteral("the order must be a whole number from 1 to 15.");
    if (field == QLatin1String("FilterRipple"))
        return number && *v >= 0.01 && *v <= 3 ? QString() : QStringLiteral("the ripple must be from 0.01 to 3 dB.");
    if (field == QLatin1String("FilterLoss"))
        return number && *v >= 0 ? QString() : QStringLiteral("the insertion loss must be 0 dB or more.");
    if (field == QLatin1String("FilterFloor"))
        return number && *v >= 20 && *v <= 150 ? QString() : QStringLiteral("the floor must be from 20 to 150 dB.");
    return QString();
}

FilterBlock::FilterBlock(const QString& prefix, const QString& title, FocusEvents& focus, QWidget* parent)
    : QGroupBox(title, parent), prefix_(prefix), focus_(focus), choose_([](QWidget* p) {
          return QFileDialog::getOpenFileName(p, QStringLiteral("Load Filter Data"), QString(),
                                              QStringLiteral("Filter data (*.csv *.s2p *.ts);;All files (*)"));
      }) {
    setObjectName(QStringLiteral("Frame") + prefix + QStringLiteral("Filter"));
    const auto name = [&](const char* kind, const char* ending) {
        return (QLatin1String(kind) + prefix + QLatin1String(ending)).toLatin1();
    };
    auto* grid = new QGridLayout(this);
    const auto label = [&](const char* ending, const char* caption, QWidget* buddy, int row, int column) {
        auto* l = namedControl<QLabel>(this, name("lbl", ending).constData(), QLatin1String(caption));
        l->setBuddy(buddy);
        buddy->setAccessibleName(QLatin1String(caption));
        grid->addWidget(l, row, column);
        return l;
    };
    shape_ = namedControl<QComboBox>(this, name("cbo", "Filter").constData());
    for (std::string_view item : lists::kFilterShapes) shape_->addItem(qstr(item));
    response_ = namedControl<QComboBox>(this, name("cbo", "Response").constData());
    for (std::string_view item : lists::kFilterResponses) response_->addItem(qstr(item));
    // Narrow enough to sit beside the main window on a small screen.
    for (QComboBox* box : {shape_, response_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(kListChars);
    }
    label("Filter", "Shape", shape_, 0, 0);
    grid->addWidget(shape_, 0, 1);
    label("Response", "Response", response_, 0, 3);
    grid->addWidget(response_, 0, 4);

    const DesignFilter defaults;
    const std::string* values[] = {&defaults.low,    &defaults.high, &defaults.order,
                                   &defaults.ripple, &defaults.loss, &defaults.floor};
    int i = 0;
    for (const FieldSpec& spec : kFields) {
        auto* f = namedControl<QLineEdit>(this, name("txt", spec.ending).constData(), qstr(*values[i++]));
        fields_.insert(QLatin1String(spec.ending), f);
        QLabel* caption = label(spec.ending, spec.caption, f, spec.row, spec.column);
        grid->addWidget(f, spec.row, spec.column + 1);
        auto* unit = namedControl<QLabel>(this, name("lbl", spec.ending).append("Unit").constData(),
                                          spec.unit ? QLatin1String(spec.unit) : unit_);
        if (!spec.unit) unitLabels_.append(unit);
        beside_.insert(f, {caption, unit});
        grid->addWidget(unit, spec.row, spec.column + 2);
        lastLeft_.insert(f, f->text());
        focus_.onLostFocus(f, [this, f] { leave(f); });
        connect(f, &QLineEdit::returnPressed, this, [this, f] { leave(f); });
    }
    file_ = namedControl<QPushButton>(this, name("cmd", "FilterFile").constData(), QStringLiteral("Load Data..."));
    file_->setAutoDefault(true);
    data_ = namedControl<QLabel>(this, name("lbl", "FilterData").constData());
    grid->addWidget(file_, 4, 0, 1, 2);
    grid->addWidget(data_, 4, 2, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    connect(file_, &QPushButton::clicked, this, &FilterBlock::cmdFilterFile_Click);
    for (QComboBox* box : {shape_, response_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            updateEnabled();
            emit changed();
        });
    updateEnabled();
    updateDataLabel();
}

QLineEdit* FilterBlock::field(const char* ending) const { return fields_.value(QLatin1String(ending)); }

void FilterBlock::setUnit(const QString& unit) {
    unit_ = unit;
    for (QLabel* l : unitLabels_) l->setText(unit);
}

void FilterBlock::updateEnabled() {
    const int shape = shape_->currentIndex();
    const bool analytic = shape == BandPass || shape == LowPass || shape == HighPass;
    response_->setEnabled(analytic);
    const bool chebyshev = response_->currentIndex() == 1;
    const std::pair<const char*, bool> uses[] = {
        {"FilterLow", shape == BandPass || shape == HighPass},
        {"FilterHigh", shape == BandPass || shape == LowPass},
        {"FilterOrder", analytic},
        {"FilterRipple", analytic && chebyshev},
        {"FilterLoss", analytic},
        {"FilterFloor", analytic},
    };
    for (const auto& [ending, used] : uses) {
        QLineEdit* f = field(ending);
        f->setEnabled(used);
        // The caption and unit beside a field follow it.
        for (QLabel* l : beside_.value(f)) l->setEnabled(used);
    }
}

void FilterBlock::updateDataLabel() {
    data_->setText(points_.empty() ? QStringLiteral("No measured data")
                                   : QStringLiteral("%1, %2 points").arg(qstr(dataName_)).arg(points_.size()));
}

bool FilterBlock::check(QLineEdit* f) {
    const QString ending = fields_.key(f);
    QString problem = filterFieldProblem(ending, f->text());
    // A band-pass needs its low edge below its high edge.
    if (problem.isEmpty() && shape_->currentIndex() == BandPass &&
        (ending == QLatin1String("FilterLow") || ending == QLatin1String("FilterHigh"))) {
        const auto low = toDoubleStrict(std8(field("FilterLow")->text()));
        const auto high = toDoubleStrict(std8(field("FilterHigh")->text()));
        if (low && high && *low >= *high) problem = QStringLiteral("the low edge must be below the high edge.");
    }
    if (problem.isEmpty()) return true;
    showMessage(window(), title() + QStringLiteral(": ") + problem, kTitle, QMessageBox::Critical);
    // Back into the field once the box has gone, the text as typed.
    focus_.setSuppressed(true);
    f->setFocus(Qt::OtherFocusReason);
    focus_.setSuppressed(false);
    return false;
}

void FilterBlock::leave(QLineEdit* f) {
    if (checking_ || lastLeft_.value(f) == f->text()) return;
    checking_ = true; // the box's own event loop must not leave the field again
    const bool ok = check(f);
    checking_ = false;
    if (!ok) return;
    lastLeft_.insert(f, f->text());
    emit changed();
}

bool FilterBlock::fieldsValid() {
    for (const FieldSpec& spec : kFields) {
        QLineEdit* f = field(spec.ending);
        if (f->isEnabled() && !check(f)) return false;
    }
    return true;
}

void FilterBlock::cmdFilterFile_Click() {
    const QString path = choose_(this);
    if (!path.isEmpty()) loadData(path);
}

bool FilterBlock::loadData(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(window(), QStringLiteral("%1 cannot be opened: %2").arg(fileName, file.errorString()), kTitle,
                    QMessageBox::Critical);
        return false;
    }
    const QByteArray bytes = file.readAll();
    const filterdata::FilterDataRead read = filterdata::readFilterData(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())),
        std8(fileName), std8(unit_));
    if (!read.points) {
        showMessage(window(), qstr(read.why), kTitle, QMessageBox::Critical);
        return false;
    }
    points_ = *read.points;
    dataName_ = std8(fileName);
    const bool csv = fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    const QSignalBlocker quiet(shape_);
    shape_->setCurrentIndex(csv ? MeasuredCsv : MeasuredTouchstone);
    updateEnabled();
    updateDataLabel();
    emit changed();
    return true;
}

void FilterBlock::useOrder(int order, const std::optional<std::pair<double, double>>& edges) {
    {
        const QSignalBlocker quietShape(shape_), quietResponse(response_);
        if (edges) {
            shape_->setCurrentIndex(BandPass);
            response_->setCurrentIndex(0);
            field("FilterLow")->setText(qstr(generalText(edges->first)));
            field("FilterHigh")->setText(qstr(generalText(edges->second)));
        }
        field("FilterOrder")->setText(QString::number(order));
    }
    for (QLineEdit* f : fields_) lastLeft_.insert(f, f->text());
    updateEnabled();
    emit changed();
}

void FilterBlock::toDesign(DesignFilter& f) const {
    f.shape = std8(shape_->currentText());
    f.response = std8(response_->currentText());
    f.low = std8(field("FilterLow")->text());
    f.high = std8(field("FilterHigh")->text());
    f.order = std8(field("FilterOrder")->text());
    f.ripple = std8(field("FilterRipple")->text());
    f.loss = std8(field("FilterLoss")->text());
    f.floor = std8(field("FilterFloor")->text());
    f.points = points_;
    f.dataName = dataName_;
}

void FilterBlock::fromDesign(const DesignFilter& f) {
    {
        const QSignalBlocker quietShape(shape_), quietResponse(response_);
        shape_->setCurrentIndex(std::max(0, shape_->findText(qstr(f.shape))));
        response_->setCurrentIndex(std::max(0, response_->findText(qstr(f.response))));
    }
    const std::pair<const char*, const std::string*> texts[] = {
        {"FilterLow", &f.low},       {"FilterHigh", &f.high}, {"FilterOrder", &f.order},
        {"FilterRipple", &f.ripple}, {"FilterLoss", &f.loss}, {"FilterFloor", &f.floor}};
    for (const auto& [ending, text] : texts) {
        field(ending)->setText(qstr(*text));
        lastLeft_.insert(field(ending), field(ending)->text());
    }
    points_ = f.points;
    dataName_ = f.dataName;
    updateEnabled();
    updateDataLabel();
}

} // namespace kestrel::ui
