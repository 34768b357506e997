#pragma once

#include <QtGlobal>

#include <functional>
#include <random>

// The program's one random generator: uniform integers, re-seeded from the time of day
// when a game is dealt and before every first-card decision of a computer player.
class GameRandom {
public:
    explicit GameRandom(quint32 seed = 1) : engine_(seed) {}

    void seed(quint32 value) { engine_.seed(value); }
    void seedFromClock();
    // Where seedFromClock takes its time of day (milliseconds since midnight); a headless
    // run sets its own source to be repeatable.
    void setTimeOfDaySource(std::function<quint32()> source) { timeOfDay_ = std::move(source); }

    // Uniform in 0..n-1; 0 when n < 1.
    int below(int n);

private:
    std::mt19937 engine_;
    std::function<quint32()> timeOfDay_;
};
