#include <gtest/gtest.h>

#include "display/PointerReadout.h"
#include "display/StepDriver.h"
#include "display/SweepDriver.h"

using namespace kestrel::display;

namespace {

TEST(SweepWait, IterationsPerStep) {
    struct Case {
        double speed;
        int numSteps;
        double want;
    };
    const Case cases[] = {
        {25, 10, 9'090'909},     // whole part of 9 090 909.09...
        {25, 0, 100'000'000},    // one step waits the whole sweep
        {5, 0, 500'000'000},
        {500, 100, 49'504},      // 5 000 000 / 101
        {500, 0, 5'000'000},
        {250, 100, 99'009},
        {1e10, 0, 0},            // below one iteration: none
        {0, 10, 0},              // no speed: no wait rather than forever
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepWaitIterations(c.speed, c.numSteps), c.want) << c.speed << " " << c.numSteps;
}

TEST(SweepWait, TwentyNanosecondsAnIteration) {
    // Speed 25 is two seconds a sweep, 500 a tenth, plus 19 ms after each.
    EXPECT_DOUBLE_EQ(stepWaitIterations(25, 0) * kWaitIterationNs, 2e9);
    EXPECT_DOUBLE_EQ(stepWaitIterations(500, 0) * kWaitIterationNs, 1e8);
    EXPECT_DOUBLE_EQ(kAfterSweepIterations * kWaitIterationNs, 19e6);
}

// The step "+" shows, and the pointer it leaves, for a pointer and NumSteps.
TEST(StepPointer, PlusShows) {
    struct Case {
        int pointer, numSteps, shown;
    };
    const Case cases[] = {
        {0, 10, 0},  {5, 10, 5},  {10, 10, 10}, {11, 10, 0}, // past the last: wrap
        {-1, 10, 10},                                        // only through "-"
        {-1, 0, 0},  {1, 0, 0},   {0, 0, 0},
        {40, 10, 0}, {102, 100, 0},                          // left by a larger solve
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepToShow(c.pointer, c.numSteps), c.shown) << c.pointer << " of " << c.numSteps;
}

TEST(StepPointer, MinusLeaves) {
    struct Case {
        int pointer, numSteps, left;
    };
    const Case cases[] = {
        {0, 10, 9},  // nothing shown yet: step 9 of 10 comes next
        {1, 10, 9},  // step 0 shown last: step 9 too
        {6, 10, 4},  // step 5 shown last: step 4
        {11, 10, 9},
        {1, 0, -1},  // NumSteps 0: "+" then shows step 0
        {0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pointerForStepBack(c.pointer, c.numSteps), c.left) << c.pointer << " of " << c.numSteps;
}

TEST(PointerFrequency, InverseOfTheAxis) {
    EXPECT_DOUBLE_EQ(pointerFrequency(30, 50, 0), 30);
    EXPECT_DOUBLE_EQ(pointerFrequency(30, 50, 3607.5), 40);
    EXPECT_DOUBLE_EQ(pointerFrequency(30, 50, 7215), 50);
    EXPECT_DOUBLE_EQ(pointerFrequency(50, 30, 7215), 30);
    EXPECT_DOUBLE_EQ(pointerFrequency(40, 40, 1234), 40); // empty span: the start everywhere
}

} // namespace
