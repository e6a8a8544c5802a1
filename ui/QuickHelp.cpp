#include "ui/QuickHelp.h"

#include <QMouseEvent>
#include <QWidget>

#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

namespace kestrel::ui {

QuickHelp::QuickHelp(QObject* parent) : QObject(parent) {}

void QuickHelp::attach(QWidget* window, std::span<const QuickHelpEntry> table) {
    for (const QuickHelpEntry& entry : table) {
        QWidget* control = window->findChild<QWidget*>(qstr(entry.control));
        if (!control || watched_.contains(control)) continue;
        control->installEventFilter(this);
        watched_.insert(control, &entry);
        connect(control, &QObject::destroyed, this, [this](QObject* gone) { watched_.remove(gone); });
    }
}

bool QuickHelp::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left press and release on the control; releasing
    // elsewhere after pressing here is no click.
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* control = qobject_cast<QWidget*>(watched);
    const QuickHelpEntry* entry = watched_.value(watched);
    if (!entry || !control || mouse->button() != Qt::LeftButton ||
        !control->rect().contains(mouse->position().toPoint()))
        return false;
    showQuickHelp(control->window(), qstr(entry->text), qstr(entry->tutorial));
    return true;
}

} // namespace kestrel::ui
