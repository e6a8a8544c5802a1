#include "display/ChartCurve.h"

namespace kestrel::display {

ChartCurve::ChartCurve(SpurCurve curve, QObject* chart) : QObject(chart), curve_(std::move(curve)) {
    setObjectName(nameFor(curve_.m, curve_.n, curve_.family));
}

QString ChartCurve::nameFor(int m, int n, ProductFamily family) {
    return QStringLiteral("%1%2x%3")
        .arg(family == ProductFamily::Sum ? "Traces" : "Trace")
        .arg(m)
        .arg(n);
}

QVariantList ChartCurve::points() const {
    QVariantList list;
    for (const CurvePoint& p : curve_.points) list.append(QPointF(p.rf, p.out));
    return list;
}

QVariantList ChartCurve::failingStretches() const {
    QVariantList list;
    for (const auto& [from, to] : curve_.failing) list.append(QPointF(from, to));
    return list;
}

QVariant ChartCurve::level() const { return curve_.level ? QVariant(*curve_.level) : QVariant(); }

} // namespace kestrel::display
