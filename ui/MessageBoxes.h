#pragma once
// The program's message boxes: real modal QMessageBoxes with fixed texts.

#include <QMessageBox>

namespace kestrel::ui {

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton =
                                            QMessageBox::NoButton);

// "Please Use Numeric Values Only", the error every numeric check shows.
void showNumericCheck(QWidget* parent);

} // namespace kestrel::ui
