#pragma once
// The main window: it owns the design (the texts of its controls), the
// working state of the last solve and the spur matrix.

#include <QHash>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "engine/SpurMatrix.h"
#include "engine/SpurSolver.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class frmMixer;

namespace kestrel::display {
class SpectrumDisplay;
class SweepDriver;
class StepDriver;
class PointerReadout;
} // namespace kestrel::display

namespace kestrel::ui {
class FocusEvents;
class SpurGrid;
class SpurLevelFields;
} // namespace kestrel::ui

class frmKestrel : public QMainWindow {
    Q_OBJECT
public:
    frmKestrel();
    ~frmKestrel() override;

    // Event handlers, named after control and event.
    void cmdCalculate_Click();
    void cmdCalculate_GotFocus();
    void txtLOPower_LostFocus();
    void txtRFPower_LostFocus();
    void mnuMixer_Click();
    void chkOffset_Click();
    void mnuGHz_Click();
    void mnuMHz_Click();
    void mnuKHz_Click();
    void cmdSweep_Click();
    void cmdSingleStep_Click();
    void cmdSTEPBACK_Click();

    const kestrel::SpurMatrix& spurMatrix() const { return *matrix_; }
    const kestrel::WorkingState& workingState() const { return state_; }
    const QString& freqUnit() const { return freqUnit_; }
    const QString& helpFile() const { return helpFile_; }
    frmMixer* mixerWindow() const { return mixer_.get(); }
    kestrel::display::SpectrumDisplay& spectrumDisplay() const { return *display_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void Form_Load();
    void Form_Unload();
    void selectUnit(const QString& unit);
    void buildDisplay();
    // Reads what a solve needs; on a field that is no number it tells the
    // user, puts the focus there and gives nothing.
    std::optional<kestrel::SolveInput> readSolveInput();
    void setReplayEnabled(bool enabled);
    void buildReplays();

    template <class T> T* control(const char* name) const;

    QHash<QString, QWidget*> controls_;
    std::unique_ptr<kestrel::SpurMatrix> matrix_;
    kestrel::WorkingState state_;
    QString freqUnit_;
    QString helpFile_;
    std::unique_ptr<frmMixer> mixer_;
    std::unique_ptr<kestrel::ui::SpurGrid> grid_;
    std::unique_ptr<kestrel::display::SpectrumDisplay> display_;
    std::unique_ptr<kestrel::ui::SpurLevelFields> levels_;
    std::unique_ptr<kestrel::display::SweepDriver> sweep_;
    std::unique_ptr<kestrel::display::StepDriver> step_;
    std::unique_ptr<kestrel::display::PointerReadout> pointer_;
    kestrel::ui::FocusEvents* focus_ = nullptr;

    QLineEdit* txtRFPower_ = nullptr;
    QLineEdit* txtRFDisFreq_ = nullptr;
    QLineEdit* txtLoOffset_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QLabel* lblWorking2_ = nullptr;
    QLabel* lblWorking3_ = nullptr;
    QLabel* lblWorking4_ = nullptr;
    QCheckBox* chkOffset_ = nullptr;
    QCheckBox* chkSUMONLY_ = nullptr;
};
