#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kestrel::guitest {

void showAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window, 1000);
}

void closeAllTopLevels() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->close();
    QApplication::processEvents();
}

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer)
    : answer_(answer), timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this] { poll(); });
    timer_->start(5);
}

BoxAnswerer::~BoxAnswerer() { delete timer_; }

void BoxAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->standardButton(box->defaultButton())});
    if (QAbstractButton* button = box->button(answer_))
        button->click();
    else
        box->reject();
}

} // namespace kestrel::guitest
