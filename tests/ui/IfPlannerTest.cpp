// The IF planner on the main window: the scan reads the design, "Use" writes it.
#include "DesignFilesFixture.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include "engine/NumberText.h"
#include "ui/planning/frmIfPlanner.h"

using namespace kestrel::filetest;

namespace {

class IfPlannerUi : public DesignFilesUi {
protected:
    frmIfPlanner& planner() { return w_->ifPlanner(); }
    template <class T> T* in(const char* name) { return planner().findChild<T*>(QLatin1String(name)); }
    static QString text(double v) { return QString::fromStdString(kestrel::shortText(kestrel::toSingle(v))); }
};

TEST_F(IfPlannerUi, UseWritesTheCentreOfTheSelectedRunIntoTheDesign) {
    get<QPushButton>("cmdCalculate")->click();
    in<QLineEdit>("txtPlanFrom")->setText("30");
    in<QLineEdit>("txtPlanTo")->setText("40");
    in<QComboBox>("cboPlanPoints")->setCurrentText("101");
    planner().cmdPlanScan_Click();
    ASSERT_TRUE(planner().result());
    ASSERT_FALSE(planner().result()->runs.empty());
    EXPECT_TRUE(get<QPushButton>("cmdSweep")->isEnabled()); // the scan changed nothing
    EXPECT_FALSE(in<QPushButton>("cmdPlanApply")->isEnabled());

    auto* grid = in<QTableWidget>("gridPlan");
    ASSERT_EQ(grid->rowCount(), int(planner().result()->runs.size()));
    grid->selectRow(0);
    const auto& run = planner().result()->runs[0];
    EXPECT_EQ(grid->item(0, 0)->text(), text(run.from));
    in<QPushButton>("cmdPlanApply")->click();
    // The default RF band 12.5 to 16.5 under an LO c: W = [c - 16.5, c - 12.5].
    const double c = run.picked;
    EXPECT_EQ(field("txtLOFreq")->text(), text(c));
    EXPECT_EQ(field("txtMarker1")->text(), text(c - 16.5));
    EXPECT_EQ(field("txtMarker2")->text(), text(c - 12.5));
    EXPECT_EQ(field("txtIFStart")->text(), text(c - 17.5)); // a quarter of W's 4 on each side
    EXPECT_EQ(field("txtIFStop")->text(), text(c - 11.5));
    EXPECT_FALSE(get<QPushButton>("cmdSweep")->isEnabled()); // as an edit would
}

TEST_F(IfPlannerUi, AScanRefusesWhatASolveRefuses) {
    field("txtRFStop")->setText("abc");
    BoxAnswerer boxes;
    planner().cmdPlanScan_Click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Please Use Numeric Values Only");
    EXPECT_FALSE(planner().result());
    field("txtRFStop")->setText("16.5");
    in<QLineEdit>("txtPlanGuard")->setText("-1");
    planner().cmdPlanScan_Click();
    EXPECT_EQ(boxes.seen().size(), 2u);
    EXPECT_FALSE(planner().result());
}

// Orders 1 x 1 and the default RF band: every LO above 16.5 is clean up to 18, 84 candidates of
// 16.2 + k 0.018. The run's centre lies between two, its wanted band starts below the quarter that widens it.
TEST_F(IfPlannerUi, UseWritesACleanCandidateAndNoDisplayStartBelowZero) {
    get<QComboBox>("cboLOHar")->setCurrentText("1");
    get<QComboBox>("cboRFHar")->setCurrentText("1");
    in<QLineEdit>("txtPlanFrom")->setText("16.2");
    in<QLineEdit>("txtPlanTo")->setText("18");
    in<QComboBox>("cboPlanPoints")->setCurrentText("101");
    showAndActivate(&planner());
    planner().cmdPlanScan_Click();
    ASSERT_TRUE(planner().result() && planner().result()->runs.size() == 1u);
    const auto& result = *planner().result();
    const kestrel::CleanRun& run = result.runs[0];
    EXPECT_EQ(std::pair(run.last - run.first + 1, run.pick), std::pair(84, 58)); // the lower middle one
    EXPECT_TRUE(result.candidates[run.pick].clean);
    // Enter on the chosen row does what "Use" does; Esc closes the window.
    in<QTableWidget>("gridPlan")->selectRow(0);
    QTest::keyClick(in<QTableWidget>("gridPlan"), Qt::Key_Return);
    EXPECT_EQ(field("txtLOFreq")->text(), text(result.candidates[run.pick].value));
    EXPECT_EQ(field("txtIFStart")->text(), "0");
    QTest::keyClick(&planner(), Qt::Key_Escape);
    EXPECT_FALSE(planner().isVisible());
}

} // namespace
