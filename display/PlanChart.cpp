#include "display/PlanChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "display/ChartGeometry.h"
#include "engine/NumberText.h"

namespace kestrel::display {
namespace {

constexpr double kTopDbc = 10;
constexpr double kBottomDbc = -120;
constexpr int kMarginLeft = 44, kMarginRight = 12, kMarginTop = 10, kMarginBottom = 34;

} // namespace

PlanChart::PlanChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartPlan"));
    setMinimumSize(320, 160);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PlanChart::setData(PlanChartData data) {
    data_ = std::move(data);
    update();
}

void PlanChart::clear() { setData({}); }

void PlanChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF plot(kMarginLeft, kMarginTop, width() - kMarginLeft - kMarginRight,
                      height() - kMarginTop - kMarginBottom);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(plot);
    const auto yOf = [&](double dbc) {
        const double clamped = std::clamp(dbc, kBottomDbc, kTopDbc);
        return plot.top() + (kTopDbc - clamped) / (kTopDbc - kBottomDbc) * plot.height();
    };
    // Level scale every 20 dB.
    p.setFont(QFont(font().family(), 8));
    for (int dbc = 0; dbc >= kBottomDbc; dbc -= 20) {
        const double y = yOf(dbc);
        p.setPen(QColor(224, 224, 224));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - 8, kMarginLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(dbc));
    }
    if (data_.points.empty()) return;

    const double first = data_.points.front().candidate, last = data_.points.back().candidate;
    const double span = last - first;
    const auto xOf = [&](double c) {
        return span == 0 ? plot.center().x() : plot.left() + (c - first) / span * plot.width();
    };
    // Round values of the candidate axis, under everything drawn.
    const std::vector<double> ticks =
        niceTicks({std::min(first, last), std::max(first, last)}, std::max(2, int(plot.width() / 80)));
    p.setPen(QColor(224, 224, 224));
    for (double t : ticks) p.drawLine(QPointF(xOf(t), plot.top()), QPointF(xOf(t), plot.bottom()));
    const double half = data_.points.size() > 1 ? plot.width() / (2.0 * (data_.points.size() - 1)) : 2;
    // Clean candidates shaded green, each to half way to its neighbours.
    for (const PlanPoint& pt : data_.points)
        if (pt.clean) p.fillRect(QRectF(xOf(pt.candidate) - half, plot.top(), 2 * half, plot.height()),
                                 QColor(0, 200, 0, 90));

    // The worst level, broken where a candidate is no valid plan.
    QPainterPath path;
    bool drawing = false;
    for (const PlanPoint& pt : data_.points) {
        if (!pt.valid) {
            drawing = false;
            continue;
        }
        const double level = pt.worstHasNoLevel ? kTopDbc : pt.worst.value_or(kBottomDbc);
        const QPointF at(xOf(pt.candidate), yOf(level));
        if (drawing) path.lineTo(at);
        else path.moveTo(at);
        drawing = true;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 0, 0), 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), yOf(data_.threshold)), QPointF(plot.right(), yOf(data_.threshold)));

    // The candidate axis at round values, and its ends where they have room.
    const auto label = [](double v) { return QString::fromStdString(generalText(v)); };
    const double base = plot.bottom() + 2;
    const QFontMetrics fm(p.font());
    std::vector<std::pair<double, QString>> labels;
    for (double t : ticks) labels.emplace_back(xOf(t), label(t));
    for (double end : {first, last}) {
        const QString text = label(end);
        const double x = xOf(end);
        const bool crowded = std::any_of(labels.begin(), labels.end(), [&](const auto& l) {
            return std::fabs(l.first - x) < (fm.horizontalAdvance(text) + fm.horizontalAdvance(l.second)) / 2.0 + 6;
        });
        if (!crowded) labels.emplace_back(x, text);
    }
    p.setPen(Qt::black);
    for (const auto& [x, text] : labels)
        p.drawText(QRectF(x - 40, base, 80, 14), Qt::AlignHCenter | Qt::AlignTop, text);
    p.drawText(QRectF(plot.left(), base + 14, plot.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
               data_.axisTitle + QStringLiteral(": worst counted level (dBc)"));
}

} // namespace kestrel::display
