#include <QApplication>
#include <QIcon>

#include "ui/frmKestrel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name titles the boxes that have no title of their own.
    QApplication::setApplicationName(QStringLiteral("Kestrel II"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.png")));
    frmKestrel window;
    window.show();
    return app.exec();
}
