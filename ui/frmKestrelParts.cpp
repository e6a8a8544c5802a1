// The parts of the main window, built and connected to its handlers: the
// analyzer display, the replays, the design files, help, print and about.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "display/AnalyzerPanel.h"
#include "display/PointerReadout.h"
#include "display/SpectrumDisplay.h"
#include "display/StepDriver.h"
#include "display/SweepDriver.h"
#include "ui/ConverterCheck.h"
#include "ui/DesignFiles.h"
#include "ui/DesignForm.h"
#include "ui/DesignFormParts.h"
#include "ui/planning/frmFilters.h"
#include "ui/planning/frmResponses.h"
#include "ui/FileLists.h"
#include "ui/FocusEvents.h"
#include "ui/FormPrinter.h"
#include "ui/HelpViewer.h"
#include "ui/MessageBoxes.h"
#include "ui/QuickHelp.h"
#include "ui/QuickHelpTable.h"
#include "ui/SpurGrid.h"
#include "ui/SpurLevelFields.h"
#include "ui/SpurTools.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"
#include "ui/planning/frmIfPlanner.h"
#include "ui/planning/frmResponses.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"
#include "ui/planning/frmSpurTable.h"

using namespace kestrel;

void frmKestrel::buildDisplay() {
    const auto text = [this](const char* name) {
        QLineEdit* field = control<QLineEdit>(name);
        return [field] { return field->text(); };
    };
    display::DisplaySource source{matrix_.get(), &state_, [this] { return freqUnit_; },
                                  text("txtMarker1"), text("txtMarker2"),
                                  text("txtIFStart"), text("txtIFStop")};
    display::DisplayReadouts readouts{control<QLabel>("lblIfDisFreq"), control<QLabel>("lblIFSUM"),
                                      control<QLabel>("lblRFANA"), control<QLabel>("lblIfDispLo"),
                                      control<QLabel>("lblDisIFHI")};
    display_ = std::make_unique<display::SpectrumDisplay>(
        *control<display::AnalyzerPanel>("Frame4"), readouts, std::move(source));
}

// Quick help on the captions, the help file on F1, the Help menu and every
// quick-help box's Help button, the print and about menu items.
void frmKestrel::wireHelpPrintAbout() {
    helpViewer_ = std::make_unique<ui::HelpViewer>(ui::locateHelpFile(helpFile_));
    ui::setHelpOpener([this] { mnuKstHelp_Click(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &frmKestrel::mnuKstHelp_Click);
    (new ui::QuickHelp(this))->attach(this, ui::mainWindowQuickHelp());
    printer_ = std::make_unique<ui::FormPrinter>();
}

void frmKestrel::wireDesignFiles() {
    form_ = std::make_unique<ui::DesignForm>();
    designFiles_ = std::make_unique<ui::DesignFiles>(this, *form_);
    FileMixer_ = control<QListWidget>("FileMixer");
    FileErase_ = control<QListWidget>("FileErase");
    fileLists_ = new ui::FileLists(this, FileMixer_, FileErase_,
                                   [this](const QString& name, const QByteArray& path) {
                                       return loadDesign(name, path);
                                   });
    const auto menu = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    connect(menu("mnuSave"), &QAction::triggered, this, &frmKestrel::mnuSave_Click);
    connect(menu("mnuLoad"), &QAction::triggered, this, &frmKestrel::mnuLoad_Click);
    connect(menu("mnuDelete"), &QAction::triggered, this, &frmKestrel::mnuDelete_Click);
    fileLists_->onDoubleClick(FileMixer_, [this] { FileMixer_DblClick(); });
    fileLists_->onDoubleClick(FileErase_, [this] { FileErase_DblClick(); });
    focus_->onLostFocus(FileMixer_, [this] { FileMixer_LostFocus(); });
    focus_->onLostFocus(FileErase_, [this] { FileErase_LostFocus(); });
    connect(control<QCheckBox>("chkProject"), &QCheckBox::toggled, this, &frmKestrel::chkProject_Click);
}

void frmKestrel::buildReplays() {
    display::ReplayHost h;
    h.display = display_.get();
    h.matrix = matrix_.get();
    h.state = &state_;
    h.freqUnit = [this] { return freqUnit_; };
    h.cmdSweep = control<QPushButton>("cmdSweep");
    h.chkSingle = control<QCheckBox>("chkSingle");
    h.cboSweepSpeed = control<QComboBox>("cboSweepSpeed");
    h.lblStepPointer = control<QLabel>("lblStepPointer");
    h.lblMOUSEPOINTER = control<QLabel>("lblMOUSEPOINTER");
    h.lblRFANA = control<QLabel>("lblRFANA");
    h.lblWorking2 = lblWorking2_;
    h.lblWorking3 = lblWorking3_;
    h.lblWorking4 = lblWorking4_;
    h.txtRFDisFreq = txtRFDisFreq_;
    h.txtMarker1 = control<QLineEdit>("txtMarker1");
    h.txtMarker2 = control<QLineEdit>("txtMarker2");
    h.txtIFStart = control<QLineEdit>("txtIFStart");
    h.txtIFStop = control<QLineEdit>("txtIFStop");
    h.chkOffset = chkOffset_;
    h.chkSUMONLY = chkSUMONLY_;
    h.cboLOHar = control<QComboBox>("cboLOHar");
    h.cboRFHar = control<QComboBox>("cboRFHar");
    h.gridCells = [this] { return grid_->cells(); };
    h.showGrid = [this](const GridCells& cells) { grid_->apply(cells); };
    h.critical = [this](const QString& text, const QString& title) {
        ui::showMessage(this, text, title, QMessageBox::Critical);
    };
    sweep_ = std::make_unique<display::SweepDriver>(h);
    step_ = std::make_unique<display::StepDriver>(h);
    pointer_ = std::make_unique<display::PointerReadout>(h);
    connect(h.cmdSweep, &QPushButton::clicked, this, &frmKestrel::cmdSweep_Click);
    connect(control<QPushButton>("cmdSingleStep"), &QPushButton::clicked, this,
            &frmKestrel::cmdSingleStep_Click);
    connect(control<QPushButton>("cmdSTEPBACK"), &QPushButton::clicked, this,
            &frmKestrel::cmdSTEPBACK_Click);
}

// A loaded design reaches every part that keeps something derived from it.
bool frmKestrel::loadDesign(const QString& name, const QByteArray& path) {
    if (!designFiles_->load(name, path)) return false;
    spurTable_->designLoaded(); // levels of the loaded drives
    spurTools_->designLoaded();
    if (planner_) planner_->designLoaded();
    if (responses_) responses_->refresh();
    return true;
}

// Band finder, table export, chart and hover: told of every solve and level
// table; the chart's click shows a step through the single step.
void frmKestrel::wireSpurTools() {
    ui::SpurTools::StepLink step{[this] { return control<QPushButton>("cmdSingleStep")->isEnabled(); },
                                 [this](int k) { step_->showStep(k); }};
    spurTools_ = std::make_unique<ui::SpurTools>(this, *matrix_, state_, *display_,
                                                 [this] { return freqUnit_; },
                                                 [this] { return designFiles_->currentFile(); },
                                                 std::move(step));
    step_->onStepShown([this](int k) { spurTools_->stepShown(k); });
    spurTable_ = std::make_unique<frmSpurTable>([this] { return levels_->inputs(); },
                                                [this] { return levels_->reevaluate(); },
                                                [this] { return levels_->inputWithoutNumber(); });
    levels_->useModel([this] { return spurTable_->activeModel(); });
    levels_->onEvaluated([this](const PairLevels& t) {
        spurTools_->levelsEvaluated(t, levels_->inputs(), spurTable_->activeModel());
        spurTable_->updateNote();
        if (converter_) converter_->evaluate();
    });
    wireFilters();
    registerFormParts();
}

// Each window's part of the design, in the order a load sets them; the unit
// last, as its labels follow it.
void frmKestrel::registerFormParts() {
    form_->add(ui::mainWindowPart(controls_, [this] { setReplayEnabled(false); }));
    form_->add(ui::mixerPart(*mixer_));
    form_->add(ui::spurToolsPart(*spurTools_));
    form_->add(ui::spurTablePart(*spurTable_));
    form_->add(ui::plannerPart([this]() -> frmIfPlanner& { return ifPlanner(); }));
    // The filters window is made when a design is shown, so that it opens on it.
    form_->add({[this](Design& d) {
                    if (filters_) filters_->toDesign(d);
                },
                [this](const Design& d) { filtersWindow().fromDesign(d); }});
    form_->add({[this](Design& d) {
                    if (responses_) responses_->toDesign(d);
                },
                [this](const Design& d) { receiverResponses().fromDesign(d); }});
    form_->add({[this](Design& d) { d.unit = freqUnit_.toStdString(); },
                [this](const Design& d) { selectUnit(QString::fromLatin1(d.unit.data(), qsizetype(d.unit.size()))); }});
}
