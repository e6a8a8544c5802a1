#include "ui/frmKestrel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "engine/DesignConstants.h"
#include "engine/GridFill.h"
#include "engine/NumberText.h"
#include "display/SpectrumDisplay.h"
#include "display/PointerReadout.h"
#include "display/StepDriver.h"
#include "display/SweepDriver.h"
#include "ui/Banner.h"
#include "ui/ButtonKeys.h"
#include "ui/ConverterCheck.h"
#include "ui/DesignFiles.h"
#include "ui/DesignForm.h"
#include "ui/FieldCaptions.h"
#include "ui/FileLists.h"
#include "ui/FormPrinter.h"
#include "ui/HelpViewer.h"
#include "ui/QtText.h"
#include "ui/WindowCentring.h"
#include "ui/FocusEvents.h"
#include "ui/InputFields.h"
#include "ui/MainLayout.h"
#include "ui/MessageBoxes.h"
#include "ui/SolveInputReader.h"
#include "ui/SpurGrid.h"
#include "ui/frmAboutKestrel.h"
#include "ui/SpurLevelFields.h"
#include "ui/SpurTools.h"
#include "ui/frmMixer.h"
#include "ui/planning/frmFilters.h"
#include "ui/planning/frmIfPlanner.h"
#include "ui/planning/frmResponses.h"
#include "ui/planning/frmSpurTable.h"

using namespace kestrel;
using kestrel::ui::qstr;
using kestrel::ui::text;

namespace {

const QString kCaption = ui::programCaption();
constexpr int kUnitLabels = 7;

struct MenuSpec {
    const char* name;
    const char* caption;
    const char* parent; // nullptr: on the menu bar
    bool submenu;
};

constexpr std::array<MenuSpec, 20> kMenus = {{
    {"mnuFile", "&File", nullptr, true},
    {"mnuSave", "&Save", "mnuFile", false},
    {"mnuLoad", "&Load", "mnuFile", false},
    {"mnuDelete", "&Delete", "mnuFile", false},
    {"mnuExport", "&Export Spur Table...", "mnuFile", false},
    {"mnuPrint", "&Print Scr", nullptr, false},
    {"mnuOptions", "&Options", nullptr, true},
    {"mnuFreqUnits", "&Frequency Units", "mnuOptions", true},
    {"mnuGHz", "&GHz", "mnuFreqUnits", false},
    {"mnuMHz", "&MHz", "mnuFreqUnits", false},
    {"mnuKHz", "&KHz", "mnuFreqUnits", false},
    {"mnuMixer", "&Mixer Parameters", "mnuOptions", false},
    {"mnuSpurTable", "Mixer Spur &Table...", "mnuOptions", false},
    {"mnuSpurFree", "Spur-Free &Bands...", "mnuOptions", false},
    {"mnuSpurChart", "Spur &Chart...", "mnuOptions", false},
    {"mnuIfPlanner", "&IF Planner...", "mnuOptions", false},
    // Shares F with Frequency Units: the letter moves between the two, Enter opens.
    {"mnuFilters", "&Filters and Limits...", "mnuOptions", false},
    {"mnuResponses", "Receiver &Responses...", "mnuOptions", false},
    {"mnuAboutKestrel", "&About", nullptr, false},
    {"mnuKstHelp", "&Help", nullptr, false},
}};


} // namespace

frmKestrel::frmKestrel() : matrix_(std::make_unique<SpurMatrix>()) {
    setObjectName(QStringLiteral("frmKestrel"));
    setWindowTitle(kCaption);

    auto* client = new display::LineCanvas(this);
    client->setFixedSize(ui::twipsToPixels(0, 0, ui::kClientWidth, ui::kClientHeight).size());
    setCentralWidget(client);
    controls_ = ui::buildControls(client, ui::mainWindowLayout());
    ui::nameAfterLabels(controls_, ui::mainWindowLabels());
    client->addLines(ui::mainWindowLines());
    buildMenus();

    auto* logo = control<QLabel>("Logo");
    logo->setPixmap(ui::makeBanner(logo->size()));

    txtRFPower_ = control<QLineEdit>("txtRFPower");
    txtRFDisFreq_ = control<QLineEdit>("txtRFDisFreq");
    txtLoOffset_ = control<QLineEdit>("txtLoOffset");
    cmdCalculate_ = control<QPushButton>("cmdCalculate");
    lblWorking2_ = control<QLabel>("lblWorking2");
    // Opaque, so that its per-step repaint need not paint what lies beneath.
    lblWorking2_->setAutoFillBackground(true);
    lblWorking3_ = control<QLabel>("lblWorking3");
    lblWorking4_ = control<QLabel>("lblWorking4");
    chkOffset_ = control<QCheckBox>("chkOffset");
    chkSUMONLY_ = control<QCheckBox>("chkSUMONLY");
    grid_ = std::make_unique<ui::SpurGrid>(control<QTableWidget>("gridSpurs"));
    solveInput_ = std::make_unique<ui::SolveInputReader>(this, controls_);
    buildDisplay();
    buildReplays();

    // Legend: white text on the colours of the two spur families.
    const auto legend = [this](const char* name, QColor background) {
        auto* label = control<QLabel>(name);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
    };
    legend("Label35", QColor(0, 0, 128));
    legend("Label36", QColor(0, 128, 0));
    QPalette grey = txtRFDisFreq_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    txtRFDisFreq_->setPalette(grey);

    focus_ = new ui::FocusEvents(this);
    focus_->onGotFocus(cmdCalculate_, [this] { cmdCalculate_GotFocus(); });
    focus_->onLostFocus(txtRFPower_, [this] { txtRFPower_LostFocus(); });
    focus_->onLostFocus(control<QLineEdit>("txtLOPower"), [this] { txtLOPower_LostFocus(); });
    connect(cmdCalculate_, &QPushButton::clicked, this, &frmKestrel::cmdCalculate_Click);
    wireDesignFiles();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    Form_Load();
    wireHelpPrintAbout();
    // After start-up, which fills the lists: only later changes invalidate.
    inputs_ = new ui::InputFields(this, controls_, *focus_, state_, [this] { setReplayEnabled(false); });
    wireSpurTools();
    ui::pressButtonsOnEnter(this);
}

frmKestrel::~frmKestrel() {
    focus_->setSuppressed(true); // controls losing the focus as they go are not being left
    Form_Unload();
    ui::setHelpOpener(nullptr);
}

void frmKestrel::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuSpec& spec : kMenus) {
        QMenu* parent = spec.parent ? menus.value(QLatin1String(spec.parent)) : nullptr;
        const QString caption = QLatin1String(spec.caption);
        QAction* action = nullptr;
        if (spec.submenu) {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menus.insert(QLatin1String(spec.name), menu);
            action = menu->menuAction();
        } else {
            action = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
        }
        action->setObjectName(QLatin1String(spec.name));
    }
    const auto on = [this](const char* name, void (frmKestrel::*handler)()) {
        connect(findChild<QAction*>(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("mnuGHz", &frmKestrel::mnuGHz_Click);
    on("mnuMHz", &frmKestrel::mnuMHz_Click);
    on("mnuKHz", &frmKestrel::mnuKHz_Click);
    on("mnuKstHelp", &frmKestrel::mnuKstHelp_Click);
    on("mnuPrint", &frmKestrel::mnuPrint_Click);
    on("mnuAboutKestrel", &frmKestrel::mnuAboutKestrel_Click);
    on("mnuMixer", &frmKestrel::mnuMixer_Click);
    on("mnuSpurFree", &frmKestrel::mnuSpurFree_Click);
    on("mnuSpurTable", &frmKestrel::mnuSpurTable_Click);
    on("mnuExport", &frmKestrel::mnuExport_Click);
    on("mnuSpurChart", &frmKestrel::mnuSpurChart_Click);
    on("mnuIfPlanner", &frmKestrel::mnuIfPlanner_Click);
    on("mnuFilters", &frmKestrel::mnuFilters_Click);
    on("mnuResponses", &frmKestrel::mnuResponses_Click);
}

void frmKestrel::Form_Load() {
    helpFile_ = QStringLiteral("KESTRELII.HLP");

    // Centred, with the title bar and menu on screen however small it is.
    ui::centreOnScreen(this);

    mixer_ = std::make_unique<frmMixer>();
    mixer_->stayAbove(this);
    state_.ConvLoss = toSingleStrict(text(mixer_->txtConversionLoss())).value_or(0);
    state_.LOIsolation = toSingleStrict(text(mixer_->txtLOIsolation())).value_or(0);
    levels_ = std::make_unique<ui::SpurLevelFields>(this, control<QLineEdit>("txtLOPower"),
                                                    txtRFPower_, *mixer_, state_, *display_, *focus_);

    freqUnit_ = qstr(kInitialUnit);

    for (const ListSpec& list : kLists) {
        auto* box = control<QComboBox>(list.name.data());
        for (std::string_view item : list.items) box->addItem(qstr(item));
        box->setCurrentText(qstr(list.initialText));
    }

    grid_->prepare();
    control<QPushButton>("cmdSingleStep")->setEnabled(false);
}

void frmKestrel::Form_Unload() {
    if (mixer_) mixer_->close();
    if (about_) about_->close();
    if (helpViewer_) helpViewer_->close();
    if (spurTools_) spurTools_->closeWindows();
    if (spurTable_) spurTable_->close();
    if (planner_) planner_->close();
    if (filters_) filters_->close();
    if (responses_) responses_->close();
}

void frmKestrel::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmKestrel::selectUnit(const QString& unit) {
    freqUnit_ = unit;
    for (int i = 0; i < kUnitLabels; ++i)
        control<QLabel>(QStringLiteral("lblFreq(%1)").arg(i).toLatin1().constData())->setText(unit);
    if (spurTools_) spurTools_->unitChanged();
    if (filters_) filters_->setUnit(unit);
    if (responses_) responses_->refresh();
}

void frmKestrel::mnuGHz_Click() { selectUnit(QStringLiteral("GHz")); }
void frmKestrel::mnuMHz_Click() { selectUnit(QStringLiteral("MHz")); }
void frmKestrel::mnuKHz_Click() { selectUnit(QStringLiteral("KHz")); }

void frmKestrel::cmdCalculate_GotFocus() { display_->ShowEdgeLabels(); }

void frmKestrel::txtLOPower_LostFocus() { levels_->txtLOPower_LostFocus(); }
void frmKestrel::txtRFPower_LostFocus() { levels_->txtRFPower_LostFocus(); }
void frmKestrel::mnuMixer_Click() { mixer_->showWindow(); }

void frmKestrel::chkOffset_Click() { inputs_->chkOffset_Click(); }

void frmKestrel::setReplayEnabled(bool enabled) {
    for (const char* name : {"cmdSweep", "cmdSingleStep", "cmdSTEPBACK"})
        control<QPushButton>(name)->setEnabled(enabled);
}

void frmKestrel::cmdCalculate_Click() {
    const std::optional<SolveInput> in = solveInput_->read();
    if (!in) return; // refused before anything changed

    lblWorking4_->hide();

    // Through the RF power field and back, as the user would: its leave
    // handling refreshes the spur levels, the button's got-focus the edges.
    focus_->setSuppressed(true);
    txtRFPower_->setFocus(Qt::OtherFocusReason);
    focus_->setSuppressed(false);
    // A refusal has had its one box; the matrix does not depend on the
    // levels, so the solve goes on and the focus ends in that field.
    QWidget* const levelsRefused = levels_->txtRFPower_LostFocus();
    focus_->setSuppressed(true);
    cmdCalculate_->setFocus(Qt::OtherFocusReason);
    focus_->setSuppressed(false);
    cmdCalculate_GotFocus();

    grid_->clearForSolve();
    grid_->paintGreyCells();
    txtRFDisFreq_->setText(QString());

    solveSpurMatrix(*in, state_, *matrix_);
    display_->setSolvedOrders(in->mMax, in->nMax);
    display_->settleAfterSolve();
    lblWorking3_->hide();
    lblWorking4_->hide();

    grid_->writeHeaders(in->mMax, in->nMax);
    GridFillInput fill;
    fill.numSteps = state_.NumSteps;
    fill.mMax = in->mMax;
    fill.nMax = in->nMax;
    fill.ifStart = state_.IFStart;
    fill.ifStop = state_.IFStop;
    fill.sumOnly = chkSUMONLY_->isChecked();
    grid_->apply(fillSpurGrid(*matrix_, fill, grid_->inks()));

    // Progress: the RF of each step, repainting only the small label. An
    // immediate repaint also paints whatever else is pending, so the read-out
    // box beside the grid waits for the end of the solve like the grid does.
    txtRFDisFreq_->setUpdatesEnabled(false);
    for (int s = 0; s <= lastSolvedStep(state_); ++s) {
        const QString rf = QString::fromStdString(shortText(matrix_->RFFreq(s))) +
                           QLatin1Char(' ') + freqUnit_;
        txtRFDisFreq_->setText(rf);
        lblWorking2_->setText(QString());
        lblWorking2_->setText(rf);
        lblWorking2_->show();
        lblWorking2_->repaint();
    }

    txtRFDisFreq_->setUpdatesEnabled(true);
    lblWorking2_->hide();
    setReplayEnabled(true);
    spurTools_->solved({in->mMax, in->nMax, in->trackingLO});
    converter_->evaluate();
    if (responses_) responses_->refresh();
    if (levelsRefused) levels_->focusBack(levelsRefused);
}

void frmKestrel::mnuKstHelp_Click() { helpViewer_->showHelp(); }
void frmKestrel::mnuPrint_Click() { printer_->print(centralWidget(), this); }

void frmKestrel::mnuAboutKestrel_Click() {
    if (!about_) about_ = std::make_unique<frmAboutKestrel>();
    about_->showAbout();
}

void frmKestrel::mnuSave_Click() { designFiles_->mnuSave_Click(); }
void frmKestrel::mnuLoad_Click() { fileLists_->show(FileMixer_); }
void frmKestrel::mnuDelete_Click() { fileLists_->show(FileErase_); }
void frmKestrel::FileMixer_DblClick() { fileLists_->loadSelected(); }
void frmKestrel::FileMixer_LostFocus() { fileLists_->rereadAndHide(FileMixer_); }
void frmKestrel::FileErase_DblClick() { fileLists_->eraseSelected(); }
void frmKestrel::FileErase_LostFocus() { fileLists_->rereadAndHide(FileErase_); }
void frmKestrel::chkProject_Click() { designFiles_->chkProject_Click(); }

void frmKestrel::cmdSweep_Click() { sweep_->cmdSweep_Click(); }
void frmKestrel::cmdSingleStep_Click() { step_->cmdSingleStep_Click(); }
void frmKestrel::cmdSTEPBACK_Click() { step_->cmdSTEPBACK_Click(); }
void frmKestrel::mnuSpurFree_Click() { spurTools_->mnuSpurFree_Click(); }
void frmKestrel::mnuExport_Click() { spurTools_->mnuExport_Click(); }
void frmKestrel::mnuSpurTable_Click() { spurTable_->showWindow(); }
void frmKestrel::mnuSpurChart_Click() { spurTools_->mnuSpurChart_Click(); }
void frmKestrel::mnuIfPlanner_Click() { ifPlanner().showWindow(); }
void frmKestrel::mnuResponses_Click() { receiverResponses().showWindow(); }
