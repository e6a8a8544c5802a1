#pragma once
// Got-focus and lost-focus handlers for named controls. Only focus changes
// that the user makes count: a message box or popup taking the focus is not
// the user leaving a field.

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace kestrel::ui {

class FocusEvents : public QObject {
public:
    using Handler = std::function<void()>;

    explicit FocusEvents(QObject* parent) : QObject(parent) {}

    void onGotFocus(QWidget* w, Handler h);
    void onLostFocus(QWidget* w, Handler h);

    // While the program itself moves the focus (it calls the handlers
    // directly then), focus events run nothing.
    void setSuppressed(bool suppressed) { suppressed_ = suppressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const QHash<QObject*, Handler>& handlers, QObject* watched, bool leaving,
             Qt::FocusReason reason);
    void swallowPendingClick();

    QHash<QObject*, Handler> got_;
    QHash<QObject*, Handler> lost_;
    QObject* running_ = nullptr; // guards against re-entry from a nested exec()
    bool suppressed_ = false;
};

} // namespace kestrel::ui
