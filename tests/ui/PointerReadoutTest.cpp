#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;

namespace {

class Pointer : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }

    QWidget* panel() { return child<QWidget>(&w, "Frame4"); }
    QString readout() { return child<QLabel>(&w, "lblRFANA")->text(); }
    void moveTo(QWidget* over, int px) {
        QMouseEvent move(QEvent::MouseMove, QPointF(px, 100), over->mapToGlobal(QPointF(px, 100)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(over, &move);
    }
    void act(char what, int px) {
        if (what == 'c') QTest::mouseClick(panel(), Qt::LeftButton, {}, QPoint(px, 100));
        else moveTo(panel(), px);
    }

    frmKestrel w;
};

// Pixel x over the panel; 15 twips a pixel, 481 pixels the whole span.
TEST_F(Pointer, ReadoutSequences) {
    struct Step {
        char what; // 'm' move, 'c' click
        int px;
        const char* readout;
        const char* mode;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"edges", {{'m', 0, "30.00GHz", "1"}, {'m', 481, "50.00GHz", "1"}, {'m', 240, "39.98GHz", "1"}}},
        {"relative after a click",
         {{'m', 240, "39.98GHz", "1"}, {'c', 240, "39.98GHz", "0"}, {'m', 240, "0.00<F>", "0"},
          {'m', 481, "10.02<F>", "0"}, {'m', 0, "-9.98<F>", "0"}}},
        {"two clicks back to absolute",
         {{'m', 120, "34.99GHz", "1"}, {'c', 120, "34.99GHz", "0"}, {'c', 120, "34.99GHz", "1"},
          {'m', 360, "44.97GHz", "1"}, {'c', 360, "44.97GHz", "0"}, {'m', 120, "-9.98<F>", "0"},
          {'c', 120, "-9.98<F>", "1"}}},
    };
    for (const Case& c : cases) {
        child<QLabel>(&w, "lblMOUSEPOINTER")->setText("1");
        for (const Step& s : c.steps) {
            act(s.what, s.px);
            EXPECT_EQ(readout(), s.readout) << c.name << " " << s.what << s.px;
            EXPECT_EQ(child<QLabel>(&w, "lblMOUSEPOINTER")->text(), s.mode) << c.name;
        }
    }
}

TEST_F(Pointer, ClickedPointReadsZeroWithoutASignAtEveryPixel) {
    for (int px = 0; px < 481; ++px) { // 481: the right border, no click
        act('m', px);
        act('c', px); // relative, the reference is a single
        act('m', px + 1);
        act('m', px);
        ASSERT_EQ(readout(), "0.00<F>") << px;
        act('c', px);
    }
}

TEST_F(Pointer, RealPointerOverTheWindow) {
    showAndActivate(&w);
    QTest::mouseMove(panel(), QPoint(240, 150));
    QApplication::processEvents();
    EXPECT_EQ(readout(), "39.98GHz");
}

TEST_F(Pointer, FollowsTheFieldsAndTheUnitWithoutASolve) {
    child<QLineEdit>(&w, "txtIFStart")->setText("100");
    child<QLineEdit>(&w, "txtIFStop")->setText("0");
    w.mnuMHz_Click();
    moveTo(panel(), 481);
    EXPECT_EQ(readout(), "0.00MHz");
    moveTo(panel(), 0);
    EXPECT_EQ(readout(), "100.00MHz");
}

TEST_F(Pointer, FieldThatIsNoNumberLeavesTheReadoutAndRaisesNoBox) {
    moveTo(panel(), 240);
    BoxAnswerer answerer;
    for (const char* field : {"txtIFStart", "txtIFStop"}) {
        child<QLineEdit>(&w, "txtIFStart")->setText("30");
        child<QLineEdit>(&w, "txtIFStop")->setText("50");
        child<QLineEdit>(&w, field)->setText("abc");
        moveTo(panel(), 481);
        EXPECT_EQ(readout(), "39.98GHz") << field;
    }
    QApplication::processEvents();
    EXPECT_TRUE(answerer.seen().empty());
}

TEST_F(Pointer, MovesAndClicksOverTheReadoutAreNotThePanels) {
    moveTo(panel(), 240);
    QWidget* label = child<QWidget>(&w, "lblRFANA");
    moveTo(label, 5);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(readout(), "39.98GHz");
    EXPECT_EQ(child<QLabel>(&w, "lblMOUSEPOINTER")->text(), "1");
}

TEST_F(Pointer, CrossHairFromTheFirstReplayOn) {
    EXPECT_NE(panel()->cursor().shape(), Qt::CrossCursor);
    QTest::mouseClick(child<QPushButton>(&w, "cmdCalculate"), Qt::LeftButton);
    EXPECT_NE(panel()->cursor().shape(), Qt::CrossCursor);
    QTest::mouseClick(child<QPushButton>(&w, "cmdSingleStep"), Qt::LeftButton);
    EXPECT_EQ(panel()->cursor().shape(), Qt::CrossCursor);
}

} // namespace
