#include "gamerandom.h"

#include <QTime>

void GameRandom::seedFromClock() {
    seed(timeOfDay_ ? timeOfDay_() : static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
}

int GameRandom::below(int n) {
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}
