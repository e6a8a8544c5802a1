#include "display/PlanChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

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

    p.setPen(Qt::black);
    const auto label = [](double v) { return QString::fromStdString(generalText(v)); };
    const double base = plot.bottom() + 2;
    p.drawText(QRectF(plot.left() - 40, base, 80, 14), Qt::AlignHCenter | Qt::AlignTop, label(first));
    p.drawText(QRectF(plot.right() - 40, base, 80, 14), Qt::AlignHCenter | Qt::AlignTop, label(last));
    p.drawText(QRectF(plot.left(), base + 14, plot.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
               data_.axisTitle + QStringLiteral(": worst counted level (dBc)"));
}

} // namespace kestrel::display
