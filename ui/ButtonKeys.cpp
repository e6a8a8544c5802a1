#include "ui/ButtonKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kestrel::ui {
namespace {

class ButtonKeys : public QObject {
public:
    explicit ButtonKeys(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        // Dialog buttons handle the keys themselves.
        if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void pressButtonsOnEnter(QObject* owner) { new ButtonKeys(owner); }

} // namespace kestrel::ui
