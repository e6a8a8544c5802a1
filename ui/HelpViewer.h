#pragma once
// The program's help: a top-level window that shows the manual, an HTML
// file installed with the program.

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace kestrel::ui {

// Where the help file named `fileName` is looked for: beside the executable
// (the build tree), then in the shared data folder of an installation.
QStringList helpFileCandidates(const QString& fileName);
// The first candidate that exists, else the first candidate.
QString locateHelpFile(const QString& fileName);

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // `path` is the help file; it is read each time the viewer opens.
    explicit HelpViewer(QString path, QWidget* parent = nullptr);

    // Loads the manual (or says it is missing) unless the window is already
    // open, and brings the window to the front.
    void showHelp();

    QTextBrowser* browser() const { return browser_; }

private:
    void load();

    QString path_;
    QTextBrowser* browser_;
};

} // namespace kestrel::ui
