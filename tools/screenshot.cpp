// Grabs the main window as a user sees it after "Solve  Matrix" and
// "Sweep " on the default design, and saves it as a PNG.
// Usage: kestrel_screenshot OUT.png [about.png]

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "ui/frmAboutKestrel.h"
#include "ui/frmKestrel.h"

namespace {

void press(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QLatin1String(name));
    if (button && button->isEnabled()) button->click();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [about.png]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel II"));
    frmKestrel window;
    window.show();
    QApplication::processEvents();

    press(&window, "cmdCalculate");
    press(&window, "cmdSweep"); // runs to its end before returning

    int failures = 0;
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        ++failures;
    }
    if (argc > 2) {
        window.mnuAboutKestrel_Click();
        QApplication::processEvents();
        if (!window.aboutWindow()->grab().save(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
