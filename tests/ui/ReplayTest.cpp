#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "display/DisplayMapping.h"
#include "engine/NumberText.h"
#include "ui/SpurTools.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;
using kestrel::display::kReplayOrder;
using kestrel::display::spurLineName;

namespace {

const QColor kNavy(0, 0, 128), kDarkGreen(0, 64, 0), kGreen(0, 128, 0);

// Where the replays leave the analyzer: every line's x and the read-outs.
struct Screen {
    std::vector<double> x;
    QString diff, sum, rf;
    bool operator==(const Screen&) const = default;
};

class Replay : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }

    template <class T = QWidget> T* get(const char* name) { return child<T>(&w, name); }
    QObject* line(const QString& name) { return get<QWidget>("Frame4")->findChild<QObject*>(name); }
    double x(const QString& name) { return line(name)->property("x1").toDouble(); }
    QString text(const char* label) { return get<QLabel>(label)->text(); }
    QString cell(int r, int c) { return get<QTableWidget>("gridSpurs")->item(r, c)->text(); }
    QColor ink(int r, int c) {
        return get<QTableWidget>("gridSpurs")->item(r, c)->foreground().color();
    }
    QString pointer() { return text("lblStepPointer"); }

    void solve() { QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton); }
    void press(const char* button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void plus() { press("cmdSingleStep"); }
    void minus() { press("cmdSTEPBACK"); }
    void sweep(const char* speed = "500") {
        get<QComboBox>("cboSweepSpeed")->setCurrentText(speed);
        press("cmdSweep");
    }

    Screen screen() {
        Screen s;
        for (const auto& id : kReplayOrder) s.x.push_back(x(spurLineName(id)));
        s.x.push_back(x("Mrkr1"));
        s.x.push_back(x("Mrkr2"));
        s.diff = text("lblIfDisFreq");
        s.sum = text("lblIFSUM");
        s.rf = text("lblRFANA");
        return s;
    }
    // The RF read-out of step k, as the replays write it.
    QString rfOf(int k) {
        return QString::fromStdString(kestrel::shortText(w.spurMatrix().RFFreq(k))) + " GHz";
    }

    frmKestrel w;
};

TEST_F(Replay, SweepEndsWhereASingleStepOfTheLastStepWouldBe) {
    solve();
    get<QLabel>("lblStepPointer")->setText("7");
    sweep();
    const Screen swept = screen();
    EXPECT_EQ(pointer(), "0");
    EXPECT_TRUE(get<QPushButton>("cmdSweep")->isEnabled());
    EXPECT_EQ(line("Spur6x5")->property("color").value<QColor>(), kDarkGreen);
    EXPECT_EQ(swept.rf, "16.5 GHz");
    EXPECT_EQ(swept.sum, "40.50");
    EXPECT_EQ(swept.diff, "7.50");
    // 40.5 on the span 30..50 of 7215 twips.
    EXPECT_FLOAT_EQ(x("Spurs1x1"), 3787.875);
    EXPECT_FLOAT_EQ(x("Mrkr1"), 2525.25);
    for (const auto& id : kReplayOrder)
        EXPECT_TRUE(line(spurLineName(id))->property("visible").toBool());
    EXPECT_TRUE(get<QLabel>("lblWorking3")->isHidden());
    EXPECT_TRUE(get<QLabel>("lblWorking4")->isHidden());
    EXPECT_EQ(get<QWidget>("Frame4")->cursor().shape(), Qt::CrossCursor);

    get<QLabel>("lblStepPointer")->setText("10");
    plus();
    EXPECT_EQ(screen(), swept);
    EXPECT_EQ(line("Spur6x5")->property("color").value<QColor>(), kGreen);
}

TEST_F(Replay, TenSweepsReadTheMarkersOnceAndLeaveOneSweepChecked) {
    solve();
    auto* single = get<QCheckBox>("chkSingle");
    single->setChecked(false);
    EXPECT_EQ(single->text(), "10 Swps");
    // A marker edited during the run takes effect at the next press.
    QTimer::singleShot(300, [this] { get<QLineEdit>("txtMarker1")->setText("45"); });
    QElapsedTimer clock;
    clock.start();
    sweep();
    EXPECT_GE(clock.elapsed(), 1000); // ten sweeps of about 0.12 s
    EXPECT_TRUE(single->isChecked());
    EXPECT_EQ(single->text(), "1 Sweep");
    EXPECT_FLOAT_EQ(x("Mrkr1"), 2525.25);
    clock.restart();
    sweep();
    EXPECT_LT(clock.elapsed(), 1000); // one sweep
    EXPECT_FLOAT_EQ(x("Mrkr1"), 5411.25);
}

TEST_F(Replay, SweepOfZeroStepsShowsStepZero) {
    get<QComboBox>("cboSteps")->setCurrentText("0");
    solve();
    sweep();
    EXPECT_EQ(text("lblRFANA"), "12.5 GHz");
    EXPECT_EQ(text("lblIFSUM"), "36.50");
    EXPECT_EQ(pointer(), "0");
}

TEST_F(Replay, NoUserInputDuringASweep) {
    showAndActivate(&w);
    solve();
    QTimer::singleShot(50, [this] {
        QTest::mouseClick(get<QCheckBox>("chkSUMONLY"), Qt::LeftButton);
        QTest::keyClick(get<QLineEdit>("txtMarker1"), Qt::Key_5);
    });
    sweep("100"); // half a second
    EXPECT_FALSE(get<QCheckBox>("chkSUMONLY")->isChecked());
    EXPECT_EQ(get<QLineEdit>("txtMarker1")->text(), "37");
}

TEST_F(Replay, CloseDuringASweepEndsItThenCloses) {
    showAndActivate(&w);
    solve();
    get<QCheckBox>("chkSingle")->setChecked(false); // ten slow sweeps: over a minute and a half
    QTimer::singleShot(300, [this] { w.close(); });
    QElapsedTimer clock;
    clock.start();
    sweep("5");
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(pointer(), "0");
    EXPECT_TRUE(get<QPushButton>("cmdSweep")->isEnabled());
    EXPECT_EQ(text("lblRFANA"), "12.5 GHz"); // the step on screen when the request came
}

// Clicks from a fresh solve: the steps shown and the pointer left.
TEST_F(Replay, StepPointerSequences) {
    struct Case {
        const char* steps; // the cboSteps choice
        const char* clicks;
        std::vector<int> shown;
        const char* pointerAfter;
    };
    const Case cases[] = {
        {"10", "++++++++++++", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}, "1"},
        {"10", "-", {9}, "10"},
        {"10", "++++++-+", {0, 1, 2, 3, 4, 5, 4, 5}, "6"},
        {"10", "+-", {0, 9}, "10"},
        {"0", "+-+--", {0, 0, 0, 0, 0}, "1"},
    };
    for (const Case& c : cases) {
        get<QLabel>("lblStepPointer")->setText("0");
        get<QComboBox>("cboSteps")->setCurrentText(c.steps);
        solve();
        std::vector<int> shown;
        for (const char* p = c.clicks; *p; ++p) {
            *p == '+' ? plus() : minus();
            const QString rf = text("lblRFANA");
            int k = 0;
            while (k <= 10 && rfOf(k) != rf) ++k;
            shown.push_back(k);
            EXPECT_EQ(get<QLineEdit>("txtRFDisFreq")->text(), rf);
        }
        EXPECT_EQ(shown, c.shown) << c.clicks;
        EXPECT_EQ(pointer(), c.pointerAfter) << c.clicks;
    }
}

TEST_F(Replay, PlusAfterASweepShowsStepZero) {
    solve();
    plus();
    plus();
    sweep();
    plus();
    EXPECT_EQ(text("lblRFANA"), "12.5 GHz");
    EXPECT_EQ(pointer(), "1");
}

TEST_F(Replay, PointerLeftByALargerSolveShowsStepZero) {
    get<QComboBox>("cboSteps")->setCurrentText("100");
    solve();
    get<QLabel>("lblStepPointer")->setText("60");
    get<QComboBox>("cboSteps")->setCurrentText("10");
    solve();
    plus();
    EXPECT_EQ(text("lblRFANA"), "12.5 GHz");
    EXPECT_EQ(pointer(), "1");
}

TEST_F(Replay, StepFillsTheGridForThatStepOnly) {
    solve();
    EXPECT_EQ(cell(3, 1), "33.00"); // 2 RF, in band from step 7 on
    plus();                         // step 0
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(cell(2, 2), "36.50");
    EXPECT_EQ(ink(2, 2), kNavy);
    EXPECT_EQ(cell(5, 1), "50.00"); // 4 RF and |0 - 4 RF| both 50: navy
    EXPECT_EQ(ink(5, 1), kNavy);
    EXPECT_EQ(cell(0, 2), "1xLO");  // headers stay
    auto* lbl2 = get<QLabel>("lblWorking2");
    EXPECT_FALSE(lbl2->isHidden());
    EXPECT_EQ(lbl2->text(), "12.5 GHz");
    EXPECT_EQ(get<QLineEdit>("txtRFDisFreq")->text(), "12.5 GHz");

    get<QCheckBox>("chkSUMONLY")->setChecked(true);
    plus(); // step 1
    bool any = false;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (!cell(r, c).isEmpty()) {
                any = true;
                EXPECT_EQ(ink(r, c), kNavy) << r << "," << c;
            }
    EXPECT_TRUE(any);
}

TEST_F(Replay, DifferenceSpursOfAStepInDarkGreen) {
    get<QLineEdit>("txtIFStart")->setText("5");
    get<QLineEdit>("txtIFStop")->setText("12");
    solve();
    plus(); // step 0: |24 - 12.5| = 11.5
    EXPECT_EQ(cell(2, 2), "11.50");
    EXPECT_EQ(ink(2, 2), kDarkGreen);
}

TEST_F(Replay, TrackingLOShownOnlyWhileTheLOTracks) {
    get<QCheckBox>("chkOffset")->setChecked(true);
    solve();
    plus();
    auto* lo = get<QLabel>("lblWorking3");
    EXPECT_FALSE(lo->isHidden());
    EXPECT_FALSE(get<QLabel>("lblWorking4")->isHidden());
    EXPECT_EQ(lo->text(), "51 GHz"); // 12.5 + 38.5
    EXPECT_EQ(text("lblIFSUM"), "63.50");

    sweep();
    EXPECT_TRUE(lo->isHidden());
    EXPECT_TRUE(get<QLabel>("lblWorking4")->isHidden());

    get<QCheckBox>("chkOffset")->setChecked(false);
    solve();
    plus();
    EXPECT_TRUE(lo->isHidden());
    EXPECT_TRUE(get<QLabel>("lblWorking4")->isHidden());
}

TEST_F(Replay, EmptySpanRefusesEveryReplay) {
    showAndActivate(&w);
    get<QLineEdit>("txtIFStart")->setText("40");
    get<QLineEdit>("txtIFStop")->setText("40");
    solve();
    get<QLabel>("lblStepPointer")->setText("3");
    BoxAnswerer answerer;
    for (const char* button : {"cmdSweep", "cmdSingleStep", "cmdSTEPBACK"}) press(button);
    ASSERT_EQ(answerer.seen().size(), 3u);
    for (const BoxSeen& box : answerer.seen()) {
        EXPECT_EQ(box.title, "Spectrum Analyzer");
        EXPECT_EQ(box.text, "IF Start and IF Stop must differ: change them and Solve Matrix again");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
    }
    EXPECT_EQ(pointer(), "3");
    EXPECT_TRUE(get<QPushButton>("cmdSweep")->isEnabled());
    EXPECT_FALSE(line("Mrkr1")->property("visible").toBool());
    EXPECT_FALSE(line("Spurs1x1")->property("visible").toBool());
}

TEST_F(Replay, MarkerThatIsNoNumberRefuses) {
    showAndActivate(&w);
    solve();
    for (const char* marker : {"txtMarker1", "txtMarker2"}) {
        for (const char* button : {"cmdSweep", "cmdSingleStep"}) {
            get<QLineEdit>("txtMarker1")->setText("37");
            get<QLineEdit>("txtMarker2")->setText("40");
            get<QLineEdit>(marker)->setText(QStringLiteral("4o"));
            BoxAnswerer answerer;
            press(button);
            ASSERT_EQ(answerer.seen().size(), 1u);
            EXPECT_EQ(answerer.seen()[0].title, "Numeric Check");
            EXPECT_EQ(answerer.seen()[0].text, "Please Use Numeric Values Only");
            showAndActivate(&w);
            EXPECT_EQ(QApplication::focusWidget(), get<QWidget>(marker)) << marker << button;
            EXPECT_FALSE(line("Spurs1x1")->property("visible").toBool());
            EXPECT_EQ(pointer(), "0");
        }
    }
    get<QLineEdit>("txtMarker2")->setText("1e39"); // beyond a single
    BoxAnswerer answerer;
    plus();
    EXPECT_EQ(answerer.seen().size(), 1u);
}

// Entries beyond the last solve's orders are left over from an earlier
// solve: no replay shows them, and the hover does not name them.
TEST_F(Replay, LinesBeyondTheSolvedOrdersAreHidden) {
    solve(); // orders 8 and 8
    get<QComboBox>("cboLOHar")->setCurrentText("3");
    get<QComboBox>("cboRFHar")->setCurrentText("4");
    solve();
    const QString stale = spurLineName({6, 5, false});
    for (const char* button : {"cmdSingleStep", "cmdSTEPBACK"}) {
        press(button);
        for (const auto& id : kReplayOrder)
            EXPECT_EQ(line(spurLineName(id))->property("visible").toBool(), id.m <= 3 && id.n <= 4)
                << spurLineName(id).toStdString();
    }
    sweep();
    EXPECT_FALSE(line(stale)->property("visible").toBool());
    EXPECT_TRUE(line(spurLineName({3, 4, true}))->property("visible").toBool());
    const double x = line(stale)->property("x1").toDouble();
    EXPECT_FALSE(w.spurTools().hoverText(x).contains("6 LO - 5 RF"));
}

} // namespace
