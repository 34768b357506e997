#include "tickclock.h"

SteadyTickClock::SteadyTickClock() {
    elapsed_.start();
}

quint32 SteadyTickClock::ticks() const {
    return static_cast<quint32>(elapsed_.elapsed());
}
