#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "display/SpectrumDisplay.h"

using namespace kestrel;
using namespace kestrel::display;

namespace {

const QColor kNavy(0, 0, 128), kGreen(0, 128, 0), kRed(255, 0, 0), kWhite(255, 255, 255);

QVariant prop(QObject* line, const char* name) { return line->property(name); }

class Panel : public ::testing::Test {
protected:
    Panel() : panel("Spectrum Analyzer", &window) {
        panel.setGeometry(216, 16, 481, 289);
        for (QLabel** l : {&labels.ifDisFreq, &labels.ifSum, &labels.ifDispLo, &labels.disIFHI})
            *l = new QLabel(&window);
        labels.rfAna = new QLabel("RF Frequency", &panel);
        state.IFStart = 30;
        state.IFStop = 50;
        DisplaySource source{&matrix, &state, [] { return QStringLiteral("GHz"); },
                             [this] { return marker1; }, [this] { return marker2; },
                             [] { return QStringLiteral("31"); }, [] { return QStringLiteral("49.5"); }};
        display = std::make_unique<SpectrumDisplay>(panel, labels, source);
    }

    QObject* line(const char* name) { return panel.findChild<QObject*>(QLatin1String(name)); }

    QWidget window;
    AnalyzerPanel panel;
    DisplayReadouts labels;
    SpurMatrix matrix;
    WorkingState state;
    QString marker1 = "37", marker2 = "40";
    std::unique_ptr<SpectrumDisplay> display;
};

TEST_F(Panel, SpurLinesAtStart) {
    int count = 0;
    for (const SpurLineId id : kReplayOrder) {
        QObject* l = line(spurLineName(id).toLatin1());
        ASSERT_NE(l, nullptr) << spurLineName(id).toStdString();
        ++count;
        EXPECT_EQ(prop(l, "color").value<QColor>(), id.sum ? kNavy : kGreen);
        EXPECT_EQ(prop(l, "width").toInt(), 2);
        EXPECT_EQ(prop(l, "penStyle").toInt(), int(Qt::SolidLine));
        EXPECT_FALSE(prop(l, "visible").toBool());
        EXPECT_EQ(prop(l, "y1").toDouble(), 360);
        EXPECT_EQ(prop(l, "y2").toDouble(), 4320);
        EXPECT_EQ(prop(l, "label").toString(), spurLineLabel(id));
    }
    EXPECT_EQ(count, 120);
}

TEST_F(Panel, GraticuleAndMarkers) {
    struct Row {
        const char* name;
        double x1, y1, x2, y2;
        QColor color;
        int style;
        bool visible;
    };
    const Row rows[] = {
        {"Line22", 0, 0, 7560, 0, kWhite, Qt::SolidLine, true},
        {"Line1", 0, 360, 7575, 360, kWhite, Qt::SolidLine, true},
        {"Line9", 0, 3240, 7560, 3240, QColor(224, 224, 224), Qt::SolidLine, true},
        {"Line23", 0, 3960, 7560, 3960, kWhite, Qt::SolidLine, true},
        {"Line12", 1440, 360, 1440, 4680, kWhite, Qt::SolidLine, true},
        {"Line15", 3600, 360, 3600, 4920, kWhite, Qt::SolidLine, true},
        {"Line24", 6480, 360, 6480, 4320, kWhite, Qt::SolidLine, true},
        {"Mrkr1", 120, 360, 120, 4320, kRed, Qt::DashDotLine, false},
        {"Mrkr2", 240, 360, 240, 4320, kRed, Qt::DashDotLine, false},
    };
    for (const Row& r : rows) {
        QObject* l = line(r.name);
        ASSERT_NE(l, nullptr) << r.name;
        EXPECT_EQ(prop(l, "x1").toDouble(), r.x1) << r.name;
        EXPECT_EQ(prop(l, "y1").toDouble(), r.y1) << r.name;
        EXPECT_EQ(prop(l, "x2").toDouble(), r.x2) << r.name;
        EXPECT_EQ(prop(l, "y2").toDouble(), r.y2) << r.name;
        EXPECT_EQ(prop(l, "color").value<QColor>(), r.color) << r.name;
        EXPECT_EQ(prop(l, "penStyle").toInt(), r.style) << r.name;
        EXPECT_EQ(prop(l, "visible").toBool(), r.visible) << r.name;
        EXPECT_EQ(prop(l, "width").toInt(), 1) << r.name;
    }
}

TEST_F(Panel, PlaceMarkersReadsTheFieldsEachTime) {
    ASSERT_TRUE(display->PlaceMarkers());
    EXPECT_FLOAT_EQ(display->marker1Freq(), 37);
    EXPECT_EQ(prop(line("Mrkr1"), "x1").toDouble(), 2525.25);
    EXPECT_EQ(prop(line("Mrkr1"), "x2").toDouble(), 2525.25);
    EXPECT_EQ(prop(line("Mrkr2"), "x1").toDouble(), 3607.5);
    EXPECT_TRUE(prop(line("Mrkr2"), "visible").toBool());

    marker1 = "25"; // below the span: placed outside, still visible
    ASSERT_TRUE(display->PlaceMarkers());
    EXPECT_EQ(prop(line("Mrkr1"), "x1").toDouble(), -1803.75);
    EXPECT_TRUE(prop(line("Mrkr1"), "visible").toBool());
}

TEST_F(Panel, NothingPlacedWithoutAPosition) {
    marker2 = "abc";
    EXPECT_FALSE(display->PlaceMarkers());
    EXPECT_FALSE(prop(line("Mrkr1"), "visible").toBool());
    EXPECT_EQ(prop(line("Mrkr1"), "x1").toDouble(), 120);

    marker2 = "40";
    state.IFStop = 30; // empty span
    EXPECT_FALSE(display->PlaceMarkers());
    display->placeStepLines(0);
    EXPECT_FALSE(display->PlaceSpurLine(panel.spurLine(0), 35));
    EXPECT_FALSE(prop(line("Spur1x1"), "visible").toBool());
    EXPECT_EQ(prop(line("Spur1x1"), "x1").toDouble(), 0);
}

TEST_F(Panel, StepReadoutsAndEdgeLabels) {
    matrix.DiffSpur(3, 1, 1) = 10.4f;
    matrix.SumSpur(3, 1, 1) = 37.625f;
    matrix.RFFreq(3) = 13.7f;
    display->ShowStepReadouts(3);
    EXPECT_EQ(labels.ifDisFreq->text(), "10.40");
    EXPECT_EQ(labels.ifSum->text(), "37.63");
    EXPECT_EQ(labels.rfAna->text(), "13.7 GHz");
    display->ShowEdgeLabels();
    EXPECT_EQ(labels.ifDispLo->text(), "31");
    EXPECT_EQ(labels.disIFHI->text(), "49.5");
}

TEST_F(Panel, StepPlacesEveryLineFromItsTable) {
    for (int m = 0; m <= 8; ++m)
        for (int n = 0; n <= 8; ++n) {
            matrix.SumSpur(2, m, n) = 30 + m + n / 10.f;
            matrix.DiffSpur(2, m, n) = 50 - m - n / 10.f;
        }
    display->placeStepLines(2);
    for (const SpurLineId id : kReplayOrder) {
        QObject* l = line(spurLineName(id).toLatin1());
        const float f = id.sum ? matrix.SumSpur(2, id.m, id.n) : matrix.DiffSpur(2, id.m, id.n);
        EXPECT_EQ(prop(l, "x1").toDouble(), double(FreqToX(f, 30, 50))) << spurLineName(id).toStdString();
        EXPECT_EQ(prop(l, "x2").toDouble(), prop(l, "x1").toDouble());
        EXPECT_TRUE(prop(l, "visible").toBool());
        // Kept exactly for the hover, which the single-precision x cannot give back.
        EXPECT_EQ(qobject_cast<LineShape*>(l)->frequency(), f);
    }
}

TEST_F(Panel, LevelsMoveBothLinesOfAPairButNotTheWantedOutput) {
    display->ApplySpurLevels(EvaluateSpurLevels(8, -5, 8, 25, 25));
    EXPECT_EQ(prop(line("Spur1x1"), "y1").toDouble(), 360);
    EXPECT_EQ(prop(line("Spurs1x1"), "y1").toDouble(), 360);
    EXPECT_EQ(prop(line("Spurs0x1"), "y1").toDouble(), 972);
    EXPECT_EQ(prop(line("Spur1x2"), "y1").toDouble(), 2808);
    EXPECT_EQ(prop(line("Spurs1x2"), "y1").toDouble(), 2808);
    EXPECT_EQ(prop(line("spur2x8"), "y1").toDouble(), prop(line("Spurs2x8"), "y1").toDouble());
    EXPECT_EQ(prop(line("Spurs6x8"), "y1").toDouble(), 4896);
    EXPECT_EQ(prop(line("Spurs6x8"), "y2").toDouble(), 4320);
}

// The panel as drawn: a placed spur line, a marker and the graticule where
// the twips say they are (15 twips to the pixel).
TEST_F(Panel, RenderedStep) {
    matrix.SumSpur(0, 1, 1) = 40;    // x 3607.5 twips = pixel 240.5
    matrix.DiffSpur(0, 1, 1) = 60;   // beyond the span: not drawn
    // Every other spur of the step is at 0, far left of the span.
    marker1 = "32";                  // x 721.5 twips = pixel 48.1
    marker2 = "45";
    display->PlaceMarkers();
    display->placeStepLines(0);
    const QImage img = panel.grab().toImage();
    ASSERT_EQ(img.size(), QSize(481, 289));
    const auto at = [&](int x, int y) { return QColor(img.pixel(x, y)); };
    // Spurs1x1 from 360 to 4320 twips: rows 24 to 288, two pixels wide.
    const int spurX = [&] {
        for (int x = 238; x <= 243; ++x)
            if (at(x, 150) == kNavy) return x;
        return -1;
    }();
    ASSERT_GE(spurX, 239);
    EXPECT_EQ(at(spurX + 1, 150), kNavy);
    EXPECT_EQ(at(spurX, 30), kNavy);
    EXPECT_EQ(at(spurX, 20), QColor(0, 255, 0)); // above its top end
    // The dash-dot marker has red pixels along its column.
    int red = 0;
    for (int y = 24; y < 288; ++y) red += at(48, y) == kRed;
    EXPECT_GT(red, 100);
    EXPECT_LT(red, 264);
    // Graticule: Line3 at y 1080 twips = row 72, Line13 at x 2160 = column 144.
    EXPECT_EQ(at(100, 72), kWhite);
    EXPECT_EQ(at(144, 100), kWhite);
    EXPECT_EQ(at(100, 100), QColor(0, 255, 0));
}

// Shaded bands tint the plotting area between the graticule and the lines.
TEST_F(Panel, ShadingOverTheGraticuleUnderTheLines) {
    matrix.SumSpur(0, 1, 1) = 40; // pixel 240.5
    display->placeStepLines(0);
    const QImage plain = panel.grab().toImage();
    const QColor green(0, 255, 0);
    panel.setShadedIntervals({{4500, 3000}}); // either order: pixels 200 to 300
    QImage img = panel.grab().toImage();
    const auto at = [&](int x, int y) { return QColor(img.pixel(x, y)); };
    const QColor shaded = at(220, 100);
    EXPECT_NE(shaded, green);
    EXPECT_GT(shaded.red(), 100);                  // a pale tint on the green
    EXPECT_EQ(at(190, 100), green);                // outside the band
    EXPECT_EQ(at(310, 100), green);
    EXPECT_EQ(at(220, 20), green);                 // above 0 dBc
    const QColor gridLine = at(220, 72);           // Line3 under the shade
    EXPECT_NE(gridLine, kWhite);
    EXPECT_GT(gridLine.blue(), shaded.blue());     // still lighter than the band
    int navy = 0;                                  // the spur line over it, unchanged
    for (int x = 238; x <= 243; ++x) {
        if (QColor(plain.pixel(x, 150)) != kNavy) continue;
        ++navy;
        EXPECT_EQ(at(x, 150), kNavy) << x;
    }
    EXPECT_EQ(navy, 2);
    // Far-off edges are cut to the panel; clearing restores the plain panel.
    panel.setShadedIntervals({{-1e30, 1e30}});
    img = panel.grab().toImage();
    EXPECT_EQ(at(5, 100), shaded);
    EXPECT_EQ(at(470, 100), shaded);
    panel.setShadedIntervals({});
    EXPECT_EQ(panel.grab().toImage(), plain);
}

} // namespace
