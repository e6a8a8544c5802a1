#pragma once
// The reactions of the main window's input fields: leave-field checks,
// invalidating a stale matrix, the LO mode switch and the double-click
// quick-fills. Which control reacts to which event is a table in the .cpp.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

#include "engine/SpurSolver.h"

class QLineEdit;
class QWidget;

namespace kestrel::ui {

class FocusEvents;
struct FieldSpec;

class InputFields : public QObject {
public:
    // `invalidate` disables the replay buttons; `state` is the working state
    // whose IFStop the marker check may seed.
    InputFields(QWidget* window, const QHash<QString, QWidget*>& controls, FocusEvents& focus,
                WorkingState& state, std::function<void()> invalidate);

    // Fixed LO frequency or tracking offset: the two fields share one place.
    void chkOffset_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leave(const FieldSpec& spec);
    // The numeric check with the sign check; true when the text is a number.
    bool numericAndSignCheck(QLineEdit* field);
    bool numericCheck(QLineEdit* field);
    void loOffsetCheck(QLineEdit* field);
    void seedIFStop();
    void doubleClick(const FieldSpec& spec);
    void error(const QString& text, const QString& title);

    QLineEdit* text(std::string_view name) const;
    QWidget* widget(std::string_view name) const;

    QWidget* window_;
    QHash<QString, QWidget*> controls_;
    FocusEvents& focus_;
    WorkingState& state_;
    std::function<void()> invalidate_;
    QHash<QObject*, const FieldSpec*> quickFills_;
};

} // namespace kestrel::ui
