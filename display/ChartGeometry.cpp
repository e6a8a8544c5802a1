#include "display/ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel::display {
namespace {

// Half width of the range given to an axis of zero extent.
double spreadAround(double value) { return value == 0 ? 1 : std::fabs(value) * 0.05; }

} // namespace

ChartRange rfRange(double rfFirst, double rfLast) {
    const double low = std::min(rfFirst, rfLast), high = std::max(rfFirst, rfLast);
    if (!(high > low)) return {low - spreadAround(low), low + spreadAround(low)};
    return {low, high};
}

ChartRange outputRange(double bandStart, double bandStop) {
    const double low = std::min(bandStart, bandStop), high = std::max(bandStart, bandStop);
    if (!(high > low)) return {low - spreadAround(low), low + spreadAround(low)};
    const double guard = (high - low) / 4;
    return {low - guard, high + guard};
}

double ChartMapping::x(double rf) const {
    return plot_.left() + (rf - rf_.low) / (rf_.high - rf_.low) * plot_.width();
}

double ChartMapping::y(double out) const {
    return plot_.bottom() - (out - out_.low) / (out_.high - out_.low) * plot_.height();
}

double ChartMapping::rfAt(double px) const {
    return rf_.low + (px - plot_.left()) / plot_.width() * (rf_.high - rf_.low);
}

double ChartMapping::outAt(double py) const {
    return out_.low + (plot_.bottom() - py) / plot_.height() * (out_.high - out_.low);
}

std::vector<double> niceTicks(ChartRange range, int maxTicks) {
    std::vector<double> ticks;
    const double span = range.high - range.low;
    if (!(span > 0) || !std::isfinite(span) || maxTicks < 1) return ticks;
    const double rough = span / maxTicks;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    double step = decade;
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (decade * factor >= rough) {
            step = decade * factor;
            break;
        }
    for (double t = std::ceil(range.low / step) * step; t <= range.high + step * 1e-9; t += step)
        ticks.push_back(std::fabs(t) < step * 1e-9 ? 0 : t);
    return ticks;
}

int decimalsFor(ChartRange range) {
    const double span = range.high - range.low;
    if (!(span > 0) || !std::isfinite(span)) return 2;
    return std::clamp(int(-std::floor(std::log10(span / 100))), 0, 6);
}

QString roundedText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return QString::fromStdString(generalText(std::round(value * scale) / scale));
}

double distanceToPolyline(QPointF p, const std::vector<QPointF>& polyline) {
    double best = INFINITY;
    const auto toPoint = [&](QPointF a) { return std::hypot(p.x() - a.x(), p.y() - a.y()); };
    if (polyline.size() == 1) return toPoint(polyline[0]);
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        const QPointF a = polyline[i - 1], b = polyline[i];
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, toPoint({a.x() + t * dx, a.y() + t * dy}));
    }
    return best;
}

QRgb levelColor(std::optional<double> level) {
    if (!level) return kNoLevelColor;
    for (const LevelBand& band : kLevelBands)
        if (*level >= band.atLeast) return band.color;
    return kLevelBands.back().color;
}

} // namespace kestrel::display
