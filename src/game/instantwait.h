#pragma once

#include "messagewait.h"
#include "timing/tickclock.h"

#include <algorithm>

// A clock that moves only when told to.
class ManualClock : public TickClock {
public:
    quint32 ticks() const override { return now; }
    quint32 now = 0;
};

// Waits for games played without a window: a pause takes no time but moves the clock on, and
// nothing else waits (there are no window messages and no other computer).
class InstantWait : public MessageWait {
public:
    explicit InstantWait(ManualClock& clock) : clock_(clock) {}
    void waitFor(int ms, const std::function<bool()>&) override {
        clock_.now += static_cast<quint32>(std::max(ms, 0));
    }
    void waitUntil(const std::function<bool()>&) override {}
    void processPendingMessages() override {}
    void wake() override {}

private:
    ManualClock& clock_;
};
