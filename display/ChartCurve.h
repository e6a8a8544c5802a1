#pragma once
// One product drawn on the spur chart: a plain object that the chart paints,
// named Traces<m>x<n> (sum) or Trace<m>x<n> (difference), with its data
// readable as properties, like the analyzer's lines.

#include <QObject>
#include <QPointF>
#include <QVariant>

#include "engine/SpurCurves.h"

namespace kestrel::display {

class ChartCurve : public QObject {
    Q_OBJECT
    Q_PROPERTY(int m READ m CONSTANT)
    Q_PROPERTY(int n READ n CONSTANT)
    Q_PROPERTY(bool sum READ isSum CONSTANT)
    Q_PROPERTY(QVariantList points READ points)
    Q_PROPERTY(QVariant level READ level)
    Q_PROPERTY(bool wanted READ isWanted)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
    // Where the product fails the limit line: drawn red over its colour.
    Q_PROPERTY(bool failsLimit READ failsLimit)
    Q_PROPERTY(QVariantList failingStretches READ failingStretches) // QPointF(RF from, RF to) each

public:
    ChartCurve(SpurCurve curve, QObject* chart);

    static QString nameFor(int m, int n, ProductFamily family);

    const SpurCurve& curve() const { return curve_; }
    int m() const { return curve_.m; }
    int n() const { return curve_.n; }
    bool isSum() const { return curve_.family == ProductFamily::Sum; }
    QVariantList points() const;
    QVariant level() const;
    bool isWanted() const { return curve_.wanted; }
    bool isVisible() const { return visible_; }
    bool failsLimit() const { return !curve_.failing.empty(); }
    QVariantList failingStretches() const;
    void setVisible(bool v) { visible_ = v; }

private:
    SpurCurve curve_;
    bool visible_ = true;
};

} // namespace kestrel::display
