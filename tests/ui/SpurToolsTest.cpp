// The spur tools as the user reaches them on the main window: the menu
// items, the finder following the solves and level evaluations, the shading
// on the analyzer, the export through the File menu and the hover.
#include <QComboBox>
#include <QHelpEvent>
#include <QMenu>
#include <QTableWidget>
#include <QToolTip>

#include "DesignFilesFixture.h"
#include "display/PointerReadout.h"
#include "display/SpectrumDisplay.h"
#include "display/SpurChart.h"
#include "engine/SpurFreeBands.h"
#include "ui/SpurTools.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"

using namespace kestrel;
using namespace kestrel::filetest;

namespace {

class SpurToolsUi : public DesignFilesUi {
protected:
    ui::SpurTools& tools() { return w_->spurTools(); }
    display::AnalyzerPanel& panel() { return w_->spectrumDisplay().panel(); }
    void solve() { QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton); }
    frmSpurFree* openFinder() {
        menu("mnuSpurFree");
        frmSpurFree* f = tools().finder();
        if (f) showAndActivate(f);
        return f;
    }
    static QString note(frmSpurFree* f) { return child<QLabel>(f, "lblSpurFreeNote")->text(); }
    static QTableWidget* bands(frmSpurFree* f) { return child<QTableWidget>(f, "gridBands"); }
    QStringList menuItems(const char* menuName) {
        QStringList out;
        for (QAction* a : get<QAction>(menuName)->menu()->actions())
            out << a->objectName() + QLatin1Char('=') + a->text();
        return out;
    }
    // What the export writes, with the path answered without a dialog.
    QByteArray exportTable(const QString& name = QStringLiteral("review.csv")) {
        tools().exporter().setPathChooser([this, name](QWidget*, const QString& suggested) {
            suggestions << suggested;
            return name;
        });
        menu("mnuExport");
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList suggestions;
    QString wanted() { return child<QComboBox>(tools().finder(), "cboWanted")->currentText(); }
    ProductFamily solveWith(const char* m1, const char* m2) {
        field("txtMarker1")->setText(m1);
        field("txtMarker2")->setText(m2);
        solve();
        return tools().finder()->wanted();
    }
};

TEST_F(SpurToolsUi, MenuItemsBesideTheDescribedOnes) {
    EXPECT_EQ(menuItems("mnuFile"),
              (QStringList{"mnuSave=&Save", "mnuLoad=&Load", "mnuDelete=&Delete",
                           "mnuExport=&Export Spur Table..."}));
    EXPECT_EQ(menuItems("mnuOptions"),
              (QStringList{"mnuFreqUnits=&Frequency Units", "mnuMixer=&Mixer Parameters",
                           "mnuSpurTable=Mixer Spur &Table...", "mnuSpurFree=Spur-Free &Bands...",
                           "mnuSpurChart=Spur &Chart...", "mnuIfPlanner=&IF Planner...",
                           "mnuFilters=&Filters and Limits...",
                           "mnuResponses=Receiver &Responses..."}));
}

TEST_F(SpurToolsUi, BeforeTheFirstSolve) {
    frmSpurFree* finder = openFinder();
    ASSERT_NE(finder, nullptr);
    EXPECT_EQ(finder->objectName(), "frmSpurFree");
    EXPECT_EQ(note(finder), "Solve the matrix first.");
    EXPECT_EQ(bands(finder)->rowCount(), 0);
    menu("mnuSpurFree"); // one instance
    EXPECT_EQ(tools().finder(), finder);

    BoxAnswerer boxes;
    EXPECT_TRUE(exportTable().isEmpty());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Solve the matrix first.");
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Information);
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists("review.csv"));
}

TEST_F(SpurToolsUi, FinderFollowsSolvesAndLevels) {
    frmSpurFree* finder = openFinder();
    solve();
    EXPECT_EQ(note(finder), "");
    ASSERT_GT(bands(finder)->rowCount(), 0);
    // What the solve recorded: the orders of the lists and a fixed LO.
    const ui::SpurSolution s = tools().solution();
    ASSERT_TRUE(s.solve && s.levels);
    EXPECT_EQ(s.solve->mMax, 8);
    EXPECT_EQ(s.solve->nMax, 8);
    EXPECT_FALSE(s.solve->trackingLO);
    EXPECT_EQ(*s.levels, PairLevels(EvaluateSpurLevels(8, -5, 8, 25, 25)));

    // Leaving a power field re-evaluates the levels, and the finder reruns.
    field("txtRFPower")->setText("-40");
    w_->txtRFPower_LostFocus();
    EXPECT_EQ(*tools().solution().levels, PairLevels(EvaluateSpurLevels(8, -40, 8, 25, 25)));
    // The start-up design wants the sum: 1x1 in band at the middle step.
    SpurFreeQuery query;
    query.wanted = ProductFamily::Sum;
    const auto expected = findSpurFreeBands(w_->spurMatrix(), w_->workingState(), *s.solve,
                                            tools().solution().levelTable(), query);
    ASSERT_EQ(finder->bands().size(), expected.size());
    EXPECT_EQ(finder->bands()[0].start, expected[0].start);

    // A new solve over another band: the bands lie inside it.
    field("txtIFStop")->setText("35");
    solve();
    ASSERT_GT(bands(finder)->rowCount(), 0);
    for (const SpurFreeBand& b : finder->bands()) EXPECT_LE(b.stop, 35.f);
}

TEST_F(SpurToolsUi, ShadingOnTheAnalyzer) {
    frmSpurFree* finder = openFinder();
    solve();
    EXPECT_TRUE(panel().shadedIntervals().empty());
    child<QCheckBox>(finder, "chkShade")->setChecked(true);
    const auto& shaded = panel().shadedIntervals();
    ASSERT_EQ(shaded.size(), finder->bands().size());
    const SpurFreeBand& widest = finder->bands()[0];
    EXPECT_EQ(shaded[0].first, double(w_->spectrumDisplay().FreqToX(widest.start)));
    EXPECT_EQ(shaded[0].second, double(w_->spectrumDisplay().FreqToX(widest.stop)));

    // Drawn: the middle of the widest band, between two graticule lines.
    const int x = int((shaded[0].first + shaded[0].second) / 2 / display::kTwipsPerPixel);
    const QColor middle(panel().grab().toImage().pixel(x, 36));
    EXPECT_NE(middle, QColor(0, 255, 0));
    child<QCheckBox>(finder, "chkShade")->setChecked(false);
    EXPECT_TRUE(panel().shadedIntervals().empty());
    EXPECT_EQ(QColor(panel().grab().toImage().pixel(x, 36)), QColor(0, 255, 0));

    // Closing the finder takes its shading away.
    child<QCheckBox>(finder, "chkShade")->setChecked(true);
    EXPECT_FALSE(panel().shadedIntervals().empty());
    finder->close();
    EXPECT_TRUE(panel().shadedIntervals().empty());
}

TEST_F(SpurToolsUi, ExportWritesTheTableOfTheLastSolve) {
    solve();
    const QByteArray csv = exportTable();
    EXPECT_EQ(suggestions, QStringList{"spurs.csv"});
    const QList<QByteArray> rows = csv.split('\n');
    // 11 steps of 8 x 8 pairs in two families and 16 single harmonics, the
    // header and the final line end.
    ASSERT_EQ(rows.size(), 1 + 11 * (64 * 2 + 16) + 1);
    EXPECT_TRUE(rows[0].startsWith("step,"));
    // Markers 37 and 40 from the fields: step 0's 3 RF sum is 37.5.
    EXPECT_TRUE(csv.contains(",0,3,sum,0 LO + 3 RF,37.5,yes,yes,")) << csv.left(400).constData();

    // A marker field that is no number: the column stays empty.
    field("txtMarker2")->setText("4O");
    EXPECT_TRUE(exportTable("other.csv").contains(",0,3,sum,0 LO + 3 RF,37.5,yes,,"));

    // Named after the design file once there is one.
    EXPECT_TRUE(save("MIXER1").empty());
    exportTable("third.csv");
    EXPECT_EQ(suggestions.last(), "MIXER1.csv");
}

TEST_F(SpurToolsUi, HoverNamesThePlacedLines) {
    solve();
    display::SpectrumDisplay& d = w_->spectrumDisplay();
    ASSERT_TRUE(d.PlaceMarkers());
    d.placeStepLines(0);
    const double sumX = d.FreqToX(36.5f); // the 1x1 sum of step 0
    const auto text = [&](double x) { return tools().hoverText(x).toStdString(); };
    EXPECT_EQ(text(sumX), "1 LO + 1 RF: 36.5 GHz, wanted output");
    EXPECT_EQ(text(d.FreqToX(37.f)), "Marker 1: 37 GHz");
    EXPECT_EQ(text(d.FreqToX(37.5f) + 45), "0 LO + 3 RF: 37.5 GHz, -56 dBc"); // 3 px off
    EXPECT_EQ(text(d.FreqToX(37.5f) + 46), "");
    EXPECT_EQ(text(d.FreqToX(42.f)), "");

    // Through the resting pointer's event; no label changes.
    const auto labelTexts = [this] {
        QStringList out; // the tooltip's own label aside
        for (QLabel* l : w_->findChildren<QLabel*>())
            if (l->windowType() != Qt::ToolTip) out << l->text();
        return out;
    };
    const QStringList labels = labelTexts();
    const QPoint at(int(std::lround(sumX / display::kTwipsPerPixel)), 150);
    QHelpEvent event(QEvent::ToolTip, at, panel().mapToGlobal(at));
    QApplication::sendEvent(&panel(), &event);
    EXPECT_EQ(QToolTip::text().toStdString(), "1 LO + 1 RF: 36.5 GHz, wanted output");
    EXPECT_TRUE(labelTexts() == labels);
    QToolTip::hideText();
}

// Start-up design at its middle step: sum 38.5 (markers 37, 40), difference 9.5.
// Markers around the difference: the in-band sum is the image in hover, export and chart.
TEST_F(SpurToolsUi, AutomaticIsDecidedAtEverySolveAndLoadAChoiceStaysRolesAgree) {
    using enum ProductFamily;
    EXPECT_EQ(wanted(), "Automatic (from the markers)");
    EXPECT_EQ(solveWith("9", "10"), Difference);
    w_->spectrumDisplay().placeStepLines(0);
    EXPECT_EQ(tools().hoverText(w_->spectrumDisplay().FreqToX(36.5f)), "1 LO + 1 RF: 36.5 GHz, image, 0 dBc");
    for (const char* row : {"\n0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,no,0,image,",
                            "\n0,12.5,24,1,1,difference,1 LO - 1 RF,11.5,no,no,0,wanted output,"})
        EXPECT_TRUE(exportTable("t.csv").contains(row)) << row;
    menu("mnuSpurChart");
    display::SpurChart& chart = tools().chart()->chart();
    EXPECT_EQ(chart.hoverText(chart.mapping(chart.size()).point(12.5, 36.5)),
              "1 LO + 1 RF: 36.5 GHz at RF 12.5 GHz, image, 0 dBc");

    ASSERT_TRUE(save("AUTO").empty());
    EXPECT_EQ(solveWith("37", "40"), Sum);
    load("AUTO.kst"); // markers 9 and 10: decided afresh
    EXPECT_EQ(tools().finder()->wanted(), Difference);
    // Stored products, as older files hold them, are explicit choices.
    for (const auto& [text, family] : {std::pair{"LO + RF", Sum}, std::pair{"|LO - RF|", Difference}}) {
        std::vector<std::string> ext = reference::kDefaultExtension;
        ext[10] = std::string("cboWanted=") + text;
        put("OLD.kst", reference::withTextRecords(defaultDesignFile(), ext));
        load("OLD.kst");
        EXPECT_EQ(wanted(), text);
        EXPECT_EQ(solveWith("9", "10"), family);
        EXPECT_EQ(solveWith("37", "40"), family);
    }

    // Markers on the band edges: the export's column agrees with the grid.
    field("txtIFStart")->setText("36.5");
    field("txtIFStop")->setText("37.7");
    solveWith("36.5", "37.7");
    EXPECT_EQ(get<QTableWidget>("gridSpurs")->item(2, 2)->text(), "37.70"); // 1x1 sum at step 3
    for (const char* row : {"0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,yes,", "3,13.7,24,1,1,sum,1 LO + 1 RF,37.7,yes,yes,"})
        EXPECT_TRUE(exportTable("u.csv").contains(row)) << row;
}

// After a solve at lower orders or on another span, before any step.
TEST_F(SpurToolsUi, TheAnalyzerRightAfterASolveShowsNothingStale) {
    solveWith("37", "40");
    QTest::mouseClick(get<QPushButton>("cmdSingleStep"), Qt::LeftButton);
    struct Case { int mMax, nMax; double start, stop; };
    for (const Case& c : {Case{3, 4, 20, 60}, {8, 8, 60, 20}, {2, 2, 40, 40}}) { // the last span is empty
        get<QComboBox>("cboLOHar")->setCurrentText(QString::number(c.mMax));
        get<QComboBox>("cboRFHar")->setCurrentText(QString::number(c.nMax));
        field("txtIFStart")->setText(QString::number(c.start));
        field("txtIFStop")->setText(QString::number(c.stop));
        solveWith("37", "40");
        EXPECT_EQ(get<QLabel>("lblStepPointer")->text(), "1");
        for (const display::LineShape* line : {&panel().marker(1), panel().spurLine({1, 1, true})})
            EXPECT_EQ(line->isVisible(), c.start != c.stop);
        for (const auto& id : display::kReplayOrder) {
            const display::LineShape& line = *panel().spurLine(id);
            if (!line.isVisible()) continue;
            EXPECT_TRUE(id.m <= c.mMax && id.n <= c.nMax);
            // Where the line is, the read-out names the line's own frequency.
            EXPECT_NEAR(display::pointerFrequency(c.start, c.stop, line.x1()), line.frequency(), 1e-4);
        }
    }
}

} // namespace
