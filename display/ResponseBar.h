#pragma once
// One receiver response drawn on the responses chart: a plain object that
// the chart paints, named Response(k) after its row in the table (weakest
// first), with its data and its bar on screen readable as properties.

#include <QObject>
#include <QRectF>
#include <QString>
#include <QVariant>

#include "engine/ReceiverResponses.h"

namespace kestrel::display {

class ResponsesChart;

class ResponseBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(int m READ m CONSTANT)
    Q_PROPERTY(int n READ n CONSTANT)
    Q_PROPERTY(QString branch READ branch CONSTANT)
    Q_PROPERTY(double from READ from CONSTANT)
    Q_PROPERTY(double to READ to CONSTANT)
    Q_PROPERTY(QVariant total READ total CONSTANT)
    Q_PROPERTY(QVariant pass READ pass CONSTANT)
    Q_PROPERTY(bool wanted READ isWanted CONSTANT)
    Q_PROPERTY(QRectF rect READ rect)

public:
    ResponseBar(ReceiverResponse response, int row, ResponsesChart* chart);

    const ReceiverResponse& response() const { return response_; }
    QString name() const { return QString::fromStdString(response_.name); }
    int m() const { return response_.band.m; }
    int n() const { return response_.band.n; }
    QString branch() const { return QString::fromStdString(branchText(response_.band.branch)); }
    double from() const { return response_.band.from; }
    double to() const { return response_.band.to; }
    // dB; invalid where the level model has no level.
    QVariant total() const;
    // Invalid for the wanted response.
    QVariant pass() const;
    bool isWanted() const { return response_.wanted; }
    // The bar in pixels of the chart at its present size: over the input
    // band, from 0 dB to the total rejection.
    QRectF rect() const;

private:
    ReceiverResponse response_;
    const ResponsesChart* chart_;
};

} // namespace kestrel::display
