#include <QApplication>

#include "ui/frmKestrel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmKestrel window;
    window.show();
    return app.exec();
}
