#pragma once

// moc cannot parse the concepts <coroutine> brings along; it needs none of it.
#ifndef Q_MOC_RUN
#include <coroutine>
#endif
#include <exception>
#include <optional>
#include <utility>

class Job;

// The game's coroutines: a Task starts only when it is awaited or handed to a TaskQueue, and it
// owns its frame. A frame destroyed while suspended destroys the task it awaits, and that one
// the next, down to the waiting awaiter, whose destructor drops its timer or connection; so
// dropping the outermost task of a turn ends the whole turn, and nothing of it runs again.
namespace task_detail {

struct PromiseBase {
    // The task awaiting this one, resumed when this one is done.
    std::coroutine_handle<> continuation;
    // The queue's job that runs the outermost task; every awaiter resumes through it.
    Job* job = nullptr;

    std::suspend_always initial_suspend() noexcept { return {}; }

    struct FinalAwaiter {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
            const std::coroutine_handle<> next = done.promise().continuation;
            return next ? next : std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
    // Errors never cross the event loop as exceptions (the game reports them by value).
    void unhandled_exception() noexcept { std::terminate(); }
};

template <typename T> struct Promise;

} // namespace task_detail

template <typename T = void> class [[nodiscard]] Task {
public:
    using promise_type = task_detail::Promise<T>;

    Task() = default;
    explicit Task(std::coroutine_handle<promise_type> frame) : frame_(frame) {}
    Task(Task&& other) noexcept : frame_(std::exchange(other.frame_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            frame_ = std::exchange(other.frame_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool done() const { return !frame_ || frame_.done(); }

    // Awaiting a task runs it inside the awaiting one's job.
    struct Awaiter {
        std::coroutine_handle<promise_type> frame;
        bool await_ready() const noexcept { return !frame || frame.done(); }
        template <typename Outer>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Outer> outer) noexcept {
            frame.promise().continuation = outer;
            frame.promise().job = outer.promise().job;
            return frame;
        }
        T await_resume() {
            if constexpr (!std::is_void_v<T>)
                return std::move(*frame.promise().value);
        }
    };
    Awaiter operator co_await() const& noexcept { return Awaiter{frame_}; }

private:
    friend class Job;
    void reset() {
        if (frame_)
            frame_.destroy();
        frame_ = {};
    }
    std::coroutine_handle<promise_type> frame_;
};

namespace task_detail {

template <typename T> struct Promise : PromiseBase {
    std::optional<T> value;
    Task<T> get_return_object() { return Task<T>(std::coroutine_handle<Promise>::from_promise(*this)); }
    template <typename V> void return_value(V&& v) { value.emplace(std::forward<V>(v)); }
};

template <> struct Promise<void> : PromiseBase {
    Task<void> get_return_object() { return Task<void>(std::coroutine_handle<Promise>::from_promise(*this)); }
    void return_void() noexcept {}
};

} // namespace task_detail
