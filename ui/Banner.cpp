#include "ui/Banner.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/Fonts.h"

namespace kestrel::ui {

QPixmap makeBanner(QSize size) {
    QPixmap pix(size);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, size.width(), 0);
    sky.setColorAt(0, QColor(0, 0, 96));
    sky.setColorAt(1, QColor(0, 90, 140));
    p.fillRect(pix.rect(), sky);

    // A small spectrum: a wanted line and its spurs rising from a baseline.
    const int base = size.height() - 8;
    const int x0 = size.width() - 150;
    static constexpr int heights[] = {12, 20, 9, 44, 16, 27, 8, 14, 22, 10};
    for (int i = 0; i < 10; ++i) {
        p.setPen(QPen(i == 3 ? QColor(0, 255, 0) : QColor(120, 220, 255), 2));
        p.drawLine(x0 + 14 * i, base, x0 + 14 * i, base - heights[i]);
    }
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(x0 - 6, base, size.width() - 6, base);

    QFont title = plainFont();
    title.setPointSize(20);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(12, 2, x0 - 20, size.height() / 2 + 8), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("KESTREL II"));
    QFont sub = plainFont();
    sub.setPointSize(9);
    p.setFont(sub);
    p.setPen(QColor(200, 230, 255));
    p.drawText(QRect(14, size.height() / 2 + 6, x0 - 20, size.height() / 2 - 8),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mixer spurious analysis  \u2022  m\u00b7LO \u00b1 n\u00b7RF"));
    return pix;
}

} // namespace kestrel::ui
