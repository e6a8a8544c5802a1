// The receiver responses window on a design worked by hand: its table and
// verdict, the required rejection, the step list and the CSV export, which
// must be the command-line program's bytes.
#include <QComboBox>
#include <QProcess>
#include <QTableWidget>

#include "DesignFilesFixture.h"
#include "display/ResponsesChart.h"
#include "ui/planning/frmResponses.h"

using namespace kestrel;
using namespace kestrel::filetest;

namespace {

// LO 10, RF 8 to 10.5 in 5 steps (the middle step 2 has RF 9), output 1
// to 1.5, LO x2, RF x2, drives 8 and -5 dBm, conversion loss 8, isolation
// 25, no preselector.
const std::pair<const char*, const char*> kHandDesign[] = {
    {"txtLOFreq", "10"},  {"txtRFStart", "8"},   {"txtRFStop", "10.5"}, {"cboSteps", "5"},
    {"txtIFStart", "0.5"}, {"txtIFStop", "2"},    {"txtMarker1", "1.5"}, {"txtMarker2", "1"},
    {"cboLOHar", "2"},    {"cboRFHar", "2"}};

class ResponsesUi : public DesignFilesUi {
protected:
    frmResponses* open() {
        for (const auto& [name, value] : kHandDesign) {
            if (name[0] == 'c') get<QComboBox>(name)->setCurrentText(value);
            else field(name)->setText(value);
        }
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        menu("mnuResponses");
        frmResponses* window = w_->responsesWindow();
        if (window) showAndActivate(window);
        return window;
    }
    QString cell(frmResponses* window, int row, int col) {
        const QTableWidgetItem* item = child<QTableWidget>(window, "gridResponses")->item(row, col);
        return item ? item->text() : QStringLiteral("<none>");
    }
    QString verdict(frmResponses* window) { return child<QLabel>(window, "lblRespVerdict")->text(); }
    std::vector<BoxSeen> typeRequired(frmResponses* window, const QString& text) {
        BoxAnswerer boxes;
        child<QLineEdit>(window, "txtRespRequired")->setText(text);
        window->txtRespRequired_LostFocus();
        showAndActivate(window);
        return boxes.seen();
    }
};

TEST_F(ResponsesUi, TableAndVerdictOfAHandWorkedDownConverter) {
    frmResponses* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Receiver Responses");
    auto* steps = child<QComboBox>(window, "cboRespStep");
    ASSERT_EQ(steps->count(), 6); // steps 0 to 5
    EXPECT_EQ(steps->currentText(), "2: 9 GHz");

    // L(0,1) = 8 - 25 = -17 dBc, L(0,2) = -63, L(1,2) = -68, L(2,1) = -35,
    // L(2,2) = -63; rejection -L / n, weakest first, ties by the lower From.
    const QStringList rows[] = {
        {"wanted", "1", "1", "LO - RF", "8.5", "9", "yes", "0", "0", "0", ""},
        {"image", "1", "1", "RF - LO", "11", "11.5", "no", "0", "0", "0", "no"},
        {"IF feedthrough", "0", "1", "RF", "1", "1.5", "no", "17", "0", "17", "no"},
        {"IF/2", "0", "2", "RF", "0.5", "0.75", "no", "31.5", "0", "31.5", "no"},
        {"half-IF", "2", "2", "LO - RF", "9.25", "9.5", "yes", "31.5", "0", "31.5", "no"},
        {"half-IF", "2", "2", "RF - LO", "10.5", "10.75", "yes", "31.5", "0", "31.5", "no"},
        {"1 x 2", "1", "2", "LO - RF", "4.25", "4.5", "no", "34", "0", "34", "no"},
    };
    for (int r = 0; r < int(std::size(rows)); ++r)
        for (int c = 0; c < rows[r].size(); ++c) EXPECT_EQ(cell(window, r, c), rows[r][c]) << r << ", " << c;
    EXPECT_EQ(child<QTableWidget>(window, "gridResponses")->rowCount(), 10);
    EXPECT_EQ(verdict(window), "FAIL: image at 11\u201311.5, 0.0 dB");
    EXPECT_EQ(window->chart().bars().size(), 10u);
    EXPECT_EQ(window->chart().findChild<QObject*>("Response(2)")->property("name"), "IF feedthrough");

    // The required rejection decides the verdict and each pass (here the
    // IF feedthrough's, 17 dB); a non-number is refused and stays as typed,
    // the last number still in use.
    const struct {
        const char* typed;
        const char* verdict;
        const char* feedthroughPasses;
        bool refused;
    } cases[] = {
        {"0", "PASS", "yes", false},          // every total is at least 0 dB
        {"abc", "PASS", "yes", true},
        {"17", "FAIL: image at 11\u201311.5, 0.0 dB", "yes", false}, // at the required, passes
        {"17.5", "FAIL: image at 11\u201311.5, 0.0 dB", "no", false},
        {"-1e3", "PASS", "yes", false},
    };
    for (const auto& c : cases) {
        const std::vector<BoxSeen> boxes = typeRequired(window, c.typed);
        ASSERT_EQ(boxes.size(), c.refused ? 1u : 0u) << c.typed;
        if (c.refused) {
            EXPECT_EQ(boxes[0].text, "Please Use Numeric Values Only");
        }
        EXPECT_EQ(child<QLineEdit>(window, "txtRespRequired")->text(), c.typed);
        EXPECT_EQ(verdict(window), c.verdict) << c.typed;
        EXPECT_EQ(cell(window, 2, 10), c.feedthroughPasses) << c.typed;
    }
    typeRequired(window, "abc");
    Design stored;
    window->toDesign(stored);
    EXPECT_EQ(stored.respRequired, "abc"); // as typed, for the file's own check
}

TEST_F(ResponsesUi, StepChoiceFollowsATrackingLOAndSurvivesASolve) {
    frmResponses* window = open();
    ASSERT_NE(window, nullptr);
    // LO = RF + 1.25: at step 0 (RF 8) the LO is 9.25, the wanted band
    // 9.25 - [1, 1.5] = 7.75 to 8.25.
    get<QCheckBox>("chkOffset")->setChecked(true);
    field("txtLoOffset")->setText("1.25");
    QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
    auto* steps = child<QComboBox>(window, "cboRespStep");
    steps->setCurrentIndex(0);
    window->cboRespStep_Click();
    EXPECT_EQ(window->responses().setting.lo, 9.25);
    EXPECT_EQ(cell(window, 0, 0), "wanted");
    EXPECT_EQ(cell(window, 0, 4), "7.75");
    EXPECT_EQ(cell(window, 0, 5), "8.25");
    QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(steps->currentIndex(), 0); // the same steps keep the choice
    field("txtRFStop")->setText("9");
    QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(steps->currentText(), "2: 8.4 GHz"); // new steps: the middle one
}

TEST_F(ResponsesUi, ExportIsTheProgramsCsvWholeOrNothing) {
    frmResponses* window = open();
    ASSERT_NE(window, nullptr);
    const QString path = QDir::current().filePath("responses.csv");
    window->setCsvPathChooser([&](QWidget*, const QString&) { return path; });
    {
        BoxAnswerer boxes;
        QTest::mouseClick(child<QPushButton>(window, "cmdExportCsv"), Qt::LeftButton);
        EXPECT_TRUE(boxes.seen().empty());
    }
    QStringList args{"responses", "--default", "--format", "csv"};
    for (const auto& [name, value] : kHandDesign) args << "--set" << QStringLiteral("%1=%2").arg(name, value);
    QProcess report;
    report.start(QStringLiteral(KESTREL_REPORT_EXECUTABLE), args);
    ASSERT_TRUE(report.waitForFinished(60000));
    ASSERT_EQ(report.exitCode(), 0) << report.readAllStandardError().constData();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), report.readAllStandardOutput());

    // Into a folder that is not there: a box, and nothing written anywhere.
    const QStringList before = entries();
    window->setCsvPathChooser([](QWidget*, const QString&) { return QStringLiteral("no-such-folder/r.csv"); });
    BoxAnswerer boxes;
    QTest::mouseClick(child<QPushButton>(window, "cmdExportCsv"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.seen()[0].text.startsWith("The responses table could not be written to r.csv"));
    EXPECT_EQ(entries(), before);
}

} // namespace
