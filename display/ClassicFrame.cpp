#include "display/ClassicFrame.h"

#include <QPainter>

namespace kestrel::display {

ClassicFrame::ClassicFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void ClassicFrame::paintFrame(QPainter& painter, const QWidget& frame, const QString& caption,
                              const QColor& background) {
    const QFontMetrics fm(frame.font());
    const QPalette& pal = frame.palette();
    // The border runs through the middle of the caption's line.
    const QRect border = frame.rect().adjusted(0, fm.height() / 2, -2, -2);
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (caption.isEmpty()) return;
    const QRect text(6, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    painter.fillRect(text, background);
    painter.setFont(frame.font()); // a pixmap's painter does not inherit it
    painter.setPen(pal.color(frame.isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

void ClassicFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, *this, title(), palette().color(QPalette::Window));
}

} // namespace kestrel::display
