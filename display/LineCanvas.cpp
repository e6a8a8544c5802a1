#include "display/LineCanvas.h"

#include <QPainter>

namespace kestrel::display {

LineCanvas::LineCanvas(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void LineCanvas::addLines(std::span<const LineSpec> table) {
    for (const LineSpec& spec : table) lines_.push_back(new LineShape(spec, this, this));
    update();
}

void LineCanvas::lineChanged(const LineShape&) { update(); }

void LineCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const LineShape* line : lines_) line->paint(painter, rect());
}

} // namespace kestrel::display
