// Designs whose fields each fit a single but whose steps or tracking LO do
// not: the solve is refused like a field that is not a number.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstring>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;

namespace {

struct Design {
    const char* what;
    const char *rfStart, *rfStop, *steps;
    const char* offset; // tracking LO when set
    const char* focus;  // the field the refusal points at
    const char* ifStart = "30";
    const char* ifStop = "50";
};

const Design kOverflowing[] = {
    {"last RF step rounds beyond the range", "-3e38", "3.4028234e38", "5", nullptr, "txtRFStop"},
    {"tracking LO beyond the range", "3e38", "3e38", "10", "3e38", "txtLoOffset"},
    {"tracking LO beyond the range at the last step", "0", "3e38", "10", "1e38",
     "txtLoOffset"},
    {"tracking offset itself beyond the range", "12.5", "16.5", "10", "1e39", "txtLoOffset"},
    {"display band wider than a single", "12.5", "16.5", "10", nullptr, "txtIFStop", "-3e38", "3e38"},
};

// Everything a solve writes, to see that a refused one wrote nothing.
struct Snapshot {
    explicit Snapshot(frmKestrel& w) : matrix(w.spurMatrix()) {
        std::memcpy(&state, &w.workingState(), sizeof state);
        auto* grid = child<QTableWidget>(&w, "gridSpurs");
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                cells << item->text() << item->foreground().color().name()
                      << item->background().color().name();
            }
        for (const char* name : {"lblWorking2", "lblWorking3", "lblWorking4", "lblIfDispLo"}) {
            auto* label = child<QLabel>(&w, name);
            labels << label->text() << QString::number(label->isHidden());
        }
        readout = child<QLineEdit>(&w, "txtRFDisFreq")->text();
        sweep = child<QPushButton>(&w, "cmdSweep")->isEnabled();
    }
    bool sameMatrix(const Snapshot& o) const {
        return std::memcmp(&matrix, &o.matrix, sizeof matrix) == 0;
    }
    kestrel::SpurMatrix matrix;
    kestrel::WorkingState state;
    QStringList cells, labels;
    QString readout;
    bool sweep;
};

class OverflowingSolve : public ::testing::TestWithParam<Design> {
protected:
    void TearDown() override { closeAllTopLevels(); }
    void solve() { QTest::mouseClick(child<QPushButton>(&w, "cmdCalculate"), Qt::LeftButton); }
    frmKestrel w;
};

TEST_P(OverflowingSolve, IsRefusedAndChangesNothing) {
    const Design& d = GetParam();
    showAndActivate(&w);
    solve(); // the start-up design, so that there is something to keep

    child<QLineEdit>(&w, "txtRFStart")->setText(d.rfStart);
    child<QLineEdit>(&w, "txtRFStop")->setText(d.rfStop);
    child<QComboBox>(&w, "cboSteps")->setCurrentText(d.steps);
    child<QLineEdit>(&w, "txtIFStart")->setText(d.ifStart);
    child<QLineEdit>(&w, "txtIFStop")->setText(d.ifStop);
    ASSERT_EQ(child<QComboBox>(&w, "cboSteps")->currentText(), d.steps);
    if (d.offset) {
        child<QCheckBox>(&w, "chkOffset")->setChecked(true);
        child<QLineEdit>(&w, "txtLoOffset")->setText(d.offset);
    }
    const Snapshot before(w);

    BoxAnswerer answerer;
    solve();
    ASSERT_EQ(answerer.seen().size(), 1u) << d.what;
    EXPECT_EQ(answerer.seen().front().title, "Numeric Check");
    EXPECT_EQ(answerer.seen().front().text, "Please Use Numeric Values Only");
    EXPECT_EQ(answerer.seen().front().icon, QMessageBox::Critical);
    EXPECT_EQ(w.focusWidget(), child<QWidget>(&w, d.focus)) << d.what;

    const Snapshot after(w);
    EXPECT_TRUE(after.sameMatrix(before)) << d.what;
    EXPECT_EQ(std::memcmp(&after.state, &before.state, sizeof before.state), 0) << d.what;
    EXPECT_EQ(after.cells, before.cells) << d.what;
    EXPECT_EQ(after.labels, before.labels) << d.what;
    EXPECT_EQ(after.readout, before.readout) << d.what;
    EXPECT_EQ(after.sweep, before.sweep) << d.what;
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFStart")->text(), d.rfStart) << "fields keep the text";
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFStop")->text(), d.rfStop);
}

INSTANTIATE_TEST_SUITE_P(Designs, OverflowingSolve, ::testing::ValuesIn(kOverflowing));

TEST(WideSolve, TheWidestSpanThatFitsSolvesWithFiniteSteps) {
    frmKestrel w;
    child<QLineEdit>(&w, "txtRFStart")->setText("-3.4e38");
    child<QLineEdit>(&w, "txtRFStop")->setText("3.4e38");
    child<QComboBox>(&w, "cboSteps")->setCurrentText("5");
    BoxAnswerer answerer;
    child<QPushButton>(&w, "cmdCalculate")->click();
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_TRUE(std::isfinite(w.workingState().RFStepSize));
    for (int s = 0; s <= 5; ++s) EXPECT_TRUE(std::isfinite(w.spurMatrix().RFFreq(s))) << s;
    EXPECT_EQ(child<QLineEdit>(&w, "txtRFDisFreq")->text(), "3.4E+38 GHz");
    closeAllTopLevels();
}

} // namespace
