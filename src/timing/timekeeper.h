#pragma once

#include "taskqueue.h"

#include <functional>
#include <memory>

// A running wait for time; destroying it stops it.
class Alarm {
public:
    virtual ~Alarm() = default;
};

// Where the game's pauses and frame pacing take their time from: real timers in the program,
// a fake clock in tests, no time at all in games played without a window.
class Timekeeper {
public:
    virtual ~Timekeeper() = default;

    // Calls `due` from the event loop once `ms` have passed (0: once the events already waiting
    // have been handled). Null when the time is already up (a clock that moves only when told
    // to was moved on), and `due` is never called.
    virtual std::unique_ptr<Alarm> arm(int ms, std::function<void()> due) = 0;

    // `co_await timekeeper.sleep(ms)` suspends the task and hands control back to the event loop.
    struct Sleep {
        Timekeeper& keeper;
        int ms;
        std::unique_ptr<Alarm> alarm;

        bool await_ready() const noexcept { return false; }
        template <typename Promise> bool await_suspend(std::coroutine_handle<Promise> frame) {
            Job* job = task_detail::jobOf(frame);
            // A cancelled task stays where it is until its job drops it.
            if (job->cancelled())
                return true;
            alarm = keeper.arm(ms, [job, frame] { job->resume(frame); });
            return alarm != nullptr;
        }
        void await_resume() const noexcept {}
    };
    Sleep sleep(int ms) { return Sleep{*this, ms, nullptr}; }
};

// Qt's timers, precise to the millisecond.
class TimerTimekeeper : public Timekeeper {
public:
    std::unique_ptr<Alarm> arm(int ms, std::function<void()> due) override;
};
