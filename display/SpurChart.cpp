#include "display/SpurChart.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "display/LineShape.h"
#include "engine/NumberText.h"

namespace kestrel::display {
namespace {

// Room around the plot for the tick labels, the axis titles and the legend.
constexpr double kLeft = 64, kRight = 112, kTop = 12, kBottom = 44;
// Narrower than this the legend moves under the plot, in two columns of
// four entries under its title, and the plot takes the whole width.
constexpr double kLegendBesideWidth = kLeft + kRight + 300;
constexpr double kRightNarrow = 16, kLegendRows = 5, kLegendRow = 20;

bool legendBelow(QSize size) { return size.width() < kLegendBesideWidth; }
constexpr QRgb kBandShade = 0xFFE4ECF8;   // the display band, pale blue
constexpr QRgb kCleanShade = 0x7090E090;  // spur-free bands, translucent green
constexpr QRgb kGridColor = 0xFFD8D8D8;
constexpr QRgb kMarkerColor = 0xFFFF0000; // red, as on the analyzer
constexpr QRgb kCursorColor = 0xFF404040;
constexpr QRgb kFailColor = 0xFFFF0000;   // over the limit line, wider than any level's pen

// The role, then the level where the role does not imply it.
QString levelText(const ChartCurve& c) {
    const SpurCurve& curve = c.curve();
    if (curve.role == ProductRole::Wanted) return QStringLiteral("wanted output");
    const QString level =
        curve.level ? roundedText(*curve.level, 2) + QStringLiteral(" dBc") : QStringLiteral("no level");
    if (curve.role == ProductRole::Image) return QStringLiteral("image, ") + level;
    return level;
}

// Weakest first, so that the strongest lie on top; the wanted product last.
int paintRank(const ChartCurve& c) {
    if (c.isWanted()) return 2;
    return c.curve().level ? 1 : 0;
}

} // namespace

SpurChart::SpurChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartSpurs"));
    setMinimumSize(240, 240); // narrow enough to sit beside the main window
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void SpurChart::clear() {
    for (ChartCurve* c : curves_) delete c;
    curves_.clear();
    data_.reset();
    update();
}

void SpurChart::setData(ChartData data) {
    clear();
    curves_.reserve(data.curves.size());
    for (const SpurCurve& c : data.curves) curves_.push_back(new ChartCurve(c, this));
    data.curves.clear(); // the curve objects hold them
    data_ = std::move(data);
    std::stable_sort(curves_.begin(), curves_.end(), [](const ChartCurve* a, const ChartCurve* b) {
        if (paintRank(*a) != paintRank(*b)) return paintRank(*a) < paintRank(*b);
        return a->curve().level.value_or(0) < b->curve().level.value_or(0);
    });
    update();
}

void SpurChart::setShadedBands(std::vector<std::pair<double, double>> bands) {
    if (bands == shaded_) return;
    shaded_ = std::move(bands);
    update();
}

void SpurChart::setCursorRF(std::optional<double> rf) {
    cursor_ = rf;
    update();
}

ChartMapping SpurChart::mapping(QSize size) const {
    const bool below = legendBelow(size);
    const double right = below ? kRightNarrow : kRight;
    const double bottom = below ? kBottom + kLegendRows * kLegendRow : kBottom;
    const QRectF plot(kLeft, kTop, std::max(1.0, size.width() - kLeft - right),
                      std::max(1.0, size.height() - kTop - bottom));
    if (!data_) return {plot, {}, {}};
    return {plot, rfRange(data_->sweep.rfFirst, data_->sweep.rfLast),
            outputRange(data_->bandStart, data_->bandStop)};
}

std::vector<QPointF> SpurChart::pixels(const ChartCurve& curve, const ChartMapping& map) const {
    std::vector<QPointF> out;
    out.reserve(curve.curve().points.size());
    for (const CurvePoint& p : curve.curve().points) out.push_back(map.point(p.rf, p.out));
    return out;
}

// The stretch of the curve between two RF inputs, its fold included.
std::vector<QPointF> SpurChart::failingPixels(const SpurCurve& curve, double rfFrom, double rfTo,
                                              const ChartMapping& map) const {
    CurveSweep part = data_->sweep;
    part.rfFirst = rfFrom;
    part.rfLast = rfTo;
    std::vector<QPointF> out;
    for (const CurvePoint& p : curvePoints(part, curve.m, curve.n, curve.family))
        out.push_back(map.point(p.rf, p.out));
    return out;
}

std::vector<const ChartCurve*> SpurChart::curvesNear(QPointF pixel) const {
    struct Hit {
        const ChartCurve* curve;
        double distance;
    };
    std::vector<Hit> hits;
    if (!data_) return {};
    const ChartMapping map = mapping(size());
    if (!map.plot().adjusted(-kChartReachPixels, -kChartReachPixels, kChartReachPixels,
                             kChartReachPixels).contains(pixel))
        return {};
    for (const ChartCurve* c : curves_) {
        if (!c->isVisible()) continue;
        const double d = distanceToPolyline(pixel, pixels(*c, map));
        if (d <= kChartReachPixels) hits.push_back({c, d});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        const auto& la = a.curve->curve().level;
        const auto& lb = b.curve->curve().level;
        if (la.has_value() != lb.has_value()) return la.has_value();
        if (la && *la != *lb) return *la > *lb;
        return a.distance < b.distance;
    });
    std::vector<const ChartCurve*> out;
    for (const Hit& h : hits) out.push_back(h.curve);
    return out;
}

QString SpurChart::hoverText(QPointF pixel) const {
    const std::vector<const ChartCurve*> hits = curvesNear(pixel);
    if (hits.empty()) return {};
    const ChartMapping map = mapping(size());
    const double rf = std::clamp(map.rfAt(pixel.x()), map.rf().low, map.rf().high);
    const int rfDecimals = decimalsFor(map.rf());
    const int outDecimals = decimalsFor(map.out());
    const QString unit = QLatin1Char(' ') + data_->unit;
    QStringList lines;
    for (const ChartCurve* c : hits) {
        const SpurCurve& curve = c->curve();
        const double out = productAt(data_->sweep, curve.m, curve.n, curve.family, rf);
        lines << QString::fromStdString(productName(curve.m, curve.n, curve.family)) +
                     QStringLiteral(": ") + roundedText(out, outDecimals) + unit + QStringLiteral(" at RF ") +
                     roundedText(rf, rfDecimals) + unit + QStringLiteral(", ") + levelText(*c);
    }
    return lines.join(QLatin1Char('\n'));
}

void SpurChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter, size());
}

void SpurChart::render(QPainter& painter, QSize size) const {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);
    if (!data_) {
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
                         QStringLiteral("Solve the matrix to see the chart"));
        painter.restore();
        return;
    }
    const ChartMapping map = mapping(size);
    paintBands(painter, map);
    paintAxes(painter, map);
    painter.setClipRect(map.plot());
    painter.setRenderHint(QPainter::Antialiasing);
    paintCurves(painter, map);
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(map.plot());
    paintLegend(painter, size);
    painter.restore();
}

void SpurChart::paintBands(QPainter& painter, const ChartMapping& map) const {
    const QRectF& plot = map.plot();
    const auto stripe = [&](double a, double b, QColor color) {
        const double top = std::clamp(map.y(std::max(a, b)), plot.top(), plot.bottom());
        const double bottom = std::clamp(map.y(std::min(a, b)), plot.top(), plot.bottom());
        if (bottom > top) painter.fillRect(QRectF(plot.left(), top, plot.width(), bottom - top), color);
    };
    stripe(data_->bandStart, data_->bandStop, QColor::fromRgb(kBandShade));
    for (const auto& [a, b] : shaded_) stripe(a, b, QColor::fromRgba(kCleanShade));
}

void SpurChart::paintAxes(QPainter& painter, const ChartMapping& map) const {
    const QRectF& plot = map.plot();
    const QFontMetrics fm = painter.fontMetrics();
    const int rfDecimals = std::max(0, decimalsFor(map.rf()) - 1);
    const int outDecimals = std::max(0, decimalsFor(map.out()) - 1);
    for (double t : niceTicks(map.rf(), std::max(2, int(plot.width() / 80)))) {
        const double x = map.x(t);
        painter.setPen(QColor::fromRgb(kGridColor));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 40, plot.bottom() + 2, 80, fm.height()), Qt::AlignHCenter,
                         roundedText(t, rfDecimals));
    }
    for (double t : niceTicks(map.out(), std::max(2, int(plot.height() / 40)))) {
        const double y = map.y(t);
        painter.setPen(QColor::fromRgb(kGridColor));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - fm.height() / 2.0, plot.left() - 4, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, roundedText(t, outDecimals));
    }
    const QString unit = QStringLiteral(" (") + data_->unit + QLatin1Char(')');
    painter.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 4, plot.width(), fm.height()),
                     Qt::AlignHCenter, QStringLiteral("RF input") + unit);
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -fm.height() / 2.0, plot.height(), fm.height()),
                     Qt::AlignCenter, QStringLiteral("Output") + unit);
    painter.restore();
}

void SpurChart::paintCurves(QPainter& painter, const ChartMapping& map) const {
    const QRectF& plot = map.plot();
    QPen marker(QColor::fromRgb(kMarkerColor), 1, Qt::DashLine);
    painter.setPen(marker);
    for (const auto& m : {data_->marker1, data_->marker2})
        if (m && *m >= map.out().low && *m <= map.out().high)
            painter.drawLine(QPointF(plot.left(), map.y(*m)), QPointF(plot.right(), map.y(*m)));

    const double outLow = map.out().low, outHigh = map.out().high;
    // Cut to the plot itself: an SVG drawing keeps no clip.
    const QRectF view = plot;
    std::vector<QRect> dots;
    dots.reserve(data_->stepRF.size());
    for (const ChartCurve* c : curves_) {
        if (!c->isVisible()) continue;
        const SpurCurve& curve = c->curve();
        const auto [lowest, highest] = std::minmax_element(
            curve.points.begin(), curve.points.end(),
            [](const CurvePoint& a, const CurvePoint& b) { return a.out < b.out; });
        if (highest->out < outLow || lowest->out > outHigh) continue; // nowhere in view
        const QColor color = c->isWanted() ? QColor::fromRgb(kWantedColor)
                                           : QColor::fromRgb(levelColor(curve.level));
        // Round ends join the segments at a fold; dashes keep theirs flat.
        // Thin pens are cheap to stroke by the hundred; the strong few are wider.
        const bool strong = curve.level && *curve.level >= kLevelBands[1].atLeast;
        QPen pen(color, c->isWanted() ? 3 : strong ? 2 : 1, curve.level ? Qt::SolidLine : Qt::DashLine,
                 curve.level ? Qt::RoundCap : Qt::FlatCap);
        painter.setPen(pen);
        const auto drawLine = [&](const std::vector<QPointF>& line) {
            if (line.size() == 1 && view.contains(line[0])) painter.drawEllipse(line[0], 3, 3);
            // Cut here: a steep product's far ends never reach the rasterizer.
            for (std::size_t i = 1; i < line.size(); ++i) {
                QLineF segment(line[i - 1], line[i]);
                if (clipSegment(segment, view)) painter.drawLine(segment);
            }
        };
        drawLine(pixels(*c, map));
        if (!curve.failing.empty()) {
            pen.setColor(QColor::fromRgb(kFailColor));
            pen.setWidth(pen.width() + 2);
            painter.setPen(pen);
            for (const auto& [from, to] : curve.failing) drawLine(failingPixels(curve, from, to, map));
        }
        // The solved steps along it: small squares, cheap to fill by the thousand.
        const int side = c->isWanted() ? 5 : 3;
        dots.clear();
        for (double rf : data_->stepRF) {
            const QPointF dot = map.point(rf, productAt(data_->sweep, curve.m, curve.n, curve.family, rf));
            if (view.contains(dot))
                dots.emplace_back(int(std::lround(dot.x())) - side / 2,
                                  int(std::lround(dot.y())) - side / 2, side, side);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRects(dots.data(), int(dots.size()));
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing);
    }
    if (cursor_) {
        painter.setPen(QPen(QColor::fromRgb(kCursorColor), 1, Qt::DashDotLine));
        painter.drawLine(QPointF(map.x(*cursor_), plot.top()), QPointF(map.x(*cursor_), plot.bottom()));
    }
}

// Beside the plot, one entry a line: the scale of levels strongest first.
// Under a narrow plot, in two columns.
void SpurChart::paintLegend(QPainter& painter, QSize size) const {
    const QFontMetrics fm = painter.fontMetrics();
    const bool below = legendBelow(size);
    const QRectF plot = mapping(size).plot();
    double x = below ? 8 : size.width() - kRight + 10;
    double y = below ? plot.bottom() + kBottom + kLegendRow / 2 : kTop + fm.height() / 2.0;
    const double firstRow = y + (below ? kLegendRow : fm.height() + 6);
    int entries = 0;
    const auto entry = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 24, y + fm.ascent() / 2.0 - 1), text);
        y += below ? kLegendRow : fm.height() + 4;
        if (below && ++entries == kLegendRows - 1) {
            x += (size.width() - 16) / 2.0;
            y = firstRow;
        }
    };
    painter.drawText(QPointF(x, y + fm.ascent() / 2.0 - 1), QStringLiteral("Level (dBc)"));
    y = firstRow;
    entry(QPen(QColor::fromRgb(kWantedColor), 3), QStringLiteral("wanted"));
    for (const LevelBand& band : kLevelBands)
        entry(QPen(QColor::fromRgb(band.color), 3), QString::fromLatin1(band.legend));
    entry(QPen(QColor::fromRgb(kNoLevelColor), 1.5, Qt::DashLine), QStringLiteral("no level"));
}

bool SpurChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = hoverText(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        const int reach = int(kChartReachPixels);
        const QRect area(help->pos() - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
        QToolTip::showText(help->globalPos(), text, this, area);
    }
    return true;
}

void SpurChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !data_) return QWidget::mouseReleaseEvent(event);
    const ChartMapping map = mapping(size());
    const QPointF p = event->position();
    if (p.x() < map.plot().left() || p.x() > map.plot().right()) return;
    emit clicked(std::clamp(map.rfAt(p.x()), map.rf().low, map.rf().high));
}

} // namespace kestrel::display
