#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

using namespace kestrel::guitest;

namespace {

class Startup : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }
    frmKestrel w;
};

QString textOf(QWidget* widget) {
    if (auto* e = qobject_cast<QLineEdit*>(widget)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(widget)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(widget)) return g->title();
    if (auto* c = qobject_cast<QComboBox*>(widget)) return c->currentText();
    return {};
}

struct ControlCase {
    const char* name;
    const char* text;
    bool shown;
    bool enabled;
};

TEST_F(Startup, ControlsHaveTheirInitialTextsAndStates) {
    const ControlCase cases[] = {
        {"Frame1", "Local Oscillator Input", true, true},
        {"Frame2", "RF Input Parameters", true, true},
        {"Frame3(0)", "Spectrum Analyzer", true, true},
        {"Frame4", "Spectrum Analyzer", true, true},
        {"Frame5", "SingleStep", true, true},
        {"chkOffset", "Check1", true, true},
        {"Label37", "Lock LO to RF", true, true},
        {"txtLOFreq", "24", true, true},
        {"txtLoOffset", "38.5", false, true},
        {"lblOffsetInst", "Enter +/- Frequency Offset for Locked LO", false, true},
        {"txtLOPower", "8", true, true},
        {"cboLOHar", "8", true, true},
        {"txtRFStart", "12.5", true, true},
        {"txtRFStop", "16.5", true, true},
        {"cboSteps", "10", true, true},
        {"txtRFPower", "-5.0", true, true},
        {"cboRFHar", "8", true, true},
        {"txtIFStart", "30", true, true},
        {"txtMarker1", "37", true, true},
        {"txtMarker2", "40", true, true},
        {"txtIFStop", "50", true, true},
        {"chkSUMONLY", "Calculate SUM ONLY", true, true},
        {"cboSweepSpeed", "25", true, true},
        {"chkSingle", "1 Sweep", true, true},
        {"chkProject", "Project Name ", true, true},
        {"txtProject", "Project Info", false, true},
        {"cmdCalculate", "Solve  Matrix", true, true},
        {"cmdSweep", "Sweep ", true, false},
        {"cmdSingleStep", "+", true, false},
        {"cmdSTEPBACK", "-", true, false},
        {"lblWorking2", "Label4", false, true},
        {"lblWorking3", "Tracking LO", true, true},
        {"lblWorking4", "Actual LO Frequency", true, true},
        {"lblIfDispLo", "30", true, true},
        {"lblDisIFHI", "50", true, true},
        {"txtRFDisFreq", "FREQUENCY", true, true},
        {"Label35", " Blue = Sum Spurs  ", true, true},
        {"Label36", "  Green = Diff. Spurs ", true, true},
        {"Label20", "Swp Speed", true, true},
    };
    for (const ControlCase& c : cases) {
        QWidget* widget = child<QWidget>(&w, c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(textOf(widget), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(!widget->isHidden(), c.shown) << c.name;
        EXPECT_EQ(widget->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_TRUE(child<QCheckBox>(&w, "chkSingle")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&w, "chkOffset")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&w, "chkSUMONLY")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&w, "chkProject")->isChecked());
    EXPECT_TRUE(child<QListWidget>(&w, "FileMixer")->isHidden());
    EXPECT_TRUE(child<QListWidget>(&w, "FileErase")->isHidden());
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(child<QLabel>(&w, QStringLiteral("lblFreq(%1)").arg(i).toLatin1())->text(), "GHz");
}

TEST_F(Startup, WindowCaptionUnitAndWorkingState) {
    EXPECT_EQ(w.objectName(), "frmKestrel");
    EXPECT_EQ(w.windowTitle(), "Kestrel II Spurious Analysis    Version 3.2");
    EXPECT_EQ(w.freqUnit(), "GHz");
    EXPECT_EQ(w.helpFile(), "KESTRELII.HLP");
    const kestrel::WorkingState& s = w.workingState();
    EXPECT_EQ(s.ConvLoss, 8.f);
    EXPECT_EQ(s.LOIsolation, 25.f);
    EXPECT_EQ(s.NumSteps, 0);
    EXPECT_EQ(s.IFStop, 0.f);
    EXPECT_EQ(w.spurMatrix().SumSpur(101, 11, 11), 0.f);
}

TEST_F(Startup, ListsHoldTheirItemsInOrder) {
    const std::pair<const char*, QStringList> lists[] = {
        {"cboSteps", {"0", "5", "10", "15", "20", "25", "50", "75", "100"}},
        {"cboSweepSpeed", {"5", "10", "15", "25", "35", "50", "100", "250", "500"}},
        {"cboLOHar", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"cboRFHar", {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const auto& [name, items] : lists) {
        auto* box = child<QComboBox>(&w, name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_FALSE(box->isEditable()) << name;
        QStringList got;
        for (int i = 0; i < box->count(); ++i) got << box->itemText(i);
        EXPECT_EQ(got, items) << name;
    }
}

TEST_F(Startup, GridIsPreparedWithGreyCellsAndNoHeaders) {
    auto* grid = child<QTableWidget>(&w, "gridSpurs");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 15);
    ASSERT_EQ(grid->columnCount(), 15);
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid->verticalHeader()->isHidden());
    EXPECT_EQ(grid->item(0, 0)->text(), " NxM");
    EXPECT_EQ(grid->columnWidth(0), 35);
    for (int c = 1; c < 15; ++c) EXPECT_EQ(grid->columnWidth(c), 43) << c;

    const QColor face = QApplication::palette().color(QPalette::Button);
    int grey = 0;
    for (int r = 0; r < 15; ++r) {
        for (int c = 0; c < 15; ++c) {
            if (r == 0 && c == 0) continue;
            QTableWidgetItem* item = grid->item(r, c);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text(), "") << r << "," << c;
            if (r == 0 || c == 0) {
                EXPECT_NE(item->background().color(), face) << "header " << r << "," << c;
                continue;
            }
            const int m = c - 1, n = r - 1;
            const bool expectGrey = (m == 0 && n == 0) || (m == 7 && n >= 5 && n <= 8) ||
                                    (m == 8 && n >= 1 && n <= 8) || (m >= 9 && m <= 10 && n <= 8);
            EXPECT_EQ(item->background().color() == face, expectGrey) << r << "," << c;
            grey += expectGrey;
        }
    }
    EXPECT_EQ(grey, 31);
}

TEST_F(Startup, GeometryFollowsTheTwipsLayout) {
    const std::pair<const char*, QRect> cases[] = {
        {"Frame1", {8, 8, 145, 153}},
        {"Frame4", {216, 16, 481, 289}},
        {"cmdCalculate", {8, 448, 145, 41}},
        {"gridSpurs", {192, 360, 513, 185}},
        {"txtRFStart", {64, 16, 41, 19}},   // inside its frame
        {"cmdSingleStep", {32, 16, 17, 17}}, // inside Frame5
        {"cboRFHar", {72, 280, 41, 23}},
        {"txtProject", {0, 0, 449, 57}},     // inside Logo
    };
    for (const auto& [name, rect] : cases) {
        QWidget* widget = child<QWidget>(&w, name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), rect) << name;
    }
    EXPECT_EQ(child<QWidget>(&w, "txtRFStart")->parentWidget()->objectName(), "Frame2");
    EXPECT_EQ(w.centralWidget()->size(), QSize(730, 640));
}

TEST_F(Startup, WindowIsCentredOnTheScreen) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    const QRect frame = w.frameGeometry();
    EXPECT_LE(std::abs(frame.left() - (screen.width() - frame.width()) / 2), 1);
    EXPECT_LE(std::abs(frame.top() - (screen.height() - frame.height()) / 2), 1);
}

TEST_F(Startup, MenusCarryTheirCaptions) {
    const std::pair<const char*, const char*> items[] = {
        {"mnuFile", "&File"},
        {"mnuSave", "&Save"},
        {"mnuLoad", "&Load"},
        {"mnuDelete", "&Delete"},
        {"mnuPrint", "&Print Scr"},
        {"mnuOptions", "&Options"},
        {"mnuFreqUnits", "&Frequency Units"},
        {"mnuGHz", "&GHz"},
        {"mnuMHz", "&MHz"},
        {"mnuKHz", "&KHz"},
        {"mnuMixer", "&Mixer Parameters"},
        {"mnuAboutKestrel", "&About"},
        {"mnuKstHelp", "&Help"},
    };
    for (const auto& [name, caption] : items) {
        auto* action = child<QAction>(&w, name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption) << name;
    }
    EXPECT_NE(child<QAction>(&w, "mnuFile")->menu(), nullptr);
    EXPECT_EQ(child<QAction>(&w, "mnuPrint")->menu(), nullptr);
}

TEST_F(Startup, UnitsMenuRelabelsOnlyTheSevenUnitLabels) {
    child<QAction>(&w, "mnuMHz")->trigger();
    EXPECT_EQ(w.freqUnit(), "MHz");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(child<QLabel>(&w, QStringLiteral("lblFreq(%1)").arg(i).toLatin1())->text(), "MHz");
    EXPECT_EQ(child<QLineEdit>(&w, "txtLOFreq")->text(), "24");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFStart")->text(), "12.5");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFStop")->text(), "16.5");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "FREQUENCY");

    child<QAction>(&w, "mnuMHz")->trigger();
    EXPECT_EQ(child<QLabel>(&w, "lblFreq(6)")->text(), "MHz");
    child<QAction>(&w, "mnuKHz")->trigger();
    EXPECT_EQ(child<QLabel>(&w, "lblFreq(0)")->text(), "KHz");
    child<QAction>(&w, "mnuGHz")->trigger();
    EXPECT_EQ(child<QLabel>(&w, "lblFreq(3)")->text(), "GHz");
}

TEST(StartupMixer, MixerWindowIsCreatedHiddenAndClosesWithTheMain) {
    frmKestrel w;
    QWidget* mixer = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmMixer") mixer = top;
    ASSERT_NE(mixer, nullptr);
    EXPECT_EQ(mixer, w.mixerWindow());
    EXPECT_FALSE(mixer->isVisible());
    EXPECT_EQ(mixer->windowTitle(), "Mixer Parameters");
    EXPECT_EQ(child<QLineEdit>(mixer, "txtConversionLoss")->text(), "8");
    EXPECT_EQ(child<QLineEdit>(mixer, "txtRFIsolation")->text(), "25");
    EXPECT_EQ(child<QLineEdit>(mixer, "txtLOIsolation")->text(), "25");
    EXPECT_EQ(child<QWidget>(mixer, "txtRFIsolation")->geometry(), QRect(144, 40, 41, 19));

    showAndActivate(&w);
    mixer->show();
    w.close();
    EXPECT_FALSE(mixer->isVisible());
    EXPECT_FALSE(w.isVisible());
}

} // namespace
