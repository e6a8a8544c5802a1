#include "display/LineShape.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel::display {
bool clipSegment(QLineF& line, const QRectF& r) {
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
                        r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF a = line.p1();
    line = QLineF(a.x() + t0 * dx, a.y() + t0 * dy, a.x() + t1 * dx, a.y() + t1 * dy);
    return true;
}

LineShape::LineShape(const LineSpec& spec, QWidget* canvas, LineHost* host)
    : QObject(canvas), host_(host), x1_(toSingle(spec.x1)), y1_(toSingle(spec.y1)),
      x2_(toSingle(spec.x2)), y2_(toSingle(spec.y2)), visible_(spec.visible),
      color_(spec.buttonShadow ? canvas->palette().color(QPalette::Dark) : QColor(spec.color)),
      width_(spec.width), style_(spec.style) {
    setObjectName(QString::fromLatin1(spec.name.data(), qsizetype(spec.name.size())));
}

void LineShape::changed() {
    if (host_) host_->lineChanged(*this);
}

void LineShape::set(float& field, double v) {
    const float f = toSingle(v);
    if (f == field) return;
    field = f;
    changed();
}

void LineShape::setX1(double v) { set(x1_, v); }
void LineShape::setY1(double v) { set(y1_, v); }
void LineShape::setX2(double v) { set(x2_, v); }
void LineShape::setY2(double v) { set(y2_, v); }

void LineShape::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

void LineShape::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    changed();
}

void LineShape::setWidth(int w) {
    if (w == width_) return;
    width_ = w;
    changed();
}

void LineShape::setPenStyle(int s) {
    if (Qt::PenStyle(s) == style_) return;
    style_ = Qt::PenStyle(s);
    changed();
}

void LineShape::placeAt(float x) {
    if (visible_ && x1_ == x && x2_ == x) return;
    visible_ = true;
    x1_ = x2_ = x;
    changed();
}

void LineShape::setFailsLimit(bool fails) {
    if (fails == failsLimit_) return;
    failsLimit_ = fails;
    changed();
}

void LineShape::paint(QPainter& painter, const QRectF& clip) const {
    if (!visible_) return;
    QLineF line(x1_ / kTwipsPerPixel, y1_ / kTwipsPerPixel, x2_ / kTwipsPerPixel,
                y2_ / kTwipsPerPixel);
    // NaN ends or ends beyond the clip are cut here, not by the rasterizer.
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) ||
        !std::isfinite(line.y2()))
        return;
    const double margin = width_ + 1;
    if (!clipSegment(line, clip.adjusted(-margin, -margin, margin, margin))) return;
    QPen pen(color(), width_, style_, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(line);
}

} // namespace kestrel::display
