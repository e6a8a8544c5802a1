#include "ui/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/WindowCentring.h"

namespace kestrel::ui {

QStringList helpFileCandidates(const QString& fileName) {
    const QDir exe(QCoreApplication::applicationDirPath());
    return {exe.filePath(fileName), exe.filePath(QStringLiteral("../share/kestrel/") + fileName)};
}

QString locateHelpFile(const QString& fileName) {
    const QStringList candidates = helpFileCandidates(fileName);
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return QDir::cleanPath(path);
    return candidates.front();
}

HelpViewer::HelpViewer(QString path, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(path)), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("Kestrel II Help"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
    // Esc closes the manual, as it closes every other window of the program;
    // the browser has no use for the key itself.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpViewer::showHelp() {
    // An open viewer keeps the page and the place the user chose.
    if (!isVisible()) {
        load();
        centreOnScreen(this);
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void HelpViewer::load() {
    const QFileInfo file(path_);
    if (!file.isFile()) {
        // The viewer itself tells the user; the program goes on.
        browser_->clear();
        browser_->setPlainText(QStringLiteral("Help file %1 not found").arg(file.fileName()));
        setWindowTitle(QStringLiteral("Kestrel II Help"));
        return;
    }
    // The .HLP name says nothing about the content: tell the browser it is
    // HTML. Reloaded from the top, so that a manual edited since shows.
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()), QTextDocument::HtmlResource);
    browser_->reload();
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Kestrel II Help") : title);
}

} // namespace kestrel::ui
