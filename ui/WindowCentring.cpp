#include "ui/WindowCentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QRect>
#include <algorithm>

namespace kestrel::ui {
namespace {

// Outer size and position last centred for. A window that learns its frame
// later gets a second placement; one that the window system shows elsewhere
// than asked (a hidden window's move can miss by its frame) is put back, a
// few times at most, until it has been where it belongs or activated: from
// then on where it sits is the user's business.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }
    void centre() {
        corrections_ = 0;
        place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate: settle(event->type() == QEvent::WindowActivate); break;
        case QEvent::Hide: armed_ = false; break;
        default: break;
        }
        return false;
    }

private:
    static constexpr int kCorrections = 3;

    void settle(bool activated) {
        if (!armed_ || !window_->isVisible()) return;
        // Shown again, the window passes through a 1 x 1 frame at 0, 0
        // before its real one is known: nothing to place by.
        const QSize frame = window_->frameGeometry().size();
        if (frame.width() < window_->width() || frame.height() < window_->height()) return;
        if (frame != used_) {
            place();
        } else if (window_->frameGeometry().topLeft() != wanted_ && corrections_ < kCorrections) {
            ++corrections_;
            place();
        }
        // Where it belongs: later moves are not ours to undo.
        if (activated || window_->frameGeometry() == QRect(wanted_, used_)) corrections_ = kCorrections;
    }

    void place() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        const QRect s = screen->geometry();
        const QRect free = screen->availableGeometry(); // without the desktop's panels
        used_ = window_->frameGeometry().size().expandedTo(window_->size());
        // Top first, then left, both from the outer size; kept inside the
        // free area where it fits, and its title bar and menu always.
        const auto within = [](int centred, int freeStart, int freeLength, int length) {
            return std::max(std::min(centred, freeStart + freeLength - length), freeStart);
        };
        const int top = within(s.y() + (s.height() - used_.height()) / 2, free.y(), free.height(),
                               used_.height());
        const int left = within(s.x() + (s.width() - used_.width()) / 2, free.x(), free.width(),
                                used_.width());
        wanted_ = QPoint(left, top);
        window_->move(wanted_);
        armed_ = true;
    }

    QWidget* window_;
    QSize used_;
    QPoint wanted_;
    int corrections_ = 0;
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

void placeToolBeside(QWidget& tool, const QWidget& window, int minimumWidth) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect main = window.frameGeometry();
    // Before its first show the tool has no frame yet: allow for one.
    constexpr int kBorders = 8, kTitleBar = 40;
    const int wanted = tool.width() + kBorders;
    const int right = room.right() - main.right(), left = main.left() - room.left();
    const int top = std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() - kTitleBar));
    int width = tool.width();
    int x = main.right() + 1;
    if (right >= wanted) {
    } else if (left >= wanted) {
        x = main.left() - wanted;
    } else {
        const int side = std::max(right, left);
        width = std::max(side - kBorders, minimumWidth);
        x = side < width + kBorders ? room.right() - width - kBorders
            : right >= left       ? main.right() + 1
                                  : main.left() - width - kBorders;
    }
    const int height = std::min(std::max(tool.height(), main.height() - kTitleBar), room.height() - kTitleBar);
    tool.resize(width, height);
    tool.move(x, top);
}

void bringUp(QWidget& window, QWidget& firstInput, bool centre) {
    const bool opening = !window.isVisible();
    if (opening && centre) centreOnScreen(&window);
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (opening) firstInput.setFocus(Qt::OtherFocusReason);
}

} // namespace kestrel::ui
