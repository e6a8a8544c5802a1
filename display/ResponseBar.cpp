#include "display/ResponseBar.h"

#include "display/ResponsesChart.h"

namespace kestrel::display {

ResponseBar::ResponseBar(ReceiverResponse response, int row, ResponsesChart* chart)
    : QObject(chart), response_(std::move(response)), chart_(chart) {
    setObjectName(QStringLiteral("Response(%1)").arg(row));
}

QVariant ResponseBar::total() const { return response_.total ? QVariant(*response_.total) : QVariant(); }

QVariant ResponseBar::pass() const { return response_.pass ? QVariant(*response_.pass) : QVariant(); }

QRectF ResponseBar::rect() const { return chart_->barRect(*this, chart_->size()); }

} // namespace kestrel::display
