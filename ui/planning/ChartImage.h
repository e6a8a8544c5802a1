#pragma once
// "Save Image...": a chart as a PNG or an SVG file, written whole or not at
// all.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

#include "ui/planning/SpurExport.h"

class QPainter;

namespace kestrel::display {
class SpurChart;
}

namespace kestrel::ui {

class ChartImage {
public:
    // Paints the whole chart at a size.
    using Renderer = std::function<void(QPainter&, QSize)>;

    explicit ChartImage(QWidget* parent);

    // A save-file dialog unless replaced (tests answer without one).
    void setPathChooser(SpurExport::PathChooser chooser) { choose_ = std::move(chooser); }

    // Asks for the file and writes the chart at its size on screen: SVG for a
    // name ending in ".svg", PNG otherwise (".png" added to a name without a
    // suffix). A failure gets a critical box with the system's reason and
    // leaves any existing file as it was. True when a file was written.
    bool run(const display::SpurChart& chart, const QString& designFileName);
    // The same for any chart: `title` names the SVG drawing.
    bool run(QSize size, const Renderer& render, const QString& title, const QString& designFileName);

    // The design's name with ".png" when there is one, else "chart.png".
    static QString suggestedName(const QString& designFileName);
    static QByteArray encode(const display::SpurChart& chart, bool svg);
    static QByteArray encode(QSize size, const Renderer& render, const QString& title, bool svg);

private:
    QWidget* parent_;
    SpurExport::PathChooser choose_;
};

} // namespace kestrel::ui
