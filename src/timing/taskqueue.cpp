#include "taskqueue.h"

#include <utility>

Job::Job(Task<> task, std::function<void()> finished)
    : task_(std::move(task)), finished_(std::move(finished)) {
    if (task_.frame_)
        task_.frame_.promise().job = this;
}

Job::~Job() = default;

void Job::start() {
    if (task_.frame_) {
        resume(task_.frame_);
        return;
    }
    const std::shared_ptr<Job> keep = shared_from_this();
    settle();
}

void Job::resume(std::coroutine_handle<> frame) {
    // The queue may let go of this job while its task runs.
    const std::shared_ptr<Job> keep = shared_from_this();
    ++running_;
    frame.resume();
    --running_;
    settle();
}

void Job::cancel() {
    cancelled_ = true;
    finished_ = nullptr;
    settle();
}

// Only between resumptions may the frames go: one of them may be further down the stack.
void Job::settle() {
    if (running_ > 0)
        return;
    if (cancelled_) {
        task_ = Task<>();
        return;
    }
    if (task_.done()) {
        task_ = Task<>();
        if (auto finished = std::exchange(finished_, nullptr))
            finished();
    }
}

TaskQueue::~TaskQueue() {
    cancel();
}

void TaskQueue::run(Task<> task) {
    waiting_.push_back(std::move(task));
    if (!running_)
        startNext();
}

void TaskQueue::cancel() {
    waiting_.clear();
    if (const std::shared_ptr<Job> job = std::exchange(running_, nullptr))
        job->cancel();
}

void TaskQueue::startNext() {
    if (running_ || waiting_.empty())
        return;
    Task<> next = std::move(waiting_.front());
    waiting_.pop_front();
    running_ = std::make_shared<Job>(std::move(next), [this] {
        running_ = nullptr;
        startNext();
    });
    // A piece that never suspends is done before start() returns, and the next one started.
    const std::shared_ptr<Job> job = running_;
    job->start();
}
