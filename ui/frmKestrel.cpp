#include "ui/frmKestrel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <array>
#include <cmath>

#include "engine/DesignConstants.h"
#include "engine/GridFill.h"
#include "engine/NumberText.h"
#include "display/LineCanvas.h"
#include "display/SpectrumDisplay.h"
#include "ui/Banner.h"
#include "ui/DesignFiles.h"
#include "ui/FileLists.h"
#include "ui/FocusEvents.h"
#include "ui/FormPrinter.h"
#include "ui/HelpViewer.h"
#include "ui/QuickHelp.h"
#include "ui/InputFields.h"
#include "ui/MainLayout.h"
#include "ui/MessageBoxes.h"
#include "ui/SolveInputReader.h"
#include "ui/SpurGrid.h"
#include "ui/WindowCentring.h"
#include "ui/frmAboutKestrel.h"
#include "ui/SpurLevelFields.h"
#include "ui/SpurTools.h"
#include "ui/frmMixer.h"

using namespace kestrel;

namespace {

const QString kCaption = QStringLiteral("Kestrel II Spurious Analysis    Version 3.2");
constexpr int kUnitLabels = 7;

struct MenuSpec {
    const char* name;
    const char* caption;
    const char* parent; // nullptr: on the menu bar
    bool submenu;
};

constexpr std::array<MenuSpec, 15> kMenus = {{
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
    {"mnuSpurFree", "Spur-&Free Bands...", "mnuOptions", false},
    {"mnuAboutKestrel", "&About", nullptr, false},
    {"mnuKstHelp", "&Help", nullptr, false},
}};

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string text(const QLineEdit* e) { return e->text().toStdString(); }

} // namespace

template <class T> T* frmKestrel::control(const char* name) const {
    T* w = qobject_cast<T*>(controls_.value(QLatin1String(name)));
    Q_ASSERT(w);
    return w;
}

frmKestrel::frmKestrel() : matrix_(std::make_unique<SpurMatrix>()) {
    setObjectName(QStringLiteral("frmKestrel"));
    setWindowTitle(kCaption);

    auto* client = new display::LineCanvas(this);
    client->setFixedSize(ui::twipsToPixels(0, 0, ui::kClientWidth, ui::kClientHeight).size());
    setCentralWidget(client);
    controls_ = ui::buildControls(client, ui::mainWindowLayout());
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
    on("mnuExport", &frmKestrel::mnuExport_Click);
}

void frmKestrel::Form_Load() {
    helpFile_ = QStringLiteral("KESTRELII.HLP");

    // Centred as computed, even where that is off-screen.
    ui::centreOnScreen(this);

    mixer_ = std::make_unique<frmMixer>();
    state_.ConvLoss = toSingleStrict(text(mixer_->txtConversionLoss())).value_or(0);
    state_.LOIsolation = toSingleStrict(text(mixer_->txtLOIsolation())).value_or(0);
    levels_ = std::make_unique<ui::SpurLevelFields>(this, control<QLineEdit>("txtLOPower"),
                                                    txtRFPower_, *mixer_, state_, *display_, *focus_);

    freqUnit_ = qstr(kInitialUnit);

    for (const ListSpec& list : kLists) {
        auto* box = control<QComboBox>(list.name.data());
        for (int i = 0; i < list.count; ++i) box->addItem(qstr(list.items[i]));
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
}

void frmKestrel::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmKestrel::selectUnit(const QString& unit) {
    freqUnit_ = unit;
    for (int i = 0; i < kUnitLabels; ++i)
        control<QLabel>(QStringLiteral("lblFreq(%1)").arg(i).toLatin1().constData())->setText(unit);
}

void frmKestrel::mnuGHz_Click() { selectUnit(QStringLiteral("GHz")); }
void frmKestrel::mnuMHz_Click() { selectUnit(QStringLiteral("MHz")); }
void frmKestrel::mnuKHz_Click() { selectUnit(QStringLiteral("KHz")); }

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
    if (levelsRefused) levels_->focusBack(levelsRefused);
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

void frmKestrel::mnuKstHelp_Click() { helpViewer_->showHelp(); }
void frmKestrel::mnuPrint_Click() { printer_->print(centralWidget(), this); }

void frmKestrel::mnuAboutKestrel_Click() {
    if (!about_) about_ = std::make_unique<frmAboutKestrel>();
    about_->showAbout();
}

void frmKestrel::wireDesignFiles() {
    designFiles_ = std::make_unique<ui::DesignFiles>(
        this, [this] { return freqUnit_; }, [this](const QString& unit) { selectUnit(unit); });
    FileMixer_ = control<QListWidget>("FileMixer");
    FileErase_ = control<QListWidget>("FileErase");
    fileLists_ = new ui::FileLists(this, FileMixer_, FileErase_,
                                   [this](const QString& name) { return designFiles_->load(name); });
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

void frmKestrel::mnuSave_Click() { designFiles_->mnuSave_Click(); }
void frmKestrel::mnuLoad_Click() { fileLists_->show(FileMixer_); }
void frmKestrel::mnuDelete_Click() { fileLists_->show(FileErase_); }
void frmKestrel::FileMixer_DblClick() { fileLists_->loadSelected(); }
void frmKestrel::FileMixer_LostFocus() { fileLists_->rereadAndHide(FileMixer_); }
void frmKestrel::FileErase_DblClick() { fileLists_->eraseSelected(); }
void frmKestrel::FileErase_LostFocus() { fileLists_->rereadAndHide(FileErase_); }
void frmKestrel::chkProject_Click() { designFiles_->chkProject_Click(); }

// Band finder, table export and hover: told of every solve and level table.
void frmKestrel::wireSpurTools() {
    spurTools_ = std::make_unique<ui::SpurTools>(this, *matrix_, state_, *display_,
                                                 [this] { return freqUnit_; },
                                                 [this] { return designFiles_->currentFile(); });
    levels_->onEvaluated([this](const SpurLevelTable& t) { spurTools_->levelsEvaluated(t); });
}

void frmKestrel::mnuSpurFree_Click() { spurTools_->mnuSpurFree_Click(); }
void frmKestrel::mnuExport_Click() { spurTools_->mnuExport_Click(); }
