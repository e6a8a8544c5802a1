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
#include "ui/DesignFiles.h"
#include "ui/DesignSettings.h"
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
#include "files/DesignRecord.h"
#include "files/MixerTableCsv.h"

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
    settings_ = std::make_unique<ui::DesignSettings>();
    designFiles_ = std::make_unique<ui::DesignFiles>(
        this, [this] { return freqUnit_; }, [this](const QString& unit) { selectUnit(unit); },
        *settings_);
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
    });
    registerSettings();
    registerSpurTableSettings();
    registerPlannerSettings();
}

// What a design file carries beyond its 14 records, by control name.
void frmKestrel::registerSettings() {
    const auto list = [this](const char* name) { return [w = control<QComboBox>(name)] { return w; }; };
    const auto check = [this](const char* name) { return [w = control<QCheckBox>(name)] { return w; }; };
    ui::DesignSettings& s = *settings_;
    s.addList(QStringLiteral("cboLOHar"), list("cboLOHar"));
    s.addList(QStringLiteral("cboRFHar"), list("cboRFHar"));
    // Typed, the step count counts on leaving the list; loaded, at once.
    s.addList(QStringLiteral("cboSteps"), list("cboSteps"), [this] { setReplayEnabled(false); });
    s.addList(QStringLiteral("cboSweepSpeed"), list("cboSweepSpeed"));
    s.addCheck(QStringLiteral("chkSUMONLY"), check("chkSUMONLY"));
    s.addCheck(QStringLiteral("chkSingle"), check("chkSingle"));
    frmMixer* mixer = mixer_.get();
    // As the level check reads them: the loss and the LO isolation as singles.
    using Rule = ui::DesignSettings::NumberRule;
    s.addNumber(QStringLiteral("txtConversionLoss"), [mixer] { return mixer->txtConversionLoss(); }, {},
                Rule::Single);
    s.addNumber(QStringLiteral("txtRFIsolation"), [mixer] { return mixer->txtRFIsolation(); });
    s.addNumber(QStringLiteral("txtLOIsolation"), [mixer] { return mixer->txtLOIsolation(); }, {},
                Rule::Single);

    // The band finder's, whether or not it was ever opened.
    ui::SpurTools* tools = spurTools_.get();
    const auto finder = [tools](const char* name) {
        return [tools, name] { return tools->finderWindow().findChild<QWidget*>(QLatin1String(name)); };
    };
    const auto finderList = [finder](const char* name) {
        return [w = finder(name)] { return qobject_cast<QComboBox*>(w()); };
    };
    // The item text: "Automatic (from the markers)" stays automatic, either
    // product is the design's explicit choice.
    s.addList(QStringLiteral("cboWanted"), finderList("cboWanted"));
    s.addNumber(QStringLiteral("txtThreshold"),
                [w = finder("txtThreshold")] { return qobject_cast<QLineEdit*>(w()); },
                [tools] { tools->finderWindow().txtThreshold_LostFocus(); });
    s.addList(QStringLiteral("cboMaxOrder"), finderList("cboMaxOrder"));
    s.addCheck(QStringLiteral("chkShade"),
               [w = finder("chkShade")] { return qobject_cast<QCheckBox*>(w()); });

    // The chart's shading; a chart never opened is unshaded and stays unmade.
    s.add({QStringLiteral("chkShadeBands"),
           [tools] { return std::optional<QString>(tools->chart() && tools->chart()->shadeBands() ? "1" : "0"); },
           [](const QString& v) { return v == QLatin1String("0") || v == QLatin1String("1"); },
           [tools](const QString& v) {
               if (tools->chart() || v == QLatin1String("1"))
                   tools->chartWindow().setShadeBands(v == QLatin1String("1"));
           }});
}

// The mixer's spur table: one record per RF order (a row too long for one
// record continues in a second, "gridIMT(n,6)" from LO order 6 on), its
// two reference drives and the switch, which comes last so that it acts on
// the loaded table.
void frmKestrel::registerSpurTableSettings() {
    frmSpurTable* window = spurTable_.get();
    ui::DesignSettings& s = *settings_;
    for (int n = 0; n <= PairLevels::kMaxN; ++n) {
        const QString name = QStringLiteral("gridIMT(%1)").arg(n);
        const QString tailName = QStringLiteral("gridIMT(%1,%2)").arg(n).arg(csv::kFirstTailOrder);
        const auto stored = [window, n](const QString& name) {
            return csv::storedRow(window->table(), n, designfile::kMaxTextLength - 1 - name.size());
        };
        const auto apply = [window, n](const QString& text, bool tail) {
            MixerSpurTable copy = window->table();
            if (tail ? csv::setTableTail(copy, n, text.toStdString()) : csv::setTableRow(copy, n, text.toStdString()))
                if (!(copy == window->table())) window->setTable(copy);
        };
        s.add({name, [stored, name] { return std::optional<QString>(QString::fromStdString(stored(name).row)); },
               [window, n](const QString& row) {
                   MixerSpurTable copy = window->table();
                   return csv::setTableRow(copy, n, row.toStdString());
               },
               [apply](const QString& row) { apply(row, false); }});
        ui::DesignSettings::Setting tail{
            tailName, [stored, name] { return std::optional<QString>(QString::fromStdString(stored(name).tail)); },
            [window, n](const QString& text) {
                MixerSpurTable copy = window->table();
                return csv::setTableTail(copy, n, text.toStdString());
            },
            [apply](const QString& text) { apply(text, true); }};
        tail.omitEmpty = true;
        s.add(std::move(tail));
    }
    const auto field = [window](const char* name) {
        return [w = window->findChild<QLineEdit*>(QLatin1String(name))] { return w; };
    };
    using Rule = ui::DesignSettings::NumberRule;
    s.addNumber(QStringLiteral("txtIMTRFRef"), field("txtIMTRFRef"), [window] { window->txtIMTRFRef_LostFocus(); },
                Rule::Single);
    s.addNumber(QStringLiteral("txtIMTLORef"), field("txtIMTLORef"), [window] { window->txtIMTLORef_LostFocus(); },
                Rule::Single);
    s.addCheck(QStringLiteral("chkUseIMT"),
               [w = window->findChild<QCheckBox*>(QStringLiteral("chkUseIMT"))] { return w; });
}
