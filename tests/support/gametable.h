#pragma once

// A turn flow wired to fakes, with a deal whose motifs tests know: motif m lies on slots m,
// m + g (and m + 2g for triples), g being the number of groups of the small board.

#include "fakes.h"
#include "game/turnflow.h"
#include "records/programoptions.h"

#include <vector>

inline Player humanPlayer(const QString& name) {
    return Player{name, 0, false, false, 0};
}
inline Player computerPlayer(const QString& name, int level = 2, bool network = false) {
    return Player{name, 0, true, network, level};
}
inline Player remotePlayer(const QString& name) {
    return Player{name, 0, false, true, 0};
}

class GameTable {
public:
    struct Setup {
        int groupSize = 2;
        int difficulty = 1;
        bool network = false;
    };

    // Starts a game through the new-game command, then forgets what was recorded so far.
    void startGame(const std::vector<Player>& players, Setup setup);
    void startGame(const std::vector<Player>& players) { startGame(players, Setup{}); }
    // A click in the middle of the slot's card.
    void click(int slot);

    GameState state;
    GameTallies tallies;
    ProgramOptions options;
    Journal journal;
    FakeClock clock;
    FakeTimekeeper timekeeper{journal, clock};
    FakeBoard board{journal, state, timekeeper};
    FakeDialogs dialogs{journal};
    FakeProtocol protocol;
    TurnFlow flow{state, tallies, options, timekeeper, clock, board, dialogs};
};
