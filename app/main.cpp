#include <QApplication>
#include <QIcon>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "ui/CommandLine.h"
#include "ui/frmKestrel.h"

int main(int argc, char* argv[]) {
    // Answered before QApplication exists, so that they need no display.
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    if (const auto answer = kestrel::ui::answerCommandLine(args)) {
        std::fputs(answer->text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? answer->exitStatus : 1;
    }

    QApplication app(argc, argv);
    // The name titles the boxes that have no title of their own.
    QApplication::setApplicationName(QStringLiteral("Kestrel II"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestrel::ui::kProgramVersion.data(),
                                                            qsizetype(kestrel::ui::kProgramVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.png")));
    frmKestrel window;
    window.show();
    return app.exec();
}
