#include "ui/SpurLevelFields.h"

#include <QLineEdit>

#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"
#include "engine/LevelModel.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"
#include "ui/frmMixer.h"

namespace kestrel::ui {
namespace {

constexpr double kDriveMargin = 5; // dB of LO drive above RF drive


void warn(QWidget* parent, const char* message) {
    showMessage(parent, QLatin1String(message), QStringLiteral("Warning Only"),
                QMessageBox::Information);
}

} // namespace

SpurLevelFields::SpurLevelFields(QWidget* window, QLineEdit* loPower, QLineEdit* rfPower,
                                 frmMixer& mixer, WorkingState& state,
                                 display::SpectrumDisplay& display, FocusEvents& focus)
    : window_(window), loPower_(loPower), rfPower_(rfPower), mixer_(mixer), state_(state),
      display_(display), focus_(focus) {}

void SpurLevelFields::focusBack(QWidget* field) {
    if (field->window() == &mixer_) {
        mixer_.showWindow();
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    focus_.setSuppressed(true);
    field->setFocus(Qt::OtherFocusReason);
    focus_.setSuppressed(false);
}

QWidget* SpurLevelFields::field(LevelInput input) const {
    switch (input) {
    case LevelInput::LOPower: return loPower_;
    case LevelInput::RFPower: return rfPower_;
    case LevelInput::ConvLoss: return mixer_.txtConversionLoss();
    case LevelInput::RFIsolation: return mixer_.txtRFIsolation();
    case LevelInput::LOIsolation: return mixer_.txtLOIsolation();
    }
    return loPower_;
}

QWidget* SpurLevelFields::refuse(QWidget* field) {
    showNumericCheck(window_);
    focusBack(field);
    return field;
}

std::optional<LevelInputs> SpurLevelFields::readInputs(QLineEdit* left, QWidget*& fault) const {
    QLineEdit* other = left == loPower_ ? rfPower_ : loPower_;
    const auto failed = [&fault](QWidget* field) {
        fault = field;
        return std::nullopt;
    };
    const auto leftValue = toDoubleStrict(text(left));
    if (!leftValue) return failed(left);
    // Every input must be a number before anything is said or written.
    const auto otherValue = toDoubleStrict(text(other));
    if (!otherValue) return failed(other);
    const auto convLoss = toSingleStrict(text(mixer_.txtConversionLoss()));
    if (!convLoss) return failed(mixer_.txtConversionLoss());
    const auto rfIsolation = toDoubleStrict(text(mixer_.txtRFIsolation()));
    if (!rfIsolation) return failed(mixer_.txtRFIsolation());
    const auto loIsolation = toSingleStrict(text(mixer_.txtLOIsolation()));
    if (!loIsolation) return failed(mixer_.txtLOIsolation());

    LevelInputs in;
    in.loPower = left == loPower_ ? *leftValue : *otherValue;
    in.rfPower = left == loPower_ ? *otherValue : *leftValue;
    in.convLoss = *convLoss;
    in.rfIsolation = *rfIsolation;
    in.loIsolation = *loIsolation;
    return in;
}

const LevelModel& SpurLevelFields::model() const {
    static const BuiltInLevelModel builtIn;
    const LevelModel* model = model_ ? model_() : nullptr;
    return model ? *model : builtIn;
}

QWidget* SpurLevelFields::overflowField(const LevelInputs& in, QLineEdit* left) const {
    const auto fault =
        findLevelOverflow(model(), in, left == loPower_ ? LevelInput::LOPower : LevelInput::RFPower);
    return fault ? field(*fault) : left;
}

void SpurLevelFields::apply(const LevelInputs& in, const PairLevels& levels) {
    state_.ConvLoss = in.convLoss;
    state_.LOIsolation = in.loIsolation;
    display_.ApplySpurLevels(levels);
    if (evaluated_) evaluated_(levels);
}

QWidget* SpurLevelFields::leave(QLineEdit* left) {
    QWidget* fault = nullptr;
    const std::optional<LevelInputs> in = readInputs(left, fault);
    if (!in) return refuse(fault);
    const PairLevels levels = model().evaluate(*in);
    // Absurd inputs give lines no single can hold: refused like a non-number,
    // with the focus in the input at fault, which need not be the one left.
    if (!fitsSingle(levels)) return refuse(overflowField(*in, left));

    if (in->loPower - in->rfPower < kDriveMargin) warn(window_, "RF Power within 5dB of LO Power");
    if (left == loPower_ && in->loPower < 0) warn(window_, "LO Power < 0 dBm");
    apply(*in, levels);
    return nullptr;
}

bool SpurLevelFields::reevaluate() {
    QWidget* fault = nullptr;
    const std::optional<LevelInputs> in = readInputs(rfPower_, fault);
    if (!in) return false;
    const PairLevels levels = model().evaluate(*in);
    if (!fitsSingle(levels)) return false;
    apply(*in, levels);
    return true;
}

std::optional<PairLevels> SpurLevelFields::checkedLevels() {
    QWidget* fault = nullptr;
    const std::optional<LevelInputs> in = readInputs(rfPower_, fault);
    if (!in) {
        refuse(fault);
        return std::nullopt;
    }
    const PairLevels levels = model().evaluate(*in);
    if (!fitsSingle(levels)) {
        refuse(overflowField(*in, rfPower_));
        return std::nullopt;
    }
    return levels;
}

std::optional<LevelInputs> SpurLevelFields::inputs() const {
    QWidget* fault = nullptr;
    return readInputs(rfPower_, fault);
}

std::optional<LevelInput> SpurLevelFields::inputWithoutNumber() const {
    QWidget* fault = nullptr;
    if (readInputs(rfPower_, fault)) return std::nullopt;
    for (LevelInput input : {LevelInput::LOPower, LevelInput::RFPower, LevelInput::ConvLoss,
                             LevelInput::RFIsolation, LevelInput::LOIsolation})
        if (field(input) == fault) return input;
    return std::nullopt;
}

} // namespace kestrel::ui
