#include "ui/FocusEvents.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

#include "ui/MessageBoxes.h"

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

bool isClickPart(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

// Eats the parts of one click on any widget until the event loop runs again.
class ClickEater : public QObject {
public:
    explicit ClickEater(QObject* parent) : QObject(parent) {
        qApp->installEventFilter(this);
        // The press that moved the focus is delivered right after its focus
        // change, before the event loop runs again.
        QTimer::singleShot(0, this, [this] { deleteLater(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return isClickPart(event->type()) && watched->isWidgetType();
    }
};

} // namespace

void FocusEvents::onGotFocus(QWidget* w, Handler h) {
    got_.insert(w, std::move(h));
    w->installEventFilter(this);
}

void FocusEvents::onLostFocus(QWidget* w, Handler h) {
    lost_.insert(w, std::move(h));
    w->installEventFilter(this);
}

void FocusEvents::run(const QHash<QObject*, Handler>& handlers, QObject* watched, bool leaving,
                      Qt::FocusReason reason) {
    const auto it = handlers.find(watched);
    if (it == handlers.end() || running_ == watched) return;
    // A leave handler that moves the focus back, or the focus shuffling of
    // its message box, is not the user leaving another field.
    if (leaving && running_) return;
    QObject* const outer = running_;
    running_ = watched;
    const int boxesBefore = messageBoxCount();
    const Handler handler = it.value(); // the table may change while it runs
    handler();
    running_ = outer;
    // A box took the pointer away from the click that left the field: that
    // click does nothing more, as if the box had been there first.
    if (leaving && reason == Qt::MouseFocusReason && messageBoxCount() != boxesBefore)
        swallowPendingClick();
}

void FocusEvents::swallowPendingClick() { new ClickEater(this); }

bool FocusEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::FocusIn || type == QEvent::FocusOut) && !suppressed_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A hidden control, or one of a closed window, loses the focus
        // without the user leaving it.
        const bool leaving = type == QEvent::FocusOut;
        // Opening a drop-down list moves the focus into its popup (first with
        // the popup reason, then with "other"): the field is still in use.
        const bool intoPopup = leaving && QApplication::activePopupWidget();
        if (isUserFocusChange(reason) && !intoPopup && static_cast<QWidget*>(watched)->isVisible()) {
            run(leaving ? lost_ : got_, watched, leaving, reason);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrel::ui
