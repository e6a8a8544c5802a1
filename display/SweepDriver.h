#pragma once
// "Sweep ": every solved step in turn on the analyzer, paced by the speed
// list, once or ten times. User input waits until the sweep ends; repaints
// go on, and a close request ends the sweep after the step on screen.

#include <QElapsedTimer>
#include <QObject>

#include "display/ReplayHost.h"

class QEventLoop;

namespace kestrel::display {

// One wait iteration of the pacing, and the pause after each sweep.
inline constexpr double kWaitIterationNs = 20;
inline constexpr double kAfterSweepIterations = 950'000;

// Iterations after each step at this speed: (2 500 000 000 / speed) spread
// over the sweep's NumSteps + 1 steps, whole iterations only.
double stepWaitIterations(double speed, int numSteps);

class SweepDriver : public QObject {
    Q_OBJECT
public:
    explicit SweepDriver(ReplayHost host);

    void cmdSweep_Click();
    // The caption follows the box: "1 Sweep" checked, "10 Swps" not.
    void chkSingle_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStep(int k);
    double speed() const;
    // Waits until `iterations` more have passed since the sweep started.
    // False when a close request ends the sweep.
    bool wait(double iterations);

    ReplayHost host_;
    QElapsedTimer clock_;
    double dueNs_ = 0;
    bool sweeping_ = false;
    bool closeRequested_ = false; // or the application is quitting
    QEventLoop* waitLoop_ = nullptr;
};

} // namespace kestrel::display
