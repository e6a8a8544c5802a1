#pragma once
// The main window: it owns the design (the texts of its controls), the
// working state of the last solve and the spur matrix.

#include <QHash>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "engine/Design.h"
#include "engine/SpurMatrix.h"
#include "engine/SpurSolver.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class frmMixer;
class frmAboutKestrel;
class frmSpurTable;
class frmIfPlanner;
class frmFilters;
class frmResponses;

namespace kestrel::display {
class SpectrumDisplay;
class SweepDriver;
class StepDriver;
class PointerReadout;
} // namespace kestrel::display

namespace kestrel::ui {
class DesignFiles;
class DesignForm;
class FileLists;
class FocusEvents;
class SolveInputReader;
class InputFields;
class SpurGrid;
class HelpViewer;
class FormPrinter;
class SpurLevelFields;
class SpurTools;
class ConverterCheck;
} // namespace kestrel::ui
namespace kestrel {
struct Design;
}

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
    void mnuKstHelp_Click();
    void mnuPrint_Click();
    void mnuAboutKestrel_Click();
    // Design files: saved, loaded and erased by DesignFiles and FileLists.
    void mnuSave_Click();
    void mnuLoad_Click();
    void mnuDelete_Click();
    void FileMixer_DblClick();
    void FileMixer_LostFocus();
    void FileErase_DblClick();
    void FileErase_LostFocus();
    void chkProject_Click();
    void cmdSweep_Click();
    void cmdSingleStep_Click();
    void cmdSTEPBACK_Click();
    // Band finder, table export and spur chart, done by SpurTools.
    void mnuSpurFree_Click();
    void mnuExport_Click();
    // The mixer's own spur table, the level model when switched on.
    void mnuSpurTable_Click();
    void mnuSpurChart_Click();
    // Scans the LO or offset for spur-free output bands.
    void mnuIfPlanner_Click();
    // The planner, created hidden on first use with the finder's threshold.
    frmIfPlanner& ifPlanner();
    // The converter's filters and the limit line.
    void mnuFilters_Click();
    // The filters window, created hidden on first use.
    frmFilters& filtersWindow();
    // The design as the window holds it.
    kestrel::Design windowDesign() const;
    // The receiver's responses at one step's LO, computed from windowDesign().
    void mnuResponses_Click();
    // The responses window, created hidden on first use.
    frmResponses& receiverResponses();
    frmResponses* responsesWindow() const { return responses_.get(); }

    const kestrel::SpurMatrix& spurMatrix() const { return *matrix_; }
    const kestrel::WorkingState& workingState() const { return state_; }
    const QString& freqUnit() const { return freqUnit_; }
    const QString& helpFile() const { return helpFile_; }
    frmMixer* mixerWindow() const { return mixer_.get(); }
    frmAboutKestrel* aboutWindow() const { return about_.get(); }
    frmSpurTable* spurTableWindow() const { return spurTable_.get(); }
    kestrel::display::SpectrumDisplay& spectrumDisplay() const { return *display_; }
    kestrel::ui::SpurTools& spurTools() const { return *spurTools_; }
    kestrel::ui::DesignFiles& designFiles() const { return *designFiles_; }
    // The design the window shows, read from and shown in its controls.
    kestrel::ui::DesignForm& designForm() const { return *form_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void wireHelpPrintAbout();
    void Form_Load();
    void Form_Unload();
    void selectUnit(const QString& unit);
    void buildDisplay();
    void setReplayEnabled(bool enabled);
    void wireDesignFiles();
    bool loadDesign(const QString& name, const QByteArray& path);
    void buildReplays();
    void wireSpurTools();
    void registerFormParts();
    void wireFilters();

    template <class T> T* control(const char* name) const;

    QHash<QString, QWidget*> controls_;
    std::unique_ptr<kestrel::SpurMatrix> matrix_;
    kestrel::WorkingState state_;
    QString freqUnit_;
    QString helpFile_;
    std::unique_ptr<frmMixer> mixer_;
    std::unique_ptr<kestrel::ui::SpurGrid> grid_;
    std::unique_ptr<kestrel::ui::SolveInputReader> solveInput_;
    std::unique_ptr<kestrel::display::SpectrumDisplay> display_;
    std::unique_ptr<kestrel::ui::SpurLevelFields> levels_;
    std::unique_ptr<kestrel::display::SweepDriver> sweep_;
    std::unique_ptr<kestrel::display::StepDriver> step_;
    std::unique_ptr<kestrel::display::PointerReadout> pointer_;
    kestrel::ui::FocusEvents* focus_ = nullptr;
    std::unique_ptr<kestrel::ui::HelpViewer> helpViewer_;
    std::unique_ptr<kestrel::ui::FormPrinter> printer_;
    std::unique_ptr<frmAboutKestrel> about_;
    std::unique_ptr<kestrel::ui::DesignForm> form_;
    std::unique_ptr<kestrel::ui::DesignFiles> designFiles_;
    kestrel::ui::FileLists* fileLists_ = nullptr;
    QListWidget* FileMixer_ = nullptr;
    QListWidget* FileErase_ = nullptr;
    kestrel::ui::InputFields* inputs_ = nullptr;

    QLineEdit* txtRFPower_ = nullptr;
    QLineEdit* txtRFDisFreq_ = nullptr;
    QLineEdit* txtLoOffset_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QLabel* lblWorking2_ = nullptr;
    QLabel* lblWorking3_ = nullptr;
    QLabel* lblWorking4_ = nullptr;
    QCheckBox* chkOffset_ = nullptr;
    QCheckBox* chkSUMONLY_ = nullptr;
    std::unique_ptr<frmSpurTable> spurTable_;
    std::unique_ptr<frmIfPlanner> planner_;
    std::unique_ptr<frmFilters> filters_;
    kestrel::ui::ConverterCheck* converter_ = nullptr;
    std::unique_ptr<frmResponses> responses_;
    std::unique_ptr<kestrel::ui::SpurTools> spurTools_; // last: goes first, before what it watches
};

template <class T> T* frmKestrel::control(const char* name) const {
    T* w = qobject_cast<T*>(controls_.value(QLatin1String(name)));
    Q_ASSERT(w);
    return w;
}
