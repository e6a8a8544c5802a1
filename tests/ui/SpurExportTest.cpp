#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "GuiTestSupport.h"
#include "engine/SpurSolver.h"
#include "files/SpurTableCsv.h"
#include "tests/support/Designs.h"
#include "ui/planning/SpurExport.h"

using namespace kestrel;
using namespace kestrel::guitest;

namespace {

class SpurExportAction : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        action.setPathChooser([this](QWidget*, const QString& suggested) {
            suggestions << suggested;
            return answer;
        });
    }

    ui::SpurSolution solvedDesign() {
        solveSpurMatrix(reference::initialDesign(), state, *matrix);
        ui::SpurSolution s;
        s.matrix = matrix.get();
        s.state = &state;
        s.solve = LastSolve{8, 8, false};
        s.levels = EvaluateSpurLevels(8, -5, 8, 25, 25);
        s.inputs = LevelInputs{8, -5, 8, 25, 25};
        s.unit = QStringLiteral("GHz");
        return s;
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    ui::SpurExport action{nullptr};
    QString answer;
    QStringList suggestions;
};

TEST_F(SpurExportAction, RefusedBeforeTheFirstSolve) {
    answer = dir.filePath("spurs.csv");
    BoxAnswerer boxes;
    EXPECT_FALSE(action.run({}, {}, std::nullopt, ProductFamily::Difference));
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Solve the matrix first.");
    EXPECT_EQ(boxes.seen()[0].title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Information);
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(answer));
}

TEST_F(SpurExportAction, WritesTheWholeTable) {
    answer = dir.filePath("review.csv");
    const auto solution = solvedDesign();
    EXPECT_TRUE(action.run(solution, QStringLiteral("MIXER1.kst"), MarkerPair{37, 40}, ProductFamily::Sum));
    EXPECT_EQ(suggestions, QStringList{"MIXER1.csv"});
    // The rows after the converter, as kestrel-report writes them for the
    // start-up design: no filters, the wanted output at -13 dBm, the
    // default line at -60 dBc.
    const QStringList lines = QString::fromUtf8(contents(answer)).split(QStringLiteral("\r\n"));
    const auto rows =
        spurTableRows(*matrix, state, *solution.solve, solution.levelTable(), MarkerPair{37, 40}, ProductFamily::Sum);
    ASSERT_EQ(lines.size(), qsizetype(rows.size()) + 2);
    EXPECT_EQ(lines[0], QString::fromStdString(csv::spurTable({}, "GHz")).trimmed());
    EXPECT_EQ(lines[1], QStringLiteral("0,12.5,24,0,1,sum,0 LO + 1 RF,12.5,no,no,-17,0 LO + 1 RF,0,0,0,-17,-30,,,no"));
    EXPECT_EQ(lines[3], QStringLiteral("0,12.5,24,0,3,sum,0 LO + 3 RF,37.5,yes,yes,-56,0 LO + 3 RF,0,0,0,-56,-69,-60,-4,no"));
}

TEST_F(SpurExportAction, CancelWritesNothing) {
    BoxAnswerer boxes;
    EXPECT_FALSE(action.run(solvedDesign(), {}, std::nullopt, ProductFamily::Difference));
    EXPECT_EQ(suggestions, QStringList{"spurs.csv"});
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(SpurExportAction, FailureTellsTheReason) {
    // A folder where the file should go cannot be replaced.
    answer = dir.filePath("taken");
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    BoxAnswerer boxes;
    EXPECT_FALSE(action.run(solvedDesign(), {}, std::nullopt, ProductFamily::Difference));
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.seen()[0].text.startsWith("The spur table could not be written to taken:\n"));
    EXPECT_GT(boxes.seen()[0].text.size(), 48);
    EXPECT_TRUE(QFileInfo(answer).isDir());
}

TEST(SpurExportName, SuggestedFromTheDesignFile) {
    struct Case {
        const char* design;
        const char* suggested;
    };
    for (const Case& c : {Case{"", "spurs.csv"}, Case{"MIXER1.kst", "MIXER1.csv"},
                          Case{"/work/a.b.kst", "a.b.csv"}, Case{"NOEXT", "NOEXT.csv"}})
        EXPECT_EQ(ui::SpurExport::suggestedName(c.design), c.suggested) << c.design;
}

} // namespace
