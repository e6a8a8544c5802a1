#pragma once
// A control of a planning window, created with its object name: the name
// is how the window's controls are found, by tests and scripted checks.

#include <QString>
#include <QWidget>
#include <utility>

namespace kestrel::ui {

template <class Control, class... Args>
Control* namedControl(QWidget* parent, const char* name, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace kestrel::ui
