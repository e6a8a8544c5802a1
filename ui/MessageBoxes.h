#pragma once
// The program's message boxes: real modal QMessageBoxes with fixed texts.

#include <QMessageBox>
#include <functional>

namespace kestrel::ui {

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton =
                                            QMessageBox::NoButton);

// How many message boxes have been shown so far: lets a caller tell whether
// something it ran put a box in the user's way.
int messageBoxCount();

// "Please Use Numeric Values Only", the error every numeric check shows.
void showNumericCheck(QWidget* parent);

// Quick help: the text, three CR LF pairs and the tutorial line (when there
// is one), title "QwkHelp", no icon, Ok and Help.
QString quickHelpPrompt(const QString& text, const QString& tutorial);
void showQuickHelp(QWidget* parent, const QString& text, const QString& tutorial);

// What the Help button of a quick-help box opens. Until the help viewer is
// wired in, Help just closes the box.
void setHelpOpener(std::function<void()> open);
void openHelp();

} // namespace kestrel::ui
