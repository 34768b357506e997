#pragma once

#include <QString>

#include <array>

// The counters of one participant name.
struct TStatEntry {
    QString name; // at most 10 characters
    qint32 games = 0;
    qint32 wins = 0;
    qint32 pairsFound = 0;
    qint32 misses = 0;
};

// Per-participant counters of the running game, 1-based like the players ([0] unused).
using TGameTallies = std::array<TStatEntry, 5>;
