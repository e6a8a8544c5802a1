#pragma once
// Pure geometry of the spur chart: RF input to x, output frequency to y,
// the axis ticks, the pointer's distance to a curve and the colour scale of
// the levels. Pixels, relative to the chart widget.

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kestrel::display {

// The data ranges of the two axes; low below high.
struct ChartRange {
    double low = 0;
    double high = 1;
};

// The RF axis over the two ends of the sweep; a sweep of one point gets a
// small range around it.
ChartRange rfRange(double rfFirst, double rfLast);

// The display band with a guard of a quarter of its width on each side; an
// empty band gets a small range around it.
ChartRange outputRange(double bandStart, double bandStop);

class ChartMapping {
public:
    ChartMapping(QRectF plot, ChartRange rf, ChartRange out) : plot_(plot), rf_(rf), out_(out) {}

    const QRectF& plot() const { return plot_; }
    const ChartRange& rf() const { return rf_; }
    const ChartRange& out() const { return out_; }

    double x(double rf) const;
    double y(double out) const;
    QPointF point(double rf, double out) const { return {x(rf), y(out)}; }
    // The RF under pixel column x.
    double rfAt(double x) const;
    double outAt(double y) const;

private:
    QRectF plot_;
    ChartRange rf_;
    ChartRange out_;
};

// Round values between low and high at a 1, 2 or 5 times a power of ten
// spacing, at most about maxTicks of them.
std::vector<double> niceTicks(ChartRange range, int maxTicks);

// Decimals that show a value of this range to about a hundredth of it.
int decimalsFor(ChartRange range);

// The value rounded to `decimals`, in its shortest text ("12.5", "40").
QString roundedText(double value, int decimals);

// Distance in pixels from p to the polyline; one vertex is a point.
double distanceToPolyline(QPointF p, const std::vector<QPointF>& polyline);

// The fixed colour scale of the levels, strongest band first: a level at or
// above `atLeast` (dBc) takes the first band that admits it.
struct LevelBand {
    double atLeast;
    QRgb color;
    const char* legend;
};
inline constexpr std::array<LevelBand, 6> kLevelBands = {{
    {-20, 0xFFD00000, "-20 and up"},
    {-40, 0xFFE07000, "-20 to -40"},
    {-60, 0xFFA000B0, "-40 to -60"},
    {-80, 0xFF008C00, "-60 to -80"},
    {-100, 0xFF0050D0, "-80 to -100"},
    {-1e300, 0xFF80A8C8, "below -100"},
}};
inline constexpr QRgb kWantedColor = 0xFF000000;
inline constexpr QRgb kNoLevelColor = 0xFF909090;

// The colour of a level on the scale; grey without one.
QRgb levelColor(std::optional<double> level);

} // namespace kestrel::display
