#pragma once
// Helpers for driving windows offscreen: activation, answering modal boxes,
// finding controls by name.

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace kestrel::guitest {

// Shows the window and makes it the active one.
void showAndActivate(QWidget* window);

// Closes every top-level window, so that tests do not see each other.
void closeAllTopLevels();

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers every message box that opens while it lives, pressing `answer`,
// and records what each box said.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~BoxAnswerer();
    const std::vector<BoxSeen>& seen() const { return seen_; }

private:
    void poll();
    QMessageBox::StandardButton answer_;
    std::vector<BoxSeen> seen_;
    class QTimer* timer_;
};

template <class T> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

} // namespace kestrel::guitest
