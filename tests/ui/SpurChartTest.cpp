// The spur chart on the main window: following solves, levels and the
// wanted product, the click that shows a step, images and print.
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QMenu>
#include <QTableWidget>

#include "DesignFilesFixture.h"
#include "display/SpectrumDisplay.h"
#include "display/SpurChart.h"
#include "ui/SpurTools.h"
#include <QCheckBox>

#include "ui/planning/frmFilters.h"
#include "ui/planning/frmSpurChart.h"
#include "ui/planning/frmSpurFree.h"

using namespace kestrel;
using namespace kestrel::filetest;

namespace {

class SpurChartUi : public DesignFilesUi {
protected:
    void solve() { QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton); }
    frmSpurChart* openChart() {
        menu("mnuSpurChart");
        frmSpurChart* c = w_->spurTools().chart();
        if (c) showAndActivate(c);
        return c;
    }
    display::SpurChart& chart() { return w_->spurTools().chart()->chart(); }
    QObject* curve(const char* name) { return chart().findChild<QObject*>(QLatin1String(name)); }
    int curveCount() { return int(chart().findChildren<display::ChartCurve*>().size()); }
    void clickAtRF(double rf) {
        const display::ChartMapping map = chart().mapping(chart().size());
        const QPoint at(int(std::lround(map.x(rf))), int(map.plot().center().y()));
        QTest::mouseClick(&chart(), Qt::LeftButton, {}, at);
    }
    QString text(const char* name) { return get<QLabel>(name)->text(); }
    void setList(const char* name, const char* value) { get<QComboBox>(name)->setCurrentText(value); }
};

TEST_F(SpurChartUi, FollowsSolvesAtLowerOrdersLevelsAndTheWantedProduct) {
    frmSpurChart* window = openChart();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Spur Chart");
    EXPECT_FALSE(chart().hasData()); // "Solve the matrix to see the chart"
    EXPECT_EQ(curveCount(), 0);
    menu("mnuSpurChart");
    EXPECT_EQ(w_->spurTools().chart(), window); // one instance

    solve();
    EXPECT_EQ(curveCount(), 80 + 64); // 9 x 9 pairs but (0, 0); differences where m, n > 0
    QObject* sum11 = curve("Traces1x1");
    ASSERT_NE(sum11, nullptr);
    EXPECT_TRUE(sum11->property("wanted").toBool()); // the start-up design wants the sum
    EXPECT_EQ(sum11->property("level"), QVariant(0.0));
    EXPECT_EQ(curve("Trace1x1")->property("level"), QVariant(0.0)); // the image
    EXPECT_EQ(curve("Traces0x2")->property("level").toDouble(), -63);
    const QVariantList points = curve("Trace2x3")->property("points").toList();
    ASSERT_EQ(points.size(), 3); // |48 - 3 RF| folds at 16
    EXPECT_EQ(points[1].toPointF(), QPointF(16, 0));

    // Lower orders: the curves beyond them are gone.
    setList("cboLOHar", "3");
    setList("cboRFHar", "4");
    solve();
    EXPECT_EQ(curveCount(), 19 + 12);
    EXPECT_EQ(curve("Trace6x8"), nullptr);
    EXPECT_EQ(curve("Traces4x0"), nullptr);
    EXPECT_NE(curve("Trace3x4"), nullptr);

    // A level evaluation reaches the chart.
    field("txtRFPower")->setText("-15");
    w_->txtRFPower_LostFocus();
    EXPECT_EQ(curve("Traces0x2")->property("level").toDouble(), -73);

    // The user's choice of the wanted product holds over later solves.
    w_->spurTools().finder()->setWanted(ProductFamily::Difference);
    EXPECT_TRUE(curve("Trace1x1")->property("wanted").toBool());
    EXPECT_EQ(curve("Traces1x1")->property("level"), QVariant(0.0));
    solve();
    EXPECT_TRUE(curve("Trace1x1")->property("wanted").toBool());
}

TEST_F(SpurChartUi, ClickShowsTheNearestStepAsPlusDoes) {
    openChart();
    solve();
    clickAtRF(14.6); // nearest step 5, RF 14.5
    EXPECT_EQ(text("lblStepPointer"), "6");
    EXPECT_EQ(text("lblRFANA"), "14.5 GHz");
    EXPECT_EQ(text("lblIFSUM"), "38.50");
    EXPECT_EQ(field("txtRFDisFreq")->text(), "14.5 GHz");
    EXPECT_EQ(get<QTableWidget>("gridSpurs")->item(2, 2)->text(), "38.50"); // that step's grid
    EXPECT_EQ(chart().cursorRF(), 14.5);
    const auto* sum11 = w_->spectrumDisplay().panel().spurLine({1, 1, true});
    EXPECT_EQ(sum11->x1(), double(w_->spectrumDisplay().FreqToX(38.5f)));

    // "+" and "-" go on from there, and the cursor with them.
    QTest::mouseClick(get<QPushButton>("cmdSingleStep"), Qt::LeftButton);
    EXPECT_EQ(text("lblRFANA"), "14.9 GHz");
    EXPECT_EQ(chart().cursorRF(), double(14.9f));
    QTest::mouseClick(get<QPushButton>("cmdSTEPBACK"), Qt::LeftButton);
    EXPECT_EQ(text("lblRFANA"), "14.5 GHz");
    EXPECT_EQ(chart().cursorRF(), 14.5);

    // A stale matrix: only the cursor moves.
    field("txtRFStart")->setText("13");
    w_->findChild<QWidget*>("txtRFStart")->setFocus();
    QTest::keyClick(field("txtRFStart"), Qt::Key_Tab);
    ASSERT_FALSE(get<QPushButton>("cmdSingleStep")->isEnabled());
    clickAtRF(16.5);
    EXPECT_EQ(text("lblStepPointer"), "6");
    EXPECT_EQ(text("lblRFANA"), "14.5 GHz");
    EXPECT_NEAR(*chart().cursorRF(), 16.5, 0.02);
}

TEST_F(SpurChartUi, SavesImagesAndPrintsThroughThePrinterPath) {
    frmSpurChart* window = openChart();
    solve();
    QStringList suggested;
    const auto saveAs = [&](const QString& name) {
        window->image().setPathChooser([&, name](QWidget*, const QString& s) {
            suggested << s;
            return name;
        });
        QTest::mouseClick(child<QPushButton>(window, "cmdSaveImage"), Qt::LeftButton);
    };
    saveAs("plan.svg");
    saveAs("plan"); // no suffix: PNG
    EXPECT_EQ(suggested, (QStringList{"chart.png", "chart.png"}));
    QFile svg("plan.svg"), png("plan.png");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_TRUE(png.readAll().startsWith("\x89PNG"));

    window->setPrinter(ui::FormPrinter([] { return std::unique_ptr<QPrinter>(); }));
    BoxAnswerer boxes;
    QTest::mouseClick(child<QPushButton>(window, "cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "The form can't be printed.");
}

// The SVG's text is as many pixels high as the PNG's, not 72-dpi points.
TEST_F(SpurChartUi, SvgTextIsAsLargeAsInThePng) {
    frmSpurChart* window = openChart();
    solve();
    const QString svg = QString::fromUtf8(ui::ChartImage::encode(window->chart(), true));
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("font-size=\"([0-9.]+)\"")).match(svg);
    ASSERT_TRUE(size.hasMatch());
    QImage png(1, 1, QImage::Format_RGB32);
    EXPECT_NEAR(size.captured(1).toDouble(), QPainter(&png).fontInfo().pixelSize(), 0.5);
}

} // namespace

namespace {

// With the limit line in use, the chart marks what fails it, following the
// check box of the filters window.
TEST_F(SpurChartUi, FailingStretchesFollowTheLimitLine) {
    openChart();
    setList("cboLOHar", "3"); // every product with an estimate
    setList("cboRFHar", "3");
    solve();
    EXPECT_FALSE(curve("Traces2x0")->property("failsLimit").toBool()); // the line is not in use
    w_->filtersWindow().findChild<QCheckBox*>(QStringLiteral("chkUseLimits"))->setChecked(true);
    // 2 LO at 48 (-14 dBc) fails over the whole sweep; 0 x 1 never enters the band.
    EXPECT_EQ(curve("Traces2x0")->property("failingStretches").toList(), QVariantList{QPointF(12.5, 16.5)});
    EXPECT_FALSE(curve("Traces0x1")->property("failsLimit").toBool());
    w_->filtersWindow().findChild<QCheckBox*>(QStringLiteral("chkUseLimits"))->setChecked(false);
    EXPECT_FALSE(curve("Traces2x0")->property("failsLimit").toBool());
}

} // namespace
