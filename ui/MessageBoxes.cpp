#include "ui/MessageBoxes.h"

namespace kestrel::ui {

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showNumericCheck(QWidget* parent) {
    showMessage(parent, QStringLiteral("Please Use Numeric Values Only"),
                QStringLiteral("Numeric Check"), QMessageBox::Critical);
}

} // namespace kestrel::ui
