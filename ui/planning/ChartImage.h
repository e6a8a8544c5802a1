#pragma once
// "Save Image...": the spur chart as a PNG or an SVG file, written whole or
// not at all.

#include <QByteArray>
#include <QString>

#include "ui/planning/SpurExport.h"

namespace kestrel::display {
class SpurChart;
}

namespace kestrel::ui {

class ChartImage {
public:
    explicit ChartImage(QWidget* parent);

    // A save-file dialog unless replaced (tests answer without one).
    void setPathChooser(SpurExport::PathChooser chooser) { choose_ = std::move(chooser); }

    // Asks for the file and writes the chart at its size on screen: SVG for a
    // name ending in ".svg", PNG otherwise (".png" added to a name without a
    // suffix). A failure gets a critical box with the system's reason and
    // leaves any existing file as it was. True when a file was written.
    bool run(const display::SpurChart& chart, const QString& designFileName);

    // The design's name with ".png" when there is one, else "chart.png".
    static QString suggestedName(const QString& designFileName);
    static QByteArray encode(const display::SpurChart& chart, bool svg);

private:
    QWidget* parent_;
    SpurExport::PathChooser choose_;
};

} // namespace kestrel::ui
