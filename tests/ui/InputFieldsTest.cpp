#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;

namespace {

const QString kNumeric = "Please Use Numeric Values Only";
const QString kPositive = "Positive Values Please";
const QString kNegativeLO = "Negative LO Offsets should NOT be larger than Lowest RF Frequency";

class InputFields : public ::testing::Test {
public: // the case tables below drive the fixture through lambdas
    void SetUp() override { showAndActivate(&w); }
    void TearDown() override { closeAllTopLevels(); }

    QLineEdit* field(const char* name) { return child<QLineEdit>(&w, name); }
    QWidget* widget(const char* name) { return child<QWidget>(&w, name); }
    QPushButton* button(const char* name) { return child<QPushButton>(&w, name); }
    void set(const char* name, const QString& text) { field(name)->setText(text); }

    // Puts the focus into the control as the user would, by clicking it
    // (which runs the leave handling of the control that had it).
    void enter(QWidget* control) {
        control->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(control->hasFocus());
    }
    void typeInto(const char* name, const QString& text) {
        enter(field(name));
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Backspace);
        QTest::keyClicks(field(name), text);
    }
    // Leaves the focused control with Tab; offscreen, a box leaves no
    // window active, so the window is activated again as it would be.
    void tabAway() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        showAndActivate(&w);
    }
    void clickSolve() {
        QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton);
        showAndActivate(&w);
    }
    bool replayEnabled() {
        return button("cmdSweep")->isEnabled() && button("cmdSingleStep")->isEnabled() &&
               button("cmdSTEPBACK")->isEnabled();
    }
    bool replayDisabled() {
        return !button("cmdSweep")->isEnabled() && !button("cmdSingleStep")->isEnabled() &&
               !button("cmdSTEPBACK")->isEnabled();
    }
    void solveAndExpectArmed() {
        button("cmdCalculate")->click();
        ASSERT_TRUE(replayEnabled());
    }
    // Opening the drop-down moves the focus into its popup: that is not
    // leaving the list, while it is open or after.
    void openAndCloseSteps() {
        auto* steps = child<QComboBox>(&w, "cboSteps");
        QTest::mouseClick(steps, Qt::LeftButton);
        ASSERT_TRUE(steps->view()->isVisible());
        EXPECT_TRUE(replayEnabled()) << "while the list is open";
        QTest::keyClick(steps->view(), Qt::Key_Escape);
        ASSERT_FALSE(steps->view()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), steps);
    }
    QString cell(int r, int c) { return child<QTableWidget>(&w, "gridSpurs")->item(r, c)->text(); }

    frmKestrel w;
};

// --- Leave-field checks --------------------------------------------------------

struct CheckCase {
    const char* text;
    const QString* message; // nullptr: no box
    bool focusBack;
};

TEST_F(InputFields, NumericAndSignChecksOnLeaving) {
    const CheckCase cases[] = {
        {"-3", &kPositive, false},  {"abc", &kNumeric, true}, {"0", nullptr, false},
        {"", &kNumeric, true},      {" 12 ", nullptr, false}, {"1e999", &kNumeric, true},
        {"12.5 GHz", &kNumeric, true},
    };
    const char* fields[] = {"txtLOFreq",  "txtRFStart", "txtRFStop", "txtIFStart",
                            "txtIFStop", "txtMarker1", "txtMarker2"};
    for (const char* name : fields) {
        for (const CheckCase& c : cases) {
            SCOPED_TRACE(std::string(name) + " '" + c.text + "'");
            typeInto(name, c.text);
            BoxAnswerer answerer;
            tabAway();
            if (c.message) {
                ASSERT_EQ(answerer.seen().size(), 1u);
                const BoxSeen& box = answerer.seen().front();
                EXPECT_EQ(box.text, *c.message);
                EXPECT_EQ(box.title, "Numeric Check");
                EXPECT_EQ(box.icon, QMessageBox::Critical);
                EXPECT_EQ(box.buttons, QMessageBox::Ok);
            } else {
                EXPECT_TRUE(answerer.seen().empty());
            }
            EXPECT_EQ(field(name)->text(), c.text) << "a check never changes the text";
            EXPECT_EQ(QApplication::focusWidget() == field(name), c.focusBack);
            set(name, "1"); // so that moving on raises no box
        }
    }
}

TEST_F(InputFields, LoOffsetMayBeNegativeButNotBelowTheLowestRF) {
    child<QCheckBox>(&w, "chkOffset")->setChecked(true);
    struct Case {
        const char *rfStart, *offset;
        const QString* message;
        const char* title;
    };
    const Case cases[] = {
        {"12.5", "-20", &kNegativeLO, "LO Offset results in NEGATIVE LO Numbers"},
        {"12.5", "-12.5", nullptr, ""},
        {"12.5", "-12.6", &kNegativeLO, "LO Offset results in NEGATIVE LO Numbers"},
        {"12.5 GHz", "-13", &kNegativeLO, "LO Offset results in NEGATIVE LO Numbers"},
        {"abc", "-0.5", &kNegativeLO, "LO Offset results in NEGATIVE LO Numbers"},
        {"12.5", "xyz", &kNumeric, "Numeric Check"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rfStart) + " + '" + c.offset + "'");
        set("txtRFStart", c.rfStart);
        typeInto("txtLoOffset", c.offset);
        BoxAnswerer answerer;
        tabAway();
        if (c.message) {
            ASSERT_EQ(answerer.seen().size(), 1u) << "a numeric failure shows only its own box";
            EXPECT_EQ(answerer.seen().front().text, *c.message);
            EXPECT_EQ(answerer.seen().front().title, c.title);
            EXPECT_EQ(answerer.seen().front().icon, QMessageBox::Critical);
        } else {
            EXPECT_TRUE(answerer.seen().empty());
        }
        EXPECT_EQ(field("txtLoOffset")->text(), c.offset);
        EXPECT_EQ(QApplication::focusWidget() == field("txtLoOffset"), c.message == &kNumeric);
        set("txtLoOffset", "1");
    }
}

TEST_F(InputFields, LeavingMarker2SeedsIFStopOnlyBeforeTheFirstSolve) {
    set("txtIFStop", "45.5 GHz"); // read as its leading number
    typeInto("txtMarker2", "abc");
    {
        BoxAnswerer answerer;
        tabAway();
    }
    EXPECT_EQ(w.workingState().IFStop, 0.f) << "no seeding from a marker that is no number";

    typeInto("txtMarker2", "-1");
    {
        BoxAnswerer answerer;
        tabAway();
        EXPECT_EQ(answerer.seen().size(), 1u);
    }
    EXPECT_EQ(w.workingState().IFStop, 45.5f) << "a negative marker is still a number";
    EXPECT_EQ(w.workingState().IFStart, 0.f);

    set("txtIFStop", "60");
    typeInto("txtMarker2", "42");
    tabAway();
    EXPECT_EQ(w.workingState().IFStop, 45.5f) << "seeded once";

    typeInto("txtMarker1", "41");
    tabAway();
    EXPECT_EQ(w.workingState().IFStop, 45.5f) << "marker 1 never seeds";
}

// --- Invalidation ----------------------------------------------------------------

TEST_F(InputFields, ChangesThatTheSolveReadsDisableTheReplayButtons) {
    struct Case {
        const char* what;
        std::function<void(InputFields&)> act;
        bool invalidates;
    };
    auto setText = [](const char* name, const char* text) {
        return [=](InputFields& t) { t.set(name, text); };
    };
    auto choose = [](const char* name, const char* item) {
        return [=](InputFields& t) { child<QComboBox>(&t.w, name)->setCurrentText(item); };
    };
    auto leave = [](const char* name) {
        return [=](InputFields& t) {
            t.enter(t.widget(name));
            t.tabAway();
        };
    };
    const Case cases[] = {
        {"LO set", setText("txtLOFreq", "25"), true},
        {"offset set", setText("txtLoOffset", "1"), true},
        {"RF start set", setText("txtRFStart", "12"), true},
        {"RF stop set", setText("txtRFStop", "17"), true},
        {"IF start set", setText("txtIFStart", "31"), true},
        {"IF stop set", setText("txtIFStop", "51"), true},
        {"RF stop typed", [](InputFields& t) { t.typeInto("txtRFStop", "1"); }, true},
        {"LO harmonics", choose("cboLOHar", "5"), true},
        {"RF harmonics", choose("cboRFHar", "3"), true},
        {"LO harmonics by key", [](InputFields& t) {
             t.enter(t.widget("cboLOHar"));
             QTest::keyClick(t.widget("cboLOHar"), Qt::Key_Up);
         }, true},
        {"steps left unchanged", leave("cboSteps"), true},
        {"steps list opened, closed and left", [=](InputFields& t) { t.openAndCloseSteps(); leave("cboSteps")(t); }, true},
        {"mode box left", leave("chkOffset"), true},
        {"RF quick-fill", [](InputFields& t) { QTest::mouseDClick(t.field("txtRFStart"), Qt::LeftButton); }, true},

        {"same LO harmonic again", choose("cboLOHar", "8"), false},
        {"steps chosen, not left", choose("cboSteps", "5"), false},
        {"steps list opened and closed", [](InputFields& t) { t.openAndCloseSteps(); }, false},
        {"mode box set", [](InputFields& t) { child<QCheckBox>(&t.w, "chkOffset")->setChecked(true); }, false},
        {"marker 1 typed and left", [](InputFields& t) { t.typeInto("txtMarker1", "38"); t.tabAway(); }, false},
        {"marker 2 set", setText("txtMarker2", "41"), false},
        {"marker quick-fill", [](InputFields& t) { QTest::mouseDClick(t.field("txtMarker2"), Qt::LeftButton); }, false},
        {"LO power typed and left", [](InputFields& t) { t.typeInto("txtLOPower", "9"); t.tabAway(); }, false},
        {"RF power set", setText("txtRFPower", "-7"), false},
        {"sum only", [](InputFields& t) { QTest::mouseClick(t.widget("chkSUMONLY"), Qt::LeftButton); t.tabAway(); }, false},
        {"sweep speed", [=](InputFields& t) { choose("cboSweepSpeed", "500")(t); leave("cboSweepSpeed")(t); }, false},
        {"LO field left", leave("txtLOFreq"), false},
        {"unchanged text set again", setText("txtRFStart", "12.5"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        solveAndExpectArmed();
        BoxAnswerer answerer; // none expected; a stray one must not block
        c.act(*this);
        EXPECT_TRUE(answerer.seen().empty());
        EXPECT_EQ(replayDisabled(), c.invalidates);
        EXPECT_EQ(replayEnabled(), !c.invalidates);
        EXPECT_EQ(cell(2, 2).isEmpty(), false) << "the grid stays until the next solve";
        // Back to the initial design for the next case.
        button("cmdCalculate")->setFocus(Qt::OtherFocusReason);
        for (auto [name, text] : {std::pair{"txtLOFreq", "24"}, {"txtRFStart", "12.5"}, {"txtRFStop", "16.5"},
                                  {"txtMarker1", "37"}, {"txtMarker2", "40"}, {"txtIFStop", "50"}})
            set(name, text);
        child<QCheckBox>(&w, "chkOffset")->setChecked(false);
        for (const char* list : {"cboLOHar", "cboRFHar"}) child<QComboBox>(&w, list)->setCurrentText("8");
    }
}

// --- LO mode switch ----------------------------------------------------------------

TEST_F(InputFields, ClickingTheModeBoxSwapsFrequencyForOffset) {
    auto* box = child<QCheckBox>(&w, "chkOffset");
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(field("txtLOFreq")->isHidden());
    EXPECT_TRUE(field("txtLoOffset")->isVisible());
    EXPECT_TRUE(child<QLabel>(&w, "lblOffsetInst")->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(field("txtLOFreq")->isVisible());
    EXPECT_TRUE(field("txtLoOffset")->isHidden());
    EXPECT_TRUE(child<QLabel>(&w, "lblOffsetInst")->isHidden());
    EXPECT_EQ(field("txtLOFreq")->text(), "24");
    EXPECT_EQ(field("txtLoOffset")->text(), "38.5");
}

// --- Quick-fills -------------------------------------------------------------------

TEST_F(InputFields, DoubleClicksFillTheOtherPair) {
    struct Case {
        const char* clicked;
        const char *marker1, *marker2;
        std::vector<std::pair<const char*, const char*>> after;
    };
    const Case cases[] = {
        {"txtRFStart", "37", "40", {{"txtRFStart", "61"}, {"txtRFStop", "64"}}},
        {"txtRFStop", "37", "40", {{"txtRFStart", "13"}, {"txtRFStop", "16"}}},
        {"txtMarker1", "37", "40", {{"txtMarker1", "36.5"}, {"txtMarker2", "40.5"}}},
        {"txtMarker2", "37", "40", {{"txtMarker1", "11.5"}, {"txtMarker2", "7.5"}}},
        {"txtIFStart", "37", "40", {{"txtIFStart", "35"}, {"txtIFStop", "50"}}},
        {"txtIFStop", "37", "40", {{"txtIFStart", "30"}, {"txtIFStop", "41"}}},
        // IF edges from markers that are not numbers: nothing happens.
        {"txtIFStart", "37", "forty", {{"txtIFStart", "30"}}},
        {"txtIFStop", "", "40", {{"txtIFStop", "50"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.clicked) + " with markers " + c.marker1 + ", " + c.marker2);
        set("txtRFStart", "12.5");
        set("txtRFStop", "16.5");
        set("txtIFStart", "30");
        set("txtIFStop", "50");
        set("txtMarker1", c.marker1);
        set("txtMarker2", c.marker2);
        BoxAnswerer answerer;
        QTest::mouseDClick(field(c.clicked), Qt::LeftButton);
        EXPECT_TRUE(answerer.seen().empty());
        for (const auto& [name, text] : c.after) EXPECT_EQ(field(name)->text(), text) << name;
    }
}

TEST_F(InputFields, QuickFillsReadTheFixedLOAlsoWhileTracking) {
    child<QCheckBox>(&w, "chkOffset")->setChecked(true);
    set("txtLoOffset", "100");
    QTest::mouseDClick(field("txtMarker1"), Qt::LeftButton);
    EXPECT_EQ(field("txtMarker1")->text(), "36.5");
}

// --- Focus -------------------------------------------------------------------------

TEST_F(InputFields, BoxFromALeaveCheckRunsNoOtherFieldsCheck) {
    set("txtRFStop", "xyz"); // the field Tab moves to, and the focus passes through
    typeInto("txtRFStart", "abc");
    BoxAnswerer answerer;
    tabAway();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), field("txtRFStart"));
    EXPECT_TRUE(field("txtRFStart")->hasFocus());
    // Typing goes where the focus is.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), "9");
    EXPECT_EQ(field("txtRFStart")->text(), "abc9");
}

TEST_F(InputFields, FocusGoesBackQuietlyAlsoWhenTheWindowIsActiveAtOnce) {
    // Some window systems give the activation back before the box's exec()
    // returns; putting the focus back then moves it synchronously.
    int boxes = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++boxes;
        box->button(QMessageBox::Ok)->click();
        QApplication::setActiveWindow(&w);
    });
    answer.start(5);
    set("txtRFStop", "xyz");
    typeInto("txtRFStart", "abc");
    QTest::keyClick(field("txtRFStart"), Qt::Key_Tab);
    showAndActivate(&w);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(QApplication::focusWidget(), field("txtRFStart"));
}

TEST_F(InputFields, TabbingThroughUntouchedFieldsShowsNoBox) {
    enter(field("txtLOFreq"));
    BoxAnswerer answerer;
    QSet<QWidget*> visited;
    for (int i = 0; i < 40; ++i) {
        visited.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_TRUE(visited.contains(field("txtMarker2")));
    EXPECT_TRUE(visited.contains(field("txtIFStop")));
    EXPECT_EQ(w.workingState().IFStop, 50.f) << "marker 2 was left before any solve";
}

TEST_F(InputFields, ClickOnSolveThatLeavesABadFieldShowsOnlyTheChecksBox) {
    for (const char* bad : {"abc", "-3"}) {
        SCOPED_TRACE(bad);
        typeInto("txtRFStart", bad);
        BoxAnswerer answerer;
        clickSolve();
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen().front().text, QString(bad) == "abc" ? kNumeric : kPositive);
        EXPECT_EQ(cell(0, 1), "") << "the click did not solve";
        EXPECT_FALSE(replayEnabled());
        EXPECT_FALSE(button("cmdCalculate")->isDown());
        if (QString(bad) == "abc") {
            EXPECT_EQ(QApplication::focusWidget(), field("txtRFStart"));
        }
    }
    // The next click on the button is a click again.
    set("txtRFStart", "12.5");
    BoxAnswerer answerer;
    clickSolve();
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(cell(2, 2), "40.50");
    EXPECT_TRUE(replayEnabled());
}

TEST_F(InputFields, ClickOnAnotherBadFieldChecksOnlyTheFieldLeft) {
    set("txtIFStart", "bad too");
    typeInto("txtRFStart", "abc");
    BoxAnswerer answerer;
    QTest::mouseClick(field("txtIFStart"), Qt::LeftButton);
    showAndActivate(&w);
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), field("txtRFStart"));
}

} // namespace
