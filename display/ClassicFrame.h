#pragma once
// A frame that draws its caption on its top border line, so that controls
// placed near its top sit inside the border.

#include <QGroupBox>

namespace kestrel::display {

class ClassicFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ClassicFrame(const QString& caption, QWidget* parent = nullptr);

    // The etched border and the caption over it, in the widget's palette and
    // font; `background` fills behind the caption.
    static void paintFrame(QPainter& painter, const QWidget& frame, const QString& caption,
                           const QColor& background);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrel::display
