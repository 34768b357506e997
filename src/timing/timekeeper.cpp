#include "timekeeper.h"

#include <QTimer>

#include <algorithm>

namespace {

class TimerAlarm : public Alarm {
public:
    TimerAlarm(int ms, std::function<void()> due) : timer_(new QTimer) {
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, std::move(due));
        timer_->start(std::max(ms, 0));
    }
    // Usually gone from inside the timer's own signal (the task it resumed went on past its
    // wait), so the timer is only stopped and cut off here, and freed from the event loop.
    ~TimerAlarm() override {
        timer_->stop();
        QObject::disconnect(timer_, nullptr, nullptr, nullptr);
        timer_->deleteLater();
    }

private:
    QTimer* timer_;
};

} // namespace

std::unique_ptr<Alarm> TimerTimekeeper::arm(int ms, std::function<void()> due) {
    return std::make_unique<TimerAlarm>(ms, std::move(due));
}
