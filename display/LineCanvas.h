#pragma once
// A plain widget that paints the line controls placed on it (the main
// window's client area, the mixer window).

#include <QWidget>
#include <span>
#include <vector>

#include "display/LineShape.h"

namespace kestrel::display {

class LineCanvas : public QWidget, public LineHost {
    Q_OBJECT
public:
    explicit LineCanvas(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Creates the lines of the table as children, in table order.
    void addLines(std::span<const LineSpec> table);

    void lineChanged(const LineShape& line) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<LineShape*> lines_;
};

} // namespace kestrel::display
