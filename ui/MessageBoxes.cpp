#include "ui/MessageBoxes.h"

namespace kestrel::ui {

namespace {
std::function<void()>& helpOpener() {
    static std::function<void()> open;
    return open;
}
int boxesShown = 0;
} // namespace

int messageBoxCount() { return boxesShown; }

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    ++boxesShown;
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // Qt finds no Escape answer among Ok and Help: Escape is Ok (quick help).
    if (buttons == (QMessageBox::Ok | QMessageBox::Help)) box.setEscapeButton(QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showNumericCheck(QWidget* parent) {
    showMessage(parent, QStringLiteral("Please Use Numeric Values Only"),
                QStringLiteral("Numeric Check"), QMessageBox::Critical);
}

QString quickHelpPrompt(const QString& text, const QString& tutorial) {
    if (tutorial.isEmpty()) return text;
    return text + QStringLiteral("\r\n\r\n\r\n") + tutorial;
}

void showQuickHelp(QWidget* parent, const QString& text, const QString& tutorial) {
    const auto answer = showMessage(parent, quickHelpPrompt(text, tutorial), QStringLiteral("QwkHelp"),
                                    QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Help);
    if (answer == QMessageBox::Help) openHelp();
}

void setHelpOpener(std::function<void()> open) { helpOpener() = std::move(open); }

void openHelp() {
    if (helpOpener()) helpOpener()();
}

} // namespace kestrel::ui
