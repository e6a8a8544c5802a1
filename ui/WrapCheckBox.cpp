#include "ui/WrapCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace kestrel::ui {

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    // Indicator only, then the caption wrapped beside it.
    QStyleOptionButton indicator = opt;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &indicator, &p, this);
    const QRect textRect = rect().adjusted(indicator.rect.right() + 3, 0, 0, 0);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    // Shrink the face a little where the wrapped caption would be cut off.
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap;
    QFont f = font();
    for (int i = 0; i < 4; ++i) {
        const QRect need = QFontMetrics(f).boundingRect(textRect, flags, caption);
        if (need.width() <= textRect.width() && need.height() <= textRect.height()) break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    p.setFont(f);
    p.drawText(textRect, flags, caption);
}

} // namespace kestrel::ui
