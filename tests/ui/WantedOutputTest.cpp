// The wanted output on the main window: automatic from the markers or the
// user's choice, through solves and loads; the roles that the hover, the
// export and the chart give the two 1x1 products; and the analyzer right
// after a solve.
#include <QComboBox>
#include <QTableWidget>

#include "DesignFilesFixture.h"
#include "display/DisplayMapping.h"
#include "display/PointerReadout.h"
#include "display/SpectrumDisplay.h"
#include "display/SpurChart.h"
#include "ui/SpurTools.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"

using namespace kestrel;
using namespace kestrel::filetest;

namespace {

const QString kAutomatic = QStringLiteral("Automatic (from the markers)");
constexpr auto Sum = ProductFamily::Sum;
constexpr auto Diff = ProductFamily::Difference;

class WantedOutputUi : public DesignFilesUi {
  protected:
    ui::SpurTools& tools() { return w_->spurTools(); }
    display::SpectrumDisplay& display() { return w_->spectrumDisplay(); }
    QComboBox* wantedList() { return child<QComboBox>(tools().finder(), "cboWanted"); }
    ProductFamily wanted() { return tools().finder()->wanted(); }
    void solve() { QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton); }
    void markers(const char* m1, const char* m2) {
        field("txtMarker1")->setText(m1);
        field("txtMarker2")->setText(m2);
    }
    QByteArray exportTable() {
        tools().exporter().setPathChooser(
            [](QWidget*, const QString&) { return QStringLiteral("t.csv"); });
        menu("mnuExport");
        QFile f("t.csv");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The start-up design's file with its wanted product stored as `text`.
    static Bytes designWanting(const std::string& text) {
        std::vector<std::string> ext = reference::kDefaultExtension;
        for (std::string& record : ext)
            if (record.starts_with("cboWanted=")) record = "cboWanted=" + text;
        return reference::withTextRecords(defaultDesignFile(), ext);
    }
};

// Start-up design: LO 24, middle RF 14.5, sum 38.5 and difference 9.5.
TEST_F(WantedOutputUi, AutomaticIsDecidedAtEverySolveAndLoadAChoiceStays) {
    EXPECT_EQ(wantedList()->currentText(), kAutomatic);
    solve();
    EXPECT_EQ(wanted(), Sum); // markers 37 and 40
    markers("9", "10");
    EXPECT_EQ(wanted(), Sum); // only a solve or a load decides
    solve();
    EXPECT_EQ(wanted(), Diff);
    EXPECT_EQ(wantedList()->currentText(), kAutomatic);
    ASSERT_TRUE(save("AUTO").empty());

    // An explicit choice survives solves that would decide otherwise.
    wantedList()->setCurrentText("LO + RF");
    solve();
    EXPECT_EQ(wanted(), Sum);
    ASSERT_TRUE(save("SUM").empty());

    // Loading: automatic decides afresh from the loaded markers, a stored
    // product is a choice.
    markers("37", "40");
    wantedList()->setCurrentText(kAutomatic);
    solve();
    EXPECT_EQ(wanted(), Sum);
    ASSERT_TRUE(load("AUTO.kst").size() == 1u);
    EXPECT_EQ(wantedList()->currentText(), kAutomatic);
    EXPECT_EQ(wanted(), Diff);
    ASSERT_TRUE(load("SUM.kst").size() == 1u);
    EXPECT_EQ(wantedList()->currentText(), "LO + RF");

    struct Stored {
        const char* text;
        ProductFamily expected; // solved with markers 9 and 10, then 37 and 40
    } const stored[] = {{"|LO - RF|", Diff}, {"LO + RF", Sum}};
    for (const Stored& c : stored) {
        put("OLD.kst", designWanting(c.text));
        ASSERT_TRUE(load("OLD.kst").size() == 1u) << c.text;
        EXPECT_EQ(wantedList()->currentText(), c.text);
        for (const auto& [m1, m2] : {std::pair{"9", "10"}, std::pair{"37", "40"}}) {
            markers(m1, m2);
            solve();
            EXPECT_EQ(wanted(), c.expected) << c.text << " " << m1;
        }
    }
}

TEST_F(WantedOutputUi, AChoiceBeforeTheFirstSolveStays) {
    wantedList()->setCurrentText("|LO - RF|");
    solve(); // the markers bracket the sum
    EXPECT_EQ(wanted(), Diff);
    EXPECT_EQ(wantedList()->currentText(), "|LO - RF|");
}

// Markers around the difference: the in-band sum is the image everywhere.
TEST_F(WantedOutputUi, HoverExportAndChartNameTheSameRoles) {
    markers("9", "10");
    solve();
    ASSERT_EQ(wanted(), Diff);
    display().placeStepLines(0);
    const double sumX = display().FreqToX(36.5f);
    EXPECT_EQ(tools().hoverText(sumX).toStdString(), "1 LO + 1 RF: 36.5 GHz, image, 0 dBc");

    const QByteArray csv = exportTable();
    EXPECT_TRUE(csv.contains("\r\n0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,no,0,image\r\n"));
    EXPECT_TRUE(
        csv.contains("\r\n0,12.5,24,1,1,difference,1 LO - 1 RF,11.5,no,no,0,wanted output\r\n"));
    EXPECT_TRUE(
        csv.contains("\r\n0,12.5,24,2,1,difference,2 LO - 1 RF,35.5,yes,no,-35,2 LO - 1 RF\r\n"));

    menu("mnuSpurChart");
    display::SpurChart& chart = tools().chart()->chart();
    showAndActivate(tools().chart());
    const QPointF at = chart.mapping(chart.size()).point(12.5, 36.5);
    EXPECT_EQ(chart.hoverText(at).toStdString(),
              "1 LO + 1 RF: 36.5 GHz at RF 12.5 GHz, image, 0 dBc");
}

// Markers on the band edges: what the grid shows is between the markers.
TEST_F(WantedOutputUi, ExportBetweenMarkersAgreesWithTheGridAtTheEdges) {
    for (const char* name : {"txtIFStart", "txtMarker1"})
        field(name)->setText("36.5");
    for (const char* name : {"txtIFStop", "txtMarker2"})
        field(name)->setText("37.7");
    solve();
    auto* grid = get<QTableWidget>("gridSpurs");
    EXPECT_EQ(grid->item(2, 2)->text(), "37.70"); // 1x1 sum, last in band at step 3
    const QByteArray csv = exportTable();
    for (const char* row : {"0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,yes,",
                            "3,13.7,24,1,1,sum,1 LO + 1 RF,37.7,yes,yes,",
                            "4,14.1,24,1,1,sum,1 LO + 1 RF,38.1,no,no,"})
        EXPECT_TRUE(csv.contains(row)) << row;
}

// After a solve at lower orders on another span, before any step.
TEST_F(WantedOutputUi, TheAnalyzerRightAfterASolveShowsNothingStale) {
    solve();
    QTest::mouseClick(get<QPushButton>("cmdSingleStep"), Qt::LeftButton);
    display::AnalyzerPanel& panel = display().panel();
    ASSERT_TRUE(panel.spurLine({6, 5, false})->isVisible());

    struct Case {
        int mMax, nMax;
        double start, stop;
        bool linesLeft; // an empty span leaves none
    } const cases[] = {{3, 4, 20, 60, true}, {8, 8, 60, 20, true}, {2, 2, 40, 40, false}};
    for (const Case& c : cases) {
        get<QComboBox>("cboLOHar")->setCurrentText(QString::number(c.mMax));
        get<QComboBox>("cboRFHar")->setCurrentText(QString::number(c.nMax));
        field("txtIFStart")->setText(QString::number(c.start));
        field("txtIFStop")->setText(QString::number(c.stop));
        {
            BoxAnswerer boxes;
            solve();
        }
        showAndActivate(w_.get());
        EXPECT_EQ(get<QLabel>("lblStepPointer")->text(), "1"); // a solve keeps the pointer
        const double start = c.start, stop = c.stop;
        const int mMax = c.mMax, nMax = c.nMax;
        int visible = 0;
        for (const auto& id : display::kReplayOrder) {
            const display::LineShape& line = *panel.spurLine(id);
            if (!line.isVisible()) continue;
            ++visible;
            EXPECT_TRUE(id.m <= mMax && id.n <= nMax) << display::spurLineName(id).toStdString();
            // The read-out under the line names the line's own frequency.
            EXPECT_NEAR(display::pointerFrequency(start, stop, line.x1()), line.frequency(), 1e-4)
                << display::spurLineName(id).toStdString() << " " << c.start;
        }
        for (int which : {1, 2}) {
            const display::LineShape& marker = panel.marker(which);
            EXPECT_EQ(marker.isVisible(), c.linesLeft);
            if (marker.isVisible()) {
                EXPECT_NEAR(display::pointerFrequency(start, stop, marker.x1()), marker.frequency(),
                            1e-4);
            }
        }
        EXPECT_EQ(visible > 0, c.linesLeft) << c.start;
        if (c.linesLeft) {
            const display::LineShape& sum11 = *panel.spurLine({1, 1, true});
            EXPECT_TRUE(tools().hoverText(sum11.x1()).startsWith("1 LO + 1 RF: 36.5 GHz"));
        }
    }
}

} // namespace
