#pragma once

#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <algorithm>

// A clock that moves only when told to.
class ManualClock : public TickClock {
public:
    quint32 ticks() const override { return now; }
    quint32 now = 0;
};

// Time for games played without a window: a pause takes no time but moves the clock on, so a
// turn plays to its end before it returns (nothing else waits: no window, no other computer).
class InstantTimekeeper : public Timekeeper {
public:
    explicit InstantTimekeeper(ManualClock& clock) : clock_(clock) {}
    std::unique_ptr<Alarm> arm(int ms, std::function<void()>) override {
        clock_.now += static_cast<quint32>(std::max(ms, 0));
        return nullptr;
    }

private:
    ManualClock& clock_;
};
