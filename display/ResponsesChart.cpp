#include "display/ResponsesChart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel::display {
namespace {

// Room around the plot for the tick labels, the axis titles and the legend row.
constexpr double kRespLeft = 56, kRespRight = 16, kRespTop = 12, kRespBottom = 66;
constexpr QRgb kRfBandShade = 0xFFE4ECF8;  // pale blue, as the spur chart's band
constexpr QRgb kWantedShade = 0x38000000;  // translucent black over the wanted band
constexpr QRgb kPassColor = 0xFF2E9E3E;
constexpr QRgb kFailColor = 0xFFD03030;
constexpr QRgb kNoLevelGrey = 0xFF909090;
constexpr QRgb kPreselectorColor = 0xFF0050D0;
constexpr QRgb kRequiredColor = 0xFFD00000;
constexpr QRgb kRespGrid = 0xFFD8D8D8;

QColor barColor(const ReceiverResponse& r) {
    if (r.wanted) return QColor::fromRgb(0xFF000000);
    if (!r.total) return QColor::fromRgb(kNoLevelGrey);
    return QColor::fromRgb(r.pass.value_or(false) ? kPassColor : kFailColor);
}

QString freqText(double f) { return QString::fromStdString(shortText(toSingle(f))); }
QString dbText(double db) { return QString::number(db, 'f', 1) + QStringLiteral(" dB"); }

} // namespace

ChartRange responsesInputRange(const std::vector<ReceiverResponse>& responses, double rfStart,
                               double rfStop) {
    double low = std::min(rfStart, rfStop), high = std::max(rfStart, rfStop);
    for (const ReceiverResponse& r : responses) {
        low = std::min(low, r.band.from);
        high = std::max(high, r.band.to);
    }
    if (!(high > low)) return rfRange(low, high);
    const double margin = (high - low) / 50;
    return {std::max(0.0, low - margin), high + margin};
}

ChartRange rejectionRange(const ResponsesChartData& data) {
    double low = std::min(0.0, data.required), high = std::max(0.0, data.required);
    const auto take = [&](double db) {
        if (!std::isfinite(db)) return;
        low = std::min(low, db);
        high = std::max(high, db);
    };
    for (const ReceiverResponse& r : data.responses)
        if (r.total) take(*r.total);
    for (const FilterPoint& p : data.preselector) take(p.loss);
    low = std::floor(low / 10) * 10;
    high = std::ceil((high + (high - low) * 0.05) / 10) * 10;
    return {low, std::max(high, low + 10)};
}

ResponsesChart::ResponsesChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartResponses"));
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResponsesChart::clear(const QString& note) {
    for (ResponseBar* b : bars_) delete b;
    bars_.clear();
    data_ = {};
    hasData_ = false;
    note_ = note;
    update();
}

void ResponsesChart::setData(ResponsesChartData data) {
    clear({});
    for (std::size_t k = 0; k < data.responses.size(); ++k)
        bars_.push_back(new ResponseBar(data.responses[k], int(k), this));
    data_ = std::move(data);
    hasData_ = true;
    update();
}

ChartMapping ResponsesChart::mapping(QSize size) const {
    const QRectF plot(kRespLeft, kRespTop, std::max(1.0, size.width() - kRespLeft - kRespRight),
                      std::max(1.0, size.height() - kRespTop - kRespBottom));
    return {plot, responsesInputRange(data_.responses, data_.rfStart, data_.rfStop), rejectionRange(data_)};
}

QRectF ResponsesChart::barRect(const ResponseBar& bar, QSize size) const {
    const ChartMapping map = mapping(size);
    const ReceiverResponse& r = bar.response();
    double left = map.x(r.band.from), right = map.x(r.band.to);
    if (right - left < kBarMinimumWidth) {
        const double centre = (left + right) / 2;
        left = centre - kBarMinimumWidth / 2;
        right = centre + kBarMinimumWidth / 2;
    }
    const double base = map.y(0);
    const double top = r.total ? map.y(*r.total) : map.plot().top();
    const QRectF rect = QRectF(QPointF(left, std::min(base, top)), QPointF(right, std::max(base, top)));
    // A zero total keeps its place on the base line as a flat bar.
    return rect.height() > 0 ? rect.intersected(map.plot())
                             : QRectF(std::max(left, map.plot().left()), base,
                                      std::min(right, map.plot().right()) - std::max(left, map.plot().left()), 0);
}

std::vector<const ResponseBar*> ResponsesChart::barsAt(QPointF pixel) const {
    std::vector<const ResponseBar*> hits;
    if (!hasData_) return hits;
    const ChartMapping map = mapping(size());
    if (!map.plot().contains(pixel)) return hits;
    for (const ResponseBar* b : bars_) {
        QRectF area = barRect(*b, size()).adjusted(-kBarReachPixels, -kBarReachPixels, kBarReachPixels,
                                                   kBarReachPixels);
        if (b->isWanted()) area.setCoords(area.left(), map.plot().top(), area.right(), map.plot().bottom());
        if (area.contains(pixel)) hits.push_back(b);
    }
    return hits;
}

QString ResponsesChart::hoverText(QPointF pixel) const {
    QStringList lines;
    const QString unit = QLatin1Char(' ') + data_.unit;
    for (const ResponseBar* b : barsAt(pixel)) {
        const ReceiverResponse& r = b->response();
        // "3 x 2" names its orders already.
        const QString orders = QStringLiteral("%1 x %2").arg(r.band.m).arg(r.band.n);
        QString line = QStringLiteral("%1 (%2): %3\u2013%4%5")
                           .arg(b->name(), b->name() == orders ? b->branch() : orders + QStringLiteral(", ") + b->branch(),
                                freqText(r.band.from), freqText(r.band.to), unit);
        if (!r.wanted) {
            line += QStringLiteral(", ") +
                    (r.total ? dbText(*r.total) + QStringLiteral(" (mixer ") + dbText(*r.mixer) +
                                   QStringLiteral(", preselector ") + dbText(r.preselector) + QLatin1Char(')')
                             : QStringLiteral("no level"));
            line += r.pass.value_or(false) ? QStringLiteral(", passes") : QStringLiteral(", fails");
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void ResponsesChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter, size());
}

void ResponsesChart::render(QPainter& painter, QSize size) const {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);
    if (!hasData_) {
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter | Qt::TextWordWrap, note_);
        painter.restore();
        return;
    }
    const ChartMapping map = mapping(size);
    const QRectF& plot = map.plot();
    // The RF band across the plot's height, under everything.
    const double rfLeft = std::clamp(map.x(std::min(data_.rfStart, data_.rfStop)), plot.left(), plot.right());
    const double rfRight = std::clamp(map.x(std::max(data_.rfStart, data_.rfStop)), plot.left(), plot.right());
    painter.fillRect(QRectF(rfLeft, plot.top(), std::max(1.0, rfRight - rfLeft), plot.height()),
                     QColor::fromRgb(kRfBandShade));
    paintAxes(painter, map);
    paintBars(painter, map, size);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLines(painter, map);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    paintLegend(painter, size);
    painter.restore();
}

void ResponsesChart::paintAxes(QPainter& painter, const ChartMapping& map) const {
    const QRectF& plot = map.plot();
    const QFontMetrics fm = painter.fontMetrics();
    const int decimals = std::max(0, decimalsFor(map.rf()) - 1);
    for (double t : niceTicks(map.rf(), std::max(2, int(plot.width() / 80)))) {
        const double x = map.x(t);
        painter.setPen(QColor::fromRgb(kRespGrid));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 40, plot.bottom() + 2, 80, fm.height()), Qt::AlignHCenter,
                         roundedText(t, decimals));
    }
    for (double t : niceTicks(map.out(), std::max(2, int(plot.height() / 32)))) {
        const double y = map.y(t);
        painter.setPen(t == 0 ? QColor(Qt::black) : QColor::fromRgb(kRespGrid));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - fm.height() / 2.0, plot.left() - 4, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, roundedText(t, 0));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 4, plot.width(), fm.height()),
                     Qt::AlignHCenter, QStringLiteral("Input frequency (") + data_.unit + QLatin1Char(')'));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -fm.height() / 2.0, plot.height(), fm.height()),
                     Qt::AlignCenter, QStringLiteral("Rejection (dB)"));
    painter.restore();
}

// The wanted band marked over the plot's height; the bars strongest first,
// so that the weak ones, which matter, lie on top.
void ResponsesChart::paintBars(QPainter& painter, const ChartMapping& map, QSize size) const {
    const QRectF& plot = map.plot();
    const QFontMetrics fm = painter.fontMetrics();
    for (const ResponseBar* b : bars_) {
        if (!b->isWanted()) continue;
        const QRectF r = barRect(*b, size);
        painter.fillRect(QRectF(r.left(), plot.top(), r.width(), plot.height()), QColor::fromRgba(kWantedShade));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(r.center().x() - 40, plot.top() + 2, 80, fm.height()), Qt::AlignHCenter,
                         QStringLiteral("wanted"));
    }
    for (auto it = bars_.rbegin(); it != bars_.rend(); ++it) {
        const ResponseBar& b = **it;
        if (b.isWanted()) continue;
        const QRectF r = barRect(b, size);
        QColor fill = barColor(b.response());
        fill.setAlpha(150);
        const bool noLevel = !b.response().total;
        painter.setBrush(noLevel ? QBrush(fill, Qt::BDiagPattern) : QBrush(fill));
        painter.setPen(QPen(barColor(b.response()), 1, noLevel ? Qt::DashLine : Qt::SolidLine));
        if (r.height() > 0) painter.drawRect(r);
        else painter.drawLine(r.topLeft(), r.topRight());
    }
    painter.setBrush(Qt::NoBrush);
}

void ResponsesChart::paintLines(QPainter& painter, const ChartMapping& map) const {
    const QRectF& plot = map.plot();
    const auto clampY = [&](double y) { return std::clamp(y, plot.top(), plot.bottom()); };
    if (!data_.preselector.empty()) {
        QPainterPath path;
        bool first = true;
        for (const FilterPoint& p : data_.preselector) {
            const double x = map.x(p.frequency);
            if (x < plot.left() || x > plot.right()) continue;
            const QPointF at(x, clampY(map.y(p.loss)));
            if (first) path.moveTo(at);
            else path.lineTo(at);
            first = false;
        }
        painter.setPen(QPen(QColor::fromRgb(kPreselectorColor), 1.5));
        painter.drawPath(path);
    }
    const double y = clampY(map.y(data_.required));
    painter.setPen(QPen(QColor::fromRgb(kRequiredColor), 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.drawText(QRectF(plot.left() + 4, y - painter.fontMetrics().height() - 1, plot.width() - 8,
                            painter.fontMetrics().height()),
                     Qt::AlignRight, QStringLiteral("required ") + dbText(data_.required));
}

// One row under the axis title: what each mark means.
void ResponsesChart::paintLegend(QPainter& painter, QSize size) const {
    const QFontMetrics fm = painter.fontMetrics();
    const double y = size.height() - fm.height() / 2.0 - 6;
    double x = kRespLeft;
    const auto swatch = [&](const QBrush& brush, const QPen& pen, const QString& text) {
        painter.setBrush(brush);
        painter.setPen(pen);
        painter.drawRect(QRectF(x, y - 5, 14, 10));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 18, y + fm.ascent() / 2.0 - 1), text);
        x += 18 + fm.horizontalAdvance(text) + 14;
    };
    const auto line = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 24, y + fm.ascent() / 2.0 - 1), text);
        x += 24 + fm.horizontalAdvance(text) + 14;
    };
    swatch(QColor::fromRgb(kPassColor), QColor::fromRgb(kPassColor), QStringLiteral("passes"));
    swatch(QColor::fromRgb(kFailColor), QColor::fromRgb(kFailColor), QStringLiteral("fails"));
    swatch(QBrush(QColor::fromRgb(kNoLevelGrey), Qt::BDiagPattern),
           QPen(QColor::fromRgb(kNoLevelGrey), 1, Qt::DashLine), QStringLiteral("no level"));
    swatch(QColor::fromRgba(kWantedShade), Qt::NoPen, QStringLiteral("wanted"));
    swatch(QColor::fromRgb(kRfBandShade), QColor(160, 176, 200), QStringLiteral("RF band"));
    line(QPen(QColor::fromRgb(kPreselectorColor), 1.5), QStringLiteral("preselector"));
    line(QPen(QColor::fromRgb(kRequiredColor), 1, Qt::DashLine), QStringLiteral("required"));
    painter.setBrush(Qt::NoBrush);
}

bool ResponsesChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = hoverText(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        const int reach = int(kBarReachPixels);
        QToolTip::showText(help->globalPos(), text, this,
                           QRect(help->pos() - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1)));
    }
    return true;
}

} // namespace kestrel::display
