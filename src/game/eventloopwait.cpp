#include "eventloopwait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

struct EventLoopWait::Running {
    QEventLoop loop;
    bool endedByUs = false;
};

void EventLoopWait::processPendingMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventLoopWait::waitFor(int ms, const std::function<bool()>& stop) {
    const QDeadlineTimer deadline(std::max(ms, 0), Qt::PreciseTimer);
    processPendingMessages();
    while (!(stop && stop()) && !deadline.hasExpired()) {
        if (!runOnce(static_cast<int>(deadline.remainingTime())))
            return;
    }
}

void EventLoopWait::waitUntil(const std::function<bool()>& done) {
    processPendingMessages();
    while (!done()) {
        if (!runOnce(-1))
            return;
    }
}

void EventLoopWait::wake() {
    for (Running* r : running_) {
        r->endedByUs = true;
        r->loop.quit();
    }
}

bool EventLoopWait::runOnce(int timeoutMs) {
    Running r;
    QTimer timer;
    if (timeoutMs >= 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &r.loop, [&r] {
            r.endedByUs = true;
            r.loop.quit();
        });
        timer.start(timeoutMs);
    }
    running_.push_back(&r);
    r.loop.exec();
    running_.erase(std::find(running_.begin(), running_.end(), &r));
    return r.endedByUs;
}
