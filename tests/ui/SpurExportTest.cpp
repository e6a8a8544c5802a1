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
    const std::string expected = csv::spurTable(
        spurTableRows(*matrix, state, *solution.solve, solution.levelTable(), MarkerPair{37, 40}, ProductFamily::Sum),
        "GHz");
    EXPECT_EQ(contents(answer).toStdString(), expected);
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
