#include "ui/WindowCentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kestrel::ui {
namespace {

// Outer size last centred for; a window that learns its frame later gets a
// second placement.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }
    void centre() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        const QRect s = screen->geometry();
        used_ = window_->frameGeometry().size();
        // Top first, then left, both from the outer size.
        const int top = s.y() + (s.height() - used_.height()) / 2;
        const int left = s.x() + (s.width() - used_.width()) / 2;
        window_->move(left, top);
        armed_ = true;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            if (armed_ && window_->isVisible() && window_->frameGeometry().size() != used_) centre();
            break;
        case QEvent::Hide: armed_ = false; break;
        default: break;
        }
        return false;
    }

private:
    QWidget* window_;
    QSize used_;
    bool armed_ = false;
};

} // namespace

void centreOnScreen(QWidget* window) {
    FrameWatch* watch = nullptr;
    for (QObject* child : window->children())
        if ((watch = dynamic_cast<FrameWatch*>(child))) break;
    if (!watch) watch = new FrameWatch(window);
    watch->centre();
}

} // namespace kestrel::ui
