#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Complete games between computer players, played through the real turn flow without a
// window and without waiting, to measure the players.
struct ArenaConfig {
    std::vector<int> levels; // one computer level (1..3) per participant, 1..4 of them
    bool largeBoard = false;
    int groupSize = 2;
    int games = 100;
    quint32 seed = 1;
};

struct ArenaStanding {
    QString name;
    int level = 0;
    int wins = 0;  // sole winner
    int draws = 0; // shared top score
    long long points = 0;
};

struct ArenaResult {
    std::vector<ArenaStanding> standings; // in the order of ArenaConfig::levels
    int games = 0;
    int unfinished = 0; // games stopped by the safety limit; never expected
    long long cardsTurned = 0;
};

// The name of a computer level as the new-game dialog lists it.
QString computerKindName(int level);

ArenaResult runArena(const ArenaConfig& config);
