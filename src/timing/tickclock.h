#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Milliseconds of a monotonic clock, the game's "tick count".
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual quint32 ticks() const = 0;
};

class SteadyTickClock : public TickClock {
public:
    SteadyTickClock();
    quint32 ticks() const override;

private:
    QElapsedTimer elapsed_;
};
