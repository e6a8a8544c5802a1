#pragma once
// The frequency under the pointer, read out in `lblRFANA`: absolute, or after
// a click on the panel the distance from the frequency clicked.

#include <QObject>
#include <optional>

#include "display/ReplayHost.h"

namespace kestrel::display {

// Frequency at pointer x (twips) for the span start..stop of the fields.
double pointerFrequency(double start, double stop, double xTwips);

class PointerReadout : public QObject {
    Q_OBJECT
public:
    explicit PointerReadout(ReplayHost host);

    void Frame4_MouseMove(double xTwips);
    void Frame4_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double mode() const;

    ReplayHost host_;
    bool pressed_ = false;
};

} // namespace kestrel::display
