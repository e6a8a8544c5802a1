#pragma once
// The spur chart `chartSpurs`: every product of the last solve as a curve of
// output frequency over the RF input, coloured by level, over the display
// band with its markers. The curves are plain objects (ChartCurve) that the
// chart paints; the chart answers what lies under the pointer and reports
// clicks as an RF input.

#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "display/ChartCurve.h"
#include "display/ChartGeometry.h"

namespace kestrel::display {

struct ChartData {
    std::vector<SpurCurve> curves;
    CurveSweep sweep;
    float bandStart = 0; // IFStart of the last solve
    float bandStop = 0;  // IFStop
    std::optional<float> marker1, marker2;
    std::vector<double> stepRF; // RF of every solved step
    QString unit;               // FreqUnit
};

inline constexpr double kChartReachPixels = 3;

class SpurChart : public QWidget {
    Q_OBJECT
public:
    explicit SpurChart(QWidget* parent = nullptr);

    // Replaces every curve by those of `data`.
    void setData(ChartData data);
    // No solve to show: no curves, and a note in their place.
    void clear();
    bool hasData() const { return data_.has_value(); }

    // Output intervals shaded across the chart (the spur-free bands).
    void setShadedBands(std::vector<std::pair<double, double>> bands);
    // A vertical cursor at this RF input, or none.
    void setCursorRF(std::optional<double> rf);
    std::optional<double> cursorRF() const { return cursor_; }

    const std::vector<ChartCurve*>& curves() const { return curves_; }
    // The mapping of a chart of this size.
    ChartMapping mapping(QSize size) const;

    // Visible curves within reach of the pixel, strongest first (the wanted
    // product at 0 dBc among them, those without a level last).
    std::vector<const ChartCurve*> curvesNear(QPointF pixel) const;
    // One line per curve near the pixel: "3 LO - 2 RF: 37.5 GHz at RF 14.2 GHz,
    // -65 dBc"; empty when none.
    QString hoverText(QPointF pixel) const;

    // Paints the whole chart at this size: the screen, images and prints.
    void render(QPainter& painter, QSize size) const;

signals:
    // A left click over the plot, at this RF input.
    void clicked(double rf);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintAxes(QPainter& painter, const ChartMapping& map) const;
    void paintBands(QPainter& painter, const ChartMapping& map) const;
    void paintCurves(QPainter& painter, const ChartMapping& map) const;
    void paintLegend(QPainter& painter, QSize size) const;
    std::vector<QPointF> pixels(const ChartCurve& curve, const ChartMapping& map) const;
    std::vector<QPointF> failingPixels(const SpurCurve& curve, double rfFrom, double rfTo,
                                       const ChartMapping& map) const;

    std::optional<ChartData> data_;
    std::vector<ChartCurve*> curves_;
    std::vector<std::pair<double, double>> shaded_;
    std::optional<double> cursor_;
};

} // namespace kestrel::display
