#pragma once
// "+" and "-": one solved step at a time on the analyzer, with the step's
// tracking LO, its RF input and the grid refilled for that step alone.

#include <functional>

#include "display/ReplayHost.h"

namespace kestrel::display {

// The step that "+" shows for a step pointer: a negative pointer shows the
// last step, the pointer past the last step wraps to 0, and so does any
// pointer beyond that (left by an earlier solve with more steps).
int stepToShow(int pointer, int numSteps);

// The pointer that "-" leaves for "+" to show: two back, where "before step
// 0" and "nothing shown yet" count as past the last step.
int pointerForStepBack(int pointer, int numSteps);

class StepDriver {
public:
    explicit StepDriver(ReplayHost host) : host_(std::move(host)) {}

    void cmdSingleStep_Click();
    void cmdSTEPBACK_Click();
    // Step k exactly as "+" shows it, the pointer then at k + 1 as "+" leaves
    // it. Nothing happens for a step the last solve did not store.
    void showStep(int k);

    // Told of every step shown, after it is on screen (the spur chart's cursor).
    void onStepShown(std::function<void(int)> shown) { shown_ = std::move(shown); }

private:
    int pointer() const;
    void showTrackingLO(int k);
    void fillGrid(int k);

    ReplayHost host_;
    std::function<void(int)> shown_;
};

} // namespace kestrel::display
