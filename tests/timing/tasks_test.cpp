#include "support/fakes.h"
#include "timing/notifier.h"
#include "timing/taskqueue.h"
#include "timing/timekeeper.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {

// Notes when the frame it lives in goes.
struct Witness {
    QStringList& log;
    QString name;
    ~Witness() { log << name + " gone"; }
};

class TasksTest : public ::testing::Test {
protected:
    TasksTest() { keeper.hold(); }

    Task<> pauseTwice(QString name) {
        Witness witness{log, name};
        log << name + " starts";
        co_await keeper.sleep(100);
        log << name + " half";
        co_await keeper.sleep(100);
        log << name + " ends";
    }
    Task<int> answer() {
        co_await keeper.sleep(10);
        co_return 42;
    }
    Task<> takeAnswer(int& into) { into = co_await answer(); }
    Task<> outer() {
        Witness witness{log, "outer"};
        co_await pauseTwice("inner");
        log << "outer after inner";
    }

    Task<> cancelItself() {
        Witness witness{log, "turn"};
        queue.cancel();
        log << "still running";
        co_await keeper.sleep(100);
        log << "resumed";
    }
    static Task<> waitForMarkThenDialog(Notifier& marks, QDialog& dialog, QStringList& order) {
        co_await marks.next();
        order << "marked";
        const int result = co_await nextSignal(&dialog, &QDialog::finished);
        order << QStringLiteral("finished %1").arg(result);
    }
    static Task<> waitForMark(Notifier& marks, QStringList& order) {
        co_await marks.next();
        order << "never";
    }

    QStringList log;
    Journal journal;
    FakeClock clock;
    FakeTimekeeper keeper{journal, clock};
    TaskQueue queue;
};

TEST_F(TasksTest, PiecesRunOneAtATimeInTheOrderTheyCame) {
    queue.run(pauseTwice("a"));
    queue.run(pauseTwice("b"));
    EXPECT_EQ(log, QStringList({"a starts"})) << "a task runs up to its first wait at once";
    keeper.advance(100);
    EXPECT_EQ(log, QStringList({"a starts", "a half"}));
    EXPECT_TRUE(keeper.runUntilIdle());
    EXPECT_EQ(log, QStringList(
                       {"a starts", "a half", "a ends", "a gone", "b starts", "b half", "b ends", "b gone"}));
    EXPECT_FALSE(queue.busy());
    EXPECT_EQ(clock.now, 1400u);

    int got = 0;
    queue.run(takeAnswer(got));
    keeper.runUntilIdle();
    EXPECT_EQ(got, 42) << "a task gives its value to the one awaiting it";
}

// Cancelling a suspended turn destroys the whole chain of frames, and its timer with them.
TEST_F(TasksTest, CancellingDestroysEverySuspendedFrameAndNothingRunsAgain) {
    queue.run(outer());
    queue.run(pauseTwice("queued"));
    ASSERT_EQ(keeper.waiting(), 1);
    queue.cancel();
    EXPECT_EQ(log, QStringList({"inner starts", "inner gone", "outer gone"}));
    EXPECT_EQ(keeper.waiting(), 0) << "the pause's timer went with its frame";
    EXPECT_FALSE(queue.busy()) << "queued pieces are dropped too";
    keeper.advance(1000);
    EXPECT_EQ(log.size(), 3);
}

// A cancel from inside the running task (a dialog's loop under it, the task's own signal)
// cannot destroy the frame it runs in: the task stops at its next wait instead.
TEST_F(TasksTest, ACancelWhileTheTaskRunsTakesEffectAtItsNextWait) {
    queue.run(cancelItself());
    EXPECT_EQ(log, QStringList({"still running", "turn gone"}));
    EXPECT_EQ(keeper.waiting(), 0);

    // The queue is free for new work at once.
    queue.run(pauseTwice("next"));
    keeper.runUntilIdle();
    EXPECT_TRUE(log.contains("next ends"));
}

TEST_F(TasksTest, NotifiersAndSignalsResumeFromTheEventLoopNotFromInsideTheirCaller) {
    Notifier marks;
    QDialog dialog;
    QStringList order;
    queue.run(waitForMarkThenDialog(marks, dialog, order));
    marks.notify();
    order << "notified";
    handlePostedEvents();
    dialog.done(3);
    order << "done";
    handlePostedEvents();
    EXPECT_EQ(order, QStringList({"notified", "marked", "done", "finished 3"}));
    EXPECT_FALSE(queue.busy());

    // A waiter dropped before its posted resumption arrives is not resumed.
    queue.run(waitForMark(marks, order));
    marks.notify();
    queue.cancel();
    handlePostedEvents();
    EXPECT_FALSE(order.contains("never"));
}

} // namespace
