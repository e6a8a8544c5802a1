#pragma once
// Enter and Return press the push button that has the focus, as Space does.
// Qt gives them to a button only in a dialog (auto-default buttons); the
// program's windows are no dialogs.

class QObject;

namespace kestrel::ui {

// For every window of the application, for as long as `owner` lives.
void pressButtonsOnEnter(QObject* owner);

} // namespace kestrel::ui
