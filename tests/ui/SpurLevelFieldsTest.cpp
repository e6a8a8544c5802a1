#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "engine/SpurLevels.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

using namespace kestrel::guitest;

namespace {

const QString kWithin5 = "RF Power within 5dB of LO Power";
const QString kLOBelow0 = "LO Power < 0 dBm";

class Levels : public ::testing::Test {
protected:
    void TearDown() override { closeAllTopLevels(); }

    QLineEdit* field(const char* name) { return child<QLineEdit>(&w, name); }
    QLineEdit* mixerField(const char* name) { return child<QLineEdit>(w.mixerWindow(), name); }
    double top(const char* line) { return child<QObject>(&w, line)->property("y1").toDouble(); }

    // The user leaves the field with Tab; the boxes on the way are answered.
    std::vector<BoxSeen> leave(const char* name) {
        showAndActivate(&w);
        field(name)->setFocus(Qt::ActiveWindowFocusReason); // entering runs nothing
        BoxAnswerer answerer;
        QTest::keyClick(field(name), Qt::Key_Tab);
        return answerer.seen();
    }
    std::vector<BoxSeen> solve() {
        showAndActivate(&w);
        BoxAnswerer answerer;
        QTest::mouseClick(child<QPushButton>(&w, "cmdCalculate"), Qt::LeftButton);
        return answerer.seen();
    }

    // Every line's top as the model puts it for these inputs.
    void expectLinesAt(double lo, double rf, float cl = 8, double isoRF = 25, float isoLO = 25) {
        const auto levels = kestrel::EvaluateSpurLevels(lo, rf, cl, isoRF, isoLO);
        for (const char* line : {"Spurs0x1", "Spurs3x0", "Spur2x1", "Spurs2x1", "spur2x8", "Spurs7x4"}) {
            const QString name(line);
            const int x = name.indexOf('x');
            const int m = name.mid(x - 1, 1).toInt(), n = name.mid(x + 1).toInt();
            EXPECT_EQ(top(line), kestrel::SpurLineTop(levels.at(m, n))) << line;
        }
        EXPECT_EQ(top("Spur1x1"), 360);
        EXPECT_EQ(top("Spurs1x1"), 360);
    }

    frmKestrel w;
};

std::vector<QString> texts(const std::vector<BoxSeen>& boxes) {
    std::vector<QString> out;
    for (const BoxSeen& b : boxes) out.push_back(b.text);
    return out;
}

struct WarningCase {
    const char* field;
    const char* lo;
    const char* rf;
    std::vector<QString> boxes;
};

TEST_F(Levels, WarningsTheirOrderAndTheEvaluation) {
    const WarningCase cases[] = {
        {"txtLOPower", "8", "-5.0", {}},
        {"txtLOPower", "8", "3", {}},                    // D exactly 5
        {"txtLOPower", "8", "3.1", {kWithin5}},          // D 4.9
        {"txtRFPower", "8", "10", {kWithin5}},           // RF above LO
        {"txtLOPower", "0", "-5", {}},                   // P_LO exactly 0
        {"txtLOPower", "-0.5", "-6", {kLOBelow0}},
        {"txtLOPower", "-3", "-5", {kWithin5, kLOBelow0}},
        {"txtRFPower", "-3", "-5", {kWithin5}},          // no LO warning from the RF field
        {"txtRFPower", "-10", "-20", {}},
    };
    for (const WarningCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " LO " + c.lo + " RF " + c.rf);
        field("txtLOPower")->setText(c.lo);
        field("txtRFPower")->setText(c.rf);
        const auto boxes = leave(c.field);
        EXPECT_EQ(texts(boxes), c.boxes);
        for (const BoxSeen& b : boxes) {
            EXPECT_EQ(b.title, "Warning Only");
            EXPECT_EQ(b.icon, QMessageBox::Information);
        }
        expectLinesAt(QString(c.lo).toDouble(), QString(c.rf).toDouble());
    }
}

struct RefusalCase {
    const char* left;                // field left
    const char* target;              // field holding the bad text
    const char* text;
    bool inMixer;
};

TEST_F(Levels, RefusalWritesNothingAndFocusesTheOffendingField) {
    const RefusalCase cases[] = {
        {"txtLOPower", "txtLOPower", "", false},
        {"txtRFPower", "txtRFPower", "abc", false},
        {"txtLOPower", "txtRFPower", "-5 dBm", false},   // the other power
        {"txtLOPower", "txtLOPower", "1e38", false},     // tops beyond a single
        {"txtRFPower", "txtConversionLoss", "x", true},
        {"txtRFPower", "txtRFIsolation", "", true},
        {"txtLOPower", "txtLOIsolation", "1e39", true},
        // Overflows that another input causes: the focus goes there.
        {"txtRFPower", "txtLOPower", "1e38", false},
        {"txtLOPower", "txtRFPower", "1e38", false},
        {"txtRFPower", "txtConversionLoss", "1e37", true},
        {"txtLOPower", "txtRFIsolation", "1e300", true},
        {"txtRFPower", "txtLOIsolation", "3e38", true},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " = " + c.text);
        frmKestrel fresh;
        QLineEdit* bad = child<QLineEdit>(c.inMixer ? static_cast<QWidget*>(fresh.mixerWindow()) : &fresh, c.target);
        bad->setText(c.text);
        showAndActivate(&fresh);
        auto* left = child<QLineEdit>(&fresh, c.left);
        left->setFocus(Qt::ActiveWindowFocusReason);
        BoxAnswerer answerer;
        QTest::keyClick(left, Qt::Key_Tab);
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text, "Please Use Numeric Values Only");
        EXPECT_EQ(answerer.seen()[0].title, "Numeric Check");
        EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Critical);
        EXPECT_EQ(bad->window()->focusWidget(), bad);
        EXPECT_EQ(fresh.mixerWindow()->isVisible(), c.inMixer);
        EXPECT_EQ(bad->text(), c.text);
        EXPECT_EQ(child<QObject>(&fresh, "Spurs0x1")->property("y1").toDouble(), 360);
        EXPECT_EQ(child<QObject>(&fresh, "Spurs3x0")->property("y1").toDouble(), 360);
        closeAllTopLevels();
    }
}

TEST_F(Levels, MixerFiguresCountAtTheNextSolveOnly) {
    solve();
    expectLinesAt(8, -5);
    mixerField("txtConversionLoss")->setText("10");
    mixerField("txtRFIsolation")->setText("30");
    mixerField("txtLOIsolation")->setText("20.5");
    EXPECT_EQ(top("Spurs0x1"), 972); // editing alone moves nothing
    EXPECT_TRUE(solve().empty());
    expectLinesAt(8, -5, 10, 30, 20.5f);
    EXPECT_EQ(w.workingState().ConvLoss, 10.f);
    EXPECT_EQ(w.workingState().LOIsolation, 20.5f);
}

TEST_F(Levels, SolveWithABadRFPowerStillSolves) {
    solve();
    field("txtLOPower")->setText("20");
    field("txtRFPower")->setText("");
    const auto boxes = solve();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Numeric Check");
    expectLinesAt(8, -5); // the heights of the first solve
    EXPECT_EQ(child<QTableWidget>(&w, "gridSpurs")->item(2, 2)->text(), "40.50");
    EXPECT_TRUE(child<QPushButton>(&w, "cmdSweep")->isEnabled());
    EXPECT_EQ(w.focusWidget(), field("txtRFPower"));
    EXPECT_EQ(child<QLabel>(&w, "lblIfDispLo")->text(), "30");
}

TEST_F(Levels, SolveWarnsFromTheRFField) {
    field("txtLOPower")->setText("-3");
    EXPECT_EQ(texts(solve()), std::vector<QString>{kWithin5});
    expectLinesAt(-3, -5);
}

} // namespace
