#pragma once

#include "task.h"

#include <deque>
#include <functional>
#include <memory>

// Runs one outermost task. Every resumption of its frames goes through resume(), so it knows
// when none of them is on the stack: a cancel asked for meanwhile (from inside the task, or
// from a dialog's loop the task runs under) takes effect when the task next suspends.
class Job : public std::enable_shared_from_this<Job> {
public:
    Job(Task<> task, std::function<void()> finished);
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // Runs the task up to its first suspension.
    void start();
    // Resumes a suspended frame of this job's task.
    void resume(std::coroutine_handle<> frame);
    // Ends the task at its next suspension point, or at once when it is suspended now.
    void cancel();
    bool cancelled() const { return cancelled_; }

private:
    void settle();

    Task<> task_;
    std::function<void()> finished_;
    int running_ = 0;
    bool cancelled_ = false;
};

// Game work one piece at a time, in the order it was asked for: a piece handed over while
// another one is suspended starts when that one is done.
class TaskQueue {
public:
    TaskQueue() = default;
    ~TaskQueue();
    TaskQueue(const TaskQueue&) = delete;
    TaskQueue& operator=(const TaskQueue&) = delete;

    void run(Task<> task);
    // Drops the running piece (see Job::cancel) and every waiting one.
    void cancel();
    // A piece runs or waits to run.
    bool busy() const { return running_ != nullptr || !waiting_.empty(); }

private:
    void startNext();

    std::shared_ptr<Job> running_;
    std::deque<Task<>> waiting_;
};

// The awaiters' way to the job of the frame they suspend, and to whether it was cancelled.
namespace task_detail {
template <typename Promise> Job* jobOf(std::coroutine_handle<Promise> frame) {
    return frame.promise().job;
}
} // namespace task_detail
