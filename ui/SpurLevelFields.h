#pragma once
// Leaving one of the two drive-power fields re-evaluates the level of every
// displayed spur product from both powers and the mixer's three figures,
// and sets the heights of the spur lines.

#include <QString>
#include <functional>
#include <optional>

#include "engine/LevelModel.h"
#include "engine/SpurMatrix.h"

class QLineEdit;
class QWidget;
class frmMixer;

namespace kestrel::display {
class SpectrumDisplay;
}

namespace kestrel::ui {

class FocusEvents;

class SpurLevelFields {
public:
    SpurLevelFields(QWidget* window, QLineEdit* loPower, QLineEdit* rfPower, frmMixer& mixer,
                    WorkingState& state, display::SpectrumDisplay& display, FocusEvents& focus);

    // The leave handling of each field. On refusal the user has been told
    // once, nothing was written, the focus is back in the offending field and
    // that field is the answer; otherwise nullptr.
    QWidget* txtLOPower_LostFocus() { return leave(loPower_); }
    QWidget* txtRFPower_LostFocus() { return leave(rfPower_); }

    // Puts the focus into a field that refused, showing the mixer window
    // first when the field is one of its figures. Runs no leave handling.
    void focusBack(QWidget* field);

    // Told of every table that reached the lines, after it did.
    void onEvaluated(std::function<void(const PairLevels&)> listener) {
        evaluated_ = std::move(listener);
    }

    // The model in use; the built-in estimate while none is given or it
    // gives none.
    void useModel(std::function<const LevelModel*()> model) { model_ = std::move(model); }

    // The same evaluation as leaving the RF power field, without its
    // messages: an input that holds no number leaves the lines as they are
    // (its field's next leave, or the next solve, says so). True when the
    // lines were set.
    bool reevaluate();

    // The inputs as the next evaluation would read them; nullopt while one
    // holds no number.
    std::optional<LevelInputs> inputs() const;
    // The first of them that holds no number; nullopt while all do.
    std::optional<LevelInput> inputWithoutNumber() const;

    // The levels of the model in use, for a window that plans with them: the
    // checks of a solve (a box, the focus to the field at fault), no
    // warnings, and the lines stay as they are.
    std::optional<PairLevels> checkedLevels();

    // The model the next evaluation uses.
    const LevelModel& modelInUse() const { return model(); }

private:
    QWidget* leave(QLineEdit* left);
    std::optional<LevelInputs> readInputs(QLineEdit* left, QWidget*& fault) const;
    const LevelModel& model() const;
    // The field to send the user to when the levels of `in` overflow.
    QWidget* overflowField(const LevelInputs& in, QLineEdit* left) const;
    void apply(const LevelInputs& in, const PairLevels& levels);
    QWidget* refuse(QWidget* field);
    QWidget* field(LevelInput input) const;

    QWidget* window_;
    QLineEdit* loPower_;
    QLineEdit* rfPower_;
    frmMixer& mixer_;
    WorkingState& state_;
    display::SpectrumDisplay& display_;
    FocusEvents& focus_;
    std::function<void(const PairLevels&)> evaluated_;
    std::function<const LevelModel*()> model_;
};

} // namespace kestrel::ui
