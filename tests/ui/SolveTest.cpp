#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "tests/support/ReferenceFill.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;
using kestrel::GridCells;
using kestrel::kFillSize;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kDarkGreen(0, 64, 0);

class Solve : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }

    QTableWidget* grid() { return child<QTableWidget>(&w, "gridSpurs"); }
    QString cell(int r, int c) { return grid()->item(r, c)->text(); }
    QColor ink(int r, int c) { return grid()->item(r, c)->foreground().color(); }
    void set(const char* field, const QString& text) { child<QLineEdit>(&w, field)->setText(text); }
    void choose(const char* list, const QString& item) {
        child<QComboBox>(&w, list)->setCurrentText(item);
    }
    void check(const char* box, bool on) { child<QCheckBox>(&w, box)->setChecked(on); }
    void solve() { QTest::mouseClick(child<QPushButton>(&w, "cmdCalculate"), Qt::LeftButton); }
    bool replayEnabled() {
        return child<QPushButton>(&w, "cmdSweep")->isEnabled() &&
               child<QPushButton>(&w, "cmdSingleStep")->isEnabled() &&
               child<QPushButton>(&w, "cmdSTEPBACK")->isEnabled();
    }

    // The grid's data cells against the step-by-step reference, from the
    // colours the cells had before this solve.
    void expectGridMatchesReference(const std::array<kestrel::Ink, kFillSize * kFillSize>& before,
                                    int mMax, int nMax, bool sumOnly) {
        const kestrel::WorkingState& s = w.workingState();
        const GridCells ref = kestrel::reference::literalFill(
            w.spurMatrix(), {s.NumSteps, mMax, nMax, s.IFStart, s.IFStop, sumOnly}, before);
        for (int m = 0; m < kFillSize; ++m) {
            for (int n = 0; n < kFillSize; ++n) {
                const int i = GridCells::index(m, n);
                EXPECT_EQ(cell(n + 1, m + 1).toStdString(), ref.text[i]) << m << "x" << n;
                if (ref.ink[i]) {
                    const QColor want(ref.ink[i]->r, ref.ink[i]->g, ref.ink[i]->b);
                    EXPECT_EQ(ink(n + 1, m + 1), want) << m << "x" << n;
                }
            }
        }
    }

    std::array<kestrel::Ink, kFillSize * kFillSize> currentInks() {
        std::array<kestrel::Ink, kFillSize * kFillSize> out;
        for (int m = 0; m < kFillSize; ++m)
            for (int n = 0; n < kFillSize; ++n) {
                const QBrush b = grid()->item(n + 1, m + 1)->foreground();
                if (b.style() != Qt::NoBrush)
                    out[GridCells::index(m, n)] =
                        kestrel::Rgb{uint8_t(b.color().red()), uint8_t(b.color().green()),
                                     uint8_t(b.color().blue())};
            }
        return out;
    }

    frmKestrel w;
};

TEST_F(Solve, DefaultDesign) {
    showAndActivate(&w);
    solve();
    EXPECT_EQ(w.workingState().RFStepSize, 0.4f);
    EXPECT_EQ(cell(2, 2), "40.50");
    EXPECT_EQ(ink(2, 2), kNavy);
    EXPECT_EQ(cell(3, 1), "33.00"); // 2xRF alone: 25 .. 33
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "16.5 GHz");
    EXPECT_EQ(child<QLabel>(&w, "lblWorking2")->text(), "16.5 GHz");
    EXPECT_TRUE(child<QLabel>(&w, "lblWorking2")->isHidden());
    EXPECT_TRUE(child<QLabel>(&w, "lblWorking3")->isHidden());
    EXPECT_TRUE(child<QLabel>(&w, "lblWorking4")->isHidden());
    EXPECT_TRUE(replayEnabled());
    for (int m = 0; m <= 8; ++m) EXPECT_EQ(cell(0, m + 1), QStringLiteral("%1xLO").arg(m));
    for (int n = 0; n <= 8; ++n) EXPECT_EQ(cell(n + 1, 0), QStringLiteral("%1xRF").arg(n));
    EXPECT_EQ(cell(0, 10), "");
    EXPECT_EQ(cell(10, 0), "");
    expectGridMatchesReference({}, 8, 8, false);

    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(grid()->item(1, 1)->background().color(), face);
}

TEST_F(Solve, BackgroundsAfterASolve) {
    solve();
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int r = 1; r <= 11; ++r)
        for (int c = 1; c <= 11; ++c) {
            const int m = c - 1, n = r - 1;
            const bool grey = (m == 0 && n == 0) || (m == 7 && n >= 5 && n <= 8) ||
                              (m == 8 && n >= 1 && n <= 8) || (m >= 9 && n <= 8);
            EXPECT_EQ(grid()->item(r, c)->background().color(), grey ? face : QColor(Qt::white))
                << r << "," << c;
        }
}

TEST_F(Solve, EdgeLabelsFollowTheFieldsAsTyped) {
    set("txtIFStart", "31.0");
    set("txtIFStop", "49");
    solve();
    EXPECT_EQ(child<QLabel>(&w, "lblIfDispLo")->text(), "31.0");
    EXPECT_EQ(child<QLabel>(&w, "lblDisIFHI")->text(), "49");
    EXPECT_EQ(w.workingState().IFStart, 31.f);
}

TEST_F(Solve, EdgeLabelsFollowWhenTheUserMovesOntoTheButton) {
    showAndActivate(&w);
    child<QLineEdit>(&w, "txtIFStart")->setFocus(Qt::OtherFocusReason);
    set("txtIFStart", "33");
    child<QPushButton>(&w, "cmdCalculate")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(child<QLabel>(&w, "lblIfDispLo")->text(), "33");
    EXPECT_EQ(w.workingState().IFStart, 0.f) << "the axis waits for a solve";
}

TEST_F(Solve, LockingTheLOSwapsFrequencyForOffset) {
    check("chkOffset", true);
    EXPECT_TRUE(child<QLineEdit>(&w, "txtLOFreq")->isHidden());
    EXPECT_FALSE(child<QLineEdit>(&w, "txtLoOffset")->isHidden());
    EXPECT_FALSE(child<QLabel>(&w, "lblOffsetInst")->isHidden());
    check("chkOffset", false);
    EXPECT_FALSE(child<QLineEdit>(&w, "txtLOFreq")->isHidden());
    EXPECT_TRUE(child<QLineEdit>(&w, "txtLoOffset")->isHidden());
    EXPECT_EQ(child<QLineEdit>(&w, "txtLoOffset")->text(), "38.5");
}

TEST_F(Solve, NewUnitShowsInTheReadout) {
    child<QAction>(&w, "mnuMHz")->trigger();
    solve();
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "16.5 MHz");
}

TEST_F(Solve, ZeroStepsSolvesRFStartOnly) {
    choose("cboSteps", "0");
    solve();
    EXPECT_EQ(w.workingState().NumSteps, 0);
    EXPECT_EQ(w.workingState().RFStepSize, 0.f);
    EXPECT_EQ(cell(2, 2), "36.50");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "12.5 GHz");
    expectGridMatchesReference({}, 8, 8, false);
}

TEST_F(Solve, RFStopBelowStartRunsDownwards) {
    set("txtRFStart", "16.5");
    set("txtRFStop", "12.5");
    solve();
    EXPECT_EQ(cell(2, 2), "36.50");
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "12.5 GHz");
}

TEST_F(Solve, TrackingLO) {
    check("chkOffset", true);
    set("txtLoOffset", "38.5");
    set("txtIFStop", "70");
    solve();
    EXPECT_EQ(w.spurMatrix().TrackLOFreq(0), 51.f);
    EXPECT_EQ(w.spurMatrix().SumSpur(0, 1, 1), 63.5f);
    expectGridMatchesReference({}, 8, 8, false);

    // A trailing unit in the offset is ignored, as the leading number is read.
    set("txtLoOffset", "-1.5 GHz");
    solve();
    EXPECT_EQ(w.spurMatrix().TrackLOFreq(0), 11.f);
}

TEST_F(Solve, SumOnlyShowsNoDifferences) {
    check("chkSUMONLY", true);
    solve();
    EXPECT_EQ(cell(5, 5), ""); // the 4x4 difference, 46 .. 30, is not shown
    for (int r = 1; r < 15; ++r)
        for (int c = 1; c < 15; ++c)
            if (!cell(r, c).isEmpty()) {
                EXPECT_EQ(ink(r, c), kNavy) << r << "," << c;
            }
    expectGridMatchesReference({}, 8, 8, true);
}

TEST_F(Solve, TextColoursSurviveASolveThatLeavesTheCellEmpty) {
    solve();
    ASSERT_EQ(ink(5, 5), kDarkGreen);
    set("txtIFStart", "60");
    set("txtIFStop", "61");
    solve();
    EXPECT_EQ(cell(5, 5), "");
    EXPECT_EQ(ink(5, 5), kDarkGreen);
}

TEST_F(Solve, HeadersShrinkWithTheHarmonicLimits) {
    choose("cboLOHar", "10");
    choose("cboSteps", "100");
    solve();
    for (int m = 0; m <= 10; ++m) EXPECT_EQ(cell(0, m + 1), QStringLiteral("%1xLO").arg(m));
    EXPECT_EQ(cell(0, 12), "");
    expectGridMatchesReference({}, 10, 8, false);

    const float step50 = w.spurMatrix().SumSpur(50, 2, 2);
    const auto before = currentInks();
    choose("cboLOHar", "3");
    choose("cboRFHar", "2");
    choose("cboSteps", "10");
    solve();
    for (int c = 5; c < 15; ++c) EXPECT_EQ(cell(0, c), "") << c;
    for (int r = 4; r < 15; ++r) EXPECT_EQ(cell(r, 0), "") << r;
    EXPECT_EQ(cell(0, 4), "3xLO");
    EXPECT_EQ(cell(3, 0), "2xRF");
    EXPECT_EQ(cell(1, 9), "") << "8xLO column emptied by the solve";
    EXPECT_EQ(w.spurMatrix().SumSpur(50, 2, 2), step50) << "entries beyond the solve stay";
    expectGridMatchesReference(before, 3, 2, false);
}

TEST_F(Solve, VariedDesignsMatchTheReference) {
    struct Design {
        const char *rfStart, *rfStop, *steps, *lo, *ifStart, *ifStop, *mMax, *nMax;
        bool sumOnly;
    };
    const Design designs[] = {
        {"2000", "2400", "75", "2150", "100", "400", "6", "5", false},
        {"1.1", "1.9", "15", "3.3", "0.5", "6", "10", "8", false},
        {"0", "0", "5", "0", "0", "0", "4", "4", false},
        {"100", "50", "20", "70", "0", "300", "7", "7", true},
        {"12.5", "16.5", "25", "24", "40.125", "40.125", "8", "8", false},
        // Products beyond the largest single are infinite and never in band.
        {"3e38", "-3e38", "5", "3e38", "0", "1e38", "10", "8", false},
    };
    for (const Design& d : designs) {
        const auto before = currentInks();
        set("txtRFStart", d.rfStart);
        set("txtRFStop", d.rfStop);
        choose("cboSteps", d.steps);
        set("txtLOFreq", d.lo);
        set("txtIFStart", d.ifStart);
        set("txtIFStop", d.ifStop);
        choose("cboLOHar", d.mMax);
        choose("cboRFHar", d.nMax);
        check("chkSUMONLY", d.sumOnly);
        solve();
        SCOPED_TRACE(d.rfStart);
        expectGridMatchesReference(before, QString(d.mMax).toInt(), QString(d.nMax).toInt(),
                                   d.sumOnly);
    }
}

class RefusedSolve : public Solve, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(RefusedSolve, ChangesNothingAndFocusesTheField) {
    const auto [field, bad] = GetParam();
    showAndActivate(&w);
    if (QString(field) == "txtLoOffset") check("chkOffset", true); // read only when tracking
    set(field, bad);
    BoxAnswerer answerer;
    solve();
    ASSERT_EQ(answerer.seen().size(), 1u);
    const BoxSeen& box = answerer.seen().front();
    EXPECT_EQ(box.title, "Numeric Check");
    EXPECT_EQ(box.text, "Please Use Numeric Values Only");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);

    EXPECT_EQ(w.focusWidget(), child<QWidget>(&w, field));
    EXPECT_EQ(child<QLineEdit>(&w, field)->text(), bad);
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(w.workingState().NumSteps, 0);
    EXPECT_EQ(w.spurMatrix().RFFreq(0), 0.f);
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "FREQUENCY");
    EXPECT_FALSE(child<QLabel>(&w, "lblWorking4")->isHidden());
    EXPECT_FALSE(replayEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedSolve,
    ::testing::Values(std::pair{"txtRFStart", "abc"}, std::pair{"txtRFStop", ""},
                      std::pair{"txtRFStop", "1e39"}, std::pair{"txtLOFreq", "24 GHz"},
                      std::pair{"txtIFStart", "."}, std::pair{"txtIFStop", "1e39"},
                      std::pair{"txtLoOffset", "1e39"}));

TEST_F(Solve, HiddenLOFrequencyIsReachedThroughTheModeBox) {
    showAndActivate(&w);
    set("txtLOFreq", "x");
    check("chkOffset", true);
    BoxAnswerer answerer;
    solve();
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(w.focusWidget(), child<QWidget>(&w, "chkOffset"));
    EXPECT_FALSE(replayEnabled());
}

TEST_F(Solve, RefusedSolveKeepsAnEarlierGrid) {
    solve();
    set("txtIFStop", "fifty");
    BoxAnswerer answerer;
    solve();
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(cell(2, 2), "40.50");
    EXPECT_FALSE(replayEnabled()) << "the edit made the earlier matrix stale";
    EXPECT_EQ(w.workingState().IFStop, 50.f);
}

TEST_F(Solve, NonNumericOffsetIsReadAsZeroWithoutFixedLO) {
    // Without a tracking LO the offset field is not read at all.
    set("txtLoOffset", "1e39");
    BoxAnswerer answerer;
    solve();
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(cell(2, 2), "40.50");
}

} // namespace
