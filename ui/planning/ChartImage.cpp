#include "ui/planning/ChartImage.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "display/SpurChart.h"
#include "ui/MessageBoxes.h"

namespace kestrel::ui {
namespace {

QString chooseImageFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Chart Image"), suggested,
                                        QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
}

} // namespace

ChartImage::ChartImage(QWidget* parent) : parent_(parent), choose_(chooseImageFile) {}

QString ChartImage::suggestedName(const QString& designFileName) {
    const QString base = QFileInfo(designFileName).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("chart") : base) + QStringLiteral(".png");
}

namespace {

ChartImage::Renderer spurChartRenderer(const display::SpurChart& chart) {
    return [&chart](QPainter& painter, QSize size) { chart.render(painter, size); };
}

} // namespace

QByteArray ChartImage::encode(const display::SpurChart& chart, bool svg) {
    return encode(chart.size(), spurChartRenderer(chart), QStringLiteral("Spur Chart"), svg);
}

QByteArray ChartImage::encode(QSize size, const Renderer& render, const QString& title, bool svg) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        // Points become pixels at the PNG's resolution, not the generator's
        // 72 dpi: the text is as large as in the PNG.
        generator.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(title);
        QPainter painter(&generator);
        render(painter, size);
    } else {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            render(painter, size);
        }
        image.save(&buffer, "PNG");
    }
    return bytes;
}

bool ChartImage::run(const display::SpurChart& chart, const QString& designFileName) {
    return run(chart.size(), spurChartRenderer(chart), QStringLiteral("Spur Chart"), designFileName);
}

bool ChartImage::run(QSize size, const Renderer& render, const QString& title, const QString& designFileName) {
    QString path = choose_(parent_, suggestedName(designFileName));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const auto failure = SpurExport::writeWhole(path, encode(size, render, title, svg));
    if (!failure) return true;
    showMessage(parent_,
                QStringLiteral("The chart could not be written to %1:\n%2")
                    .arg(QFileInfo(path).fileName(), *failure),
                QGuiApplication::applicationDisplayName(), QMessageBox::Critical);
    return false;
}

} // namespace kestrel::ui
