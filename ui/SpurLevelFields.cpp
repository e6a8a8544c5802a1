#include "ui/SpurLevelFields.h"

#include <QLineEdit>

#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"
#include "engine/SpurLevels.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"
#include "ui/frmMixer.h"

namespace kestrel::ui {
namespace {

constexpr double kDriveMargin = 5; // dB of LO drive above RF drive

std::string text(const QLineEdit* field) { return field->text().toStdString(); }

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

QWidget* SpurLevelFields::leave(QLineEdit* left) {
    QLineEdit* other = left == loPower_ ? rfPower_ : loPower_;
    const auto leftValue = toDoubleStrict(text(left));
    if (!leftValue) return refuse(left);
    // Every input must be a number before anything is said or written.
    const auto otherValue = toDoubleStrict(text(other));
    if (!otherValue) return refuse(other);
    const auto convLoss = toSingleStrict(text(mixer_.txtConversionLoss()));
    if (!convLoss) return refuse(mixer_.txtConversionLoss());
    const auto rfIsolation = toDoubleStrict(text(mixer_.txtRFIsolation()));
    if (!rfIsolation) return refuse(mixer_.txtRFIsolation());
    const auto loIsolation = toSingleStrict(text(mixer_.txtLOIsolation()));
    if (!loIsolation) return refuse(mixer_.txtLOIsolation());

    const double loPower = left == loPower_ ? *leftValue : *otherValue;
    const double rfPower = left == loPower_ ? *otherValue : *leftValue;
    const LevelInputs inputs{loPower, rfPower, *convLoss, *rfIsolation, *loIsolation};
    const SpurLevelTable levels = EvaluateSpurLevels(inputs);
    // Absurd inputs give lines no single can hold: refused like a non-number,
    // with the focus in the input at fault, which need not be the one left.
    if (!fitsSingle(levels)) {
        const LevelInput fault = *findLevelOverflow(
            inputs, left == loPower_ ? LevelInput::LOPower : LevelInput::RFPower);
        return refuse(field(fault));
    }

    if (loPower - rfPower < kDriveMargin) warn(window_, "RF Power within 5dB of LO Power");
    if (left == loPower_ && loPower < 0) warn(window_, "LO Power < 0 dBm");

    state_.ConvLoss = *convLoss;
    state_.LOIsolation = *loIsolation;
    display_.ApplySpurLevels(levels);
    if (evaluated_) evaluated_(levels);
    return nullptr;
}

} // namespace kestrel::ui
