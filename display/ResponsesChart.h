#pragma once
// The receiver responses chart `chartResponses`: over the input-frequency
// axis, with the RF band shaded and the wanted band marked, each response
// is a bar over its input band at the height of its total rejection; the
// preselector's rejection is a curve and the required rejection a line.
// The bars are plain objects (ResponseBar) that the chart paints; resting
// the pointer on a bar names it.

#include <QWidget>
#include <vector>

#include "display/ChartGeometry.h"
#include "display/ResponseBar.h"
#include "engine/Filter.h"
#include "engine/ReceiverResponses.h"

namespace kestrel::display {

struct ResponsesChartData {
    std::vector<ReceiverResponse> responses; // in the table's order
    double rfStart = 0, rfStop = 0;
    double required = 60;                  // dB
    std::vector<FilterPoint> preselector;  // A(f) - A(RF of the step), dB; empty: none drawn
    QString unit;                          // FreqUnit
};

// The input axis: the RF band and every response band, with a margin of a
// fiftieth of the span each side, never below 0.
ChartRange responsesInputRange(const std::vector<ReceiverResponse>& responses, double rfStart,
                               double rfStop);
// The rejection axis in dB: 0, the required rejection, every total and the
// preselector's curve, widened to whole tens with room above the highest.
ChartRange rejectionRange(const ResponsesChartData& data);

inline constexpr double kBarReachPixels = 3;
inline constexpr double kBarMinimumWidth = 3;

class ResponsesChart : public QWidget {
    Q_OBJECT
public:
    explicit ResponsesChart(QWidget* parent = nullptr);

    void setData(ResponsesChartData data);
    // Nothing to show: no bars, and `note` in their place.
    void clear(const QString& note);

    const std::vector<ResponseBar*>& bars() const { return bars_; }
    ChartMapping mapping(QSize size) const;
    // Over the bar's input band (at least kBarMinimumWidth wide), from 0 dB
    // to its total; a response without a level reaches the top of the plot.
    // Cut to the plot.
    QRectF barRect(const ResponseBar& bar, QSize size) const;
    // The bars under the pixel (within reach), in the table's order; the
    // wanted band answers over the plot's whole height.
    std::vector<const ResponseBar*> barsAt(QPointF pixel) const;
    // One line per bar under the pixel; empty when none.
    QString hoverText(QPointF pixel) const;

    void render(QPainter& painter, QSize size) const;

    QSize sizeHint() const override { return {760, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintAxes(QPainter& painter, const ChartMapping& map) const;
    void paintBars(QPainter& painter, const ChartMapping& map, QSize size) const;
    void paintLines(QPainter& painter, const ChartMapping& map) const;
    void paintLegend(QPainter& painter, QSize size) const;

    ResponsesChartData data_;
    bool hasData_ = false;
    QString note_;
    std::vector<ResponseBar*> bars_;
};

} // namespace kestrel::display
