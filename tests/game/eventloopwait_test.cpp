#include "game/eventloopwait.h"
#include "timing/tickclock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(EventLoopWait, ATimedWaitLastsItsTimeAndKeepsMessagesFlowing) {
    EventLoopWait wait;
    bool timerFired = false;
    QTimer::singleShot(5, [&] { timerFired = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    wait.waitFor(40, [] { return false; });
    EXPECT_GE(elapsed.elapsed(), 40);
    EXPECT_TRUE(timerFired);
}

TEST(EventLoopWait, AStoppedWaitStillProcessesPendingMessagesOnce) {
    EventLoopWait wait;
    bool delivered = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { delivered = true; }, Qt::QueuedConnection);
    QElapsedTimer elapsed;
    elapsed.start();
    wait.waitFor(5000, [] { return true; });
    EXPECT_TRUE(delivered);
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST(EventLoopWait, AConditionWaitEndsWhenWokenAfterTheConditionChanged) {
    EventLoopWait wait;
    bool ready = false;
    QTimer::singleShot(10, [&] {
        ready = true;
        wait.wake();
    });
    wait.waitUntil([&] { return ready; });
    EXPECT_TRUE(ready);
}

TEST(EventLoopWait, WakeReachesOuterWaitsThroughNestedOnes) {
    EventLoopWait wait;
    bool outerDone = false;
    bool innerRan = false;
    QTimer::singleShot(1, [&] {
        // A turn inside the outer wait pauses in turn; the abort comes during that pause.
        QTimer::singleShot(5, [&] {
            outerDone = true;
            wait.wake();
        });
        wait.waitFor(60000, [&] { return outerDone; });
        innerRan = true;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    wait.waitUntil([&] { return outerDone; });
    EXPECT_TRUE(innerRan);
    EXPECT_LT(elapsed.elapsed(), 30000);
}

TEST(EventLoopWait, WaitingDoesNotBurnTheProcessor) {
    EventLoopWait wait;
    const std::clock_t before = std::clock();
    wait.waitFor(300, [] { return false; });
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuMs, 150.0) << "a busy loop would use the whole wait";
}

TEST(SteadyTickClock, RunsForward) {
    SteadyTickClock clock;
    const quint32 start = clock.ticks();
    EventLoopWait wait;
    wait.waitFor(15, nullptr);
    EXPECT_GE(clock.ticks() - start, 15u);
}

} // namespace
