#pragma once
// Leaving one of the two drive-power fields re-evaluates the level of every
// displayed spur product from both powers and the mixer's three figures,
// and sets the heights of the spur lines.

#include <QString>
#include <functional>

#include "engine/SpurLevels.h"
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
    void onEvaluated(std::function<void(const SpurLevelTable&)> listener) {
        evaluated_ = std::move(listener);
    }

private:
    QWidget* leave(QLineEdit* left);
    QWidget* refuse(QWidget* field);
    QWidget* field(LevelInput input) const;

    QWidget* window_;
    QLineEdit* loPower_;
    QLineEdit* rfPower_;
    frmMixer& mixer_;
    WorkingState& state_;
    display::SpectrumDisplay& display_;
    FocusEvents& focus_;
    std::function<void(const SpurLevelTable&)> evaluated_;
};

} // namespace kestrel::ui
