#pragma once
// A check box whose caption wraps onto a second line inside its rectangle,
// as "Calculate SUM ONLY" does in its narrow slot.

#include <QCheckBox>

namespace kestrel::ui {

class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrel::ui
