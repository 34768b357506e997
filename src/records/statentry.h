#pragma once

#include <QString>

#include <array>

// The counters of one participant name: the running game's tally, or the sum of all games in
// the statistics file.
struct StatEntry {
    QString name; // at most 10 characters
    qint32 games = 0;
    qint32 wins = 0;
    qint32 pairsFound = 0;
    qint32 misses = 0;

    bool operator==(const StatEntry&) const = default;
};

inline constexpr int kStatNameLength = 10;

// Per-participant counters of the running game, 1-based like the players ([0] unused).
using GameTallies = std::array<StatEntry, 5>;
