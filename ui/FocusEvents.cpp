#include "ui/FocusEvents.h"

#include <QFocusEvent>
#include <QWidget>

namespace kestrel::ui {
namespace {

bool isUserFocusChange(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: return true;
    default: return false;
    }
}

} // namespace

void FocusEvents::onGotFocus(QWidget* w, Handler h) {
    got_.insert(w, std::move(h));
    w->installEventFilter(this);
}

void FocusEvents::onLostFocus(QWidget* w, Handler h) {
    lost_.insert(w, std::move(h));
    w->installEventFilter(this);
}

void FocusEvents::run(const QHash<QObject*, Handler>& handlers, QObject* watched) {
    const auto it = handlers.find(watched);
    if (it == handlers.end() || running_ == watched) return;
    QObject* const outer = running_;
    running_ = watched;
    const Handler handler = it.value(); // the table may change while it runs
    handler();
    running_ = outer;
}

bool FocusEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::FocusIn || type == QEvent::FocusOut) && !suppressed_ &&
        isUserFocusChange(static_cast<QFocusEvent*>(event)->reason()))
        run(type == QEvent::FocusIn ? got_ : lost_, watched);
    return QObject::eventFilter(watched, event);
}

} // namespace kestrel::ui
