#include "ui/FormPrinter.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "ui/MessageBoxes.h"

namespace kestrel::ui {

QRect fitCentred(QSize image, QRect page) {
    if (image.isEmpty() || page.isEmpty()) return {};
    const QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
    return QRect(page.x() + (page.width() - fitted.width()) / 2,
                 page.y() + (page.height() - fitted.height()) / 2, fitted.width(), fitted.height());
}

FormPrinter::FormPrinter(PrinterFactory factory) : factory_(std::move(factory)) {}

std::unique_ptr<QPrinter> FormPrinter::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    // Without a default printer QPrinter would fall back to a PDF file:
    // nothing may be written when there is no printer.
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool FormPrinter::print(QWidget* client, QWidget* owner) const {
    const auto printed = [&] {
        const QImage image = client->grab().toImage();
        std::unique_ptr<QPrinter> printer = factory_ ? factory_() : nullptr;
        if (!printer || image.isNull()) return false;
        // Asked for: a queue that says nothing of colour would print grey,
        // and the legend would be lost.
        printer->setColorMode(QPrinter::Color);
        QPainter painter;
        if (!painter.begin(printer.get())) return false;
        const QRect page = painter.viewport();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitCentred(image.size(), page), image);
        return painter.end();
    }();
    if (!printed)
        // No title of its own: the box carries the application's name.
        showMessage(owner, QStringLiteral("The form can't be printed."),
                    QCoreApplication::applicationName(), QMessageBox::NoIcon);
    return printed;
}

} // namespace kestrel::ui
