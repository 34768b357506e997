#pragma once

#include "taskqueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>

#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>
#include <vector>

namespace task_detail {

// Resumes a suspended frame from the event loop, unless its awaiter has gone by then.
class PostedResume {
public:
    template <typename Promise> bool suspend(std::coroutine_handle<Promise> frame) {
        job_ = jobOf(frame);
        frame_ = frame;
        return !job_->cancelled();
    }
    void post() {
        if (!job_ || posted_)
            return;
        posted_ = true;
        std::weak_ptr<int> alive = alive_;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, job = job_, frame = frame_] {
                if (alive.lock())
                    job->resume(frame);
            },
            Qt::QueuedConnection);
    }

private:
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    Job* job_ = nullptr;
    std::coroutine_handle<> frame_;
    bool posted_ = false;
};

} // namespace task_detail

// Something tasks wait for until it happens (a mark set by the other computer, a step of a
// call); `co_await notifier.next()` goes on from the event loop after the next notify().
class Notifier {
public:
    class Awaiter {
    public:
        explicit Awaiter(Notifier& notifier) : notifier_(notifier) {}
        Awaiter(const Awaiter&) = delete;
        Awaiter& operator=(const Awaiter&) = delete;
        ~Awaiter() { std::erase(notifier_.waiting_, this); }

        bool await_ready() const noexcept { return false; }
        template <typename Promise> bool await_suspend(std::coroutine_handle<Promise> frame) {
            if (!resume_.suspend(frame))
                return true;
            notifier_.waiting_.push_back(this);
            return true;
        }
        void await_resume() const noexcept {}

    private:
        friend class Notifier;
        Notifier& notifier_;
        task_detail::PostedResume resume_;
    };

    Notifier() = default;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    Awaiter next() { return Awaiter(*this); }
    void notify() {
        for (Awaiter* awaiter : std::exchange(waiting_, {}))
            awaiter->resume_.post();
    }

private:
    std::vector<Awaiter*> waiting_;
};

// `co_await nextSignal(sender, &Class::signal)` goes on from the event loop after the next
// emission of a signal with no or one argument, and gives that argument.
template <typename Object, typename Class, typename... Args> class SignalAwaiter {
    static_assert(sizeof...(Args) <= 1, "signals with at most one argument");

public:
    using Signal = void (Class::*)(Args...);
    SignalAwaiter(Object* sender, Signal signal) : sender_(sender), signal_(signal) {}
    SignalAwaiter(const SignalAwaiter&) = delete;
    SignalAwaiter& operator=(const SignalAwaiter&) = delete;
    ~SignalAwaiter() { QObject::disconnect(connection_); }

    bool await_ready() const noexcept { return false; }
    template <typename Promise> bool await_suspend(std::coroutine_handle<Promise> frame) {
        if (!resume_.suspend(frame))
            return true;
        connection_ = QObject::connect(sender_, signal_, sender_, [this](Args... args) {
            if (value_)
                return;
            value_.emplace(args...);
            QObject::disconnect(connection_);
            resume_.post();
        });
        return true;
    }
    auto await_resume() {
        if constexpr (sizeof...(Args) == 1)
            return std::get<0>(std::move(*value_));
    }

private:
    Object* sender_;
    Signal signal_;
    QMetaObject::Connection connection_;
    std::optional<std::tuple<std::decay_t<Args>...>> value_;
    task_detail::PostedResume resume_;
};

template <typename Object, typename Class, typename... Args>
SignalAwaiter<Object, Class, Args...> nextSignal(Object* sender, void (Class::*signal)(Args...)) {
    return SignalAwaiter<Object, Class, Args...>(sender, signal);
}
