#pragma once
// Reads what a solve needs from the main window's fields. A field that holds
// no number, or a design whose steps or tracking LO would leave the single
// range, is refused before anything changes: the user is told, and the focus
// goes to the field to mend.

#include <QHash>
#include <QString>
#include <optional>

#include "engine/SpurSolver.h"

class QWidget;

namespace kestrel::ui {

class SolveInputReader {
public:
    // window: parent of the message box; controls: the window's controls by name.
    SolveInputReader(QWidget* window, QHash<QString, QWidget*> controls)
        : window_(window), controls_(std::move(controls)) {}

    std::optional<SolveInput> read() const;

private:
    template <class T> T* control(const char* name) const;

    QWidget* window_;
    QHash<QString, QWidget*> controls_;
};

} // namespace kestrel::ui
