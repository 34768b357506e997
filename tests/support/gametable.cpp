#include "gametable.h"

#include "game/dealing.h"
#include "game/gamerandom.h"

void GameTable::startGame(const std::vector<Player>& players, Setup setup) {
    dialogs.startGame = [=, this] {
        state.settings.largeBoard = false;
        state.settings.groupSize = setup.groupSize;
        state.settings.difficulty = static_cast<quint8>(setup.difficulty);
        state.settings.networkGame = setup.network;
        state.playerCount = static_cast<int>(players.size());
        for (int p = 1; p <= state.playerCount; ++p)
            state.players[p] = players[p - 1];
        GameRandom random(99);
        dealBoard(state, random);
        const int groups = 60 / setup.groupSize;
        for (int k = 1; k <= 60; ++k)
            state.cards[k].motif = (k - 1) % groups + 1;
        prepareTallies(state, tallies);
        beginGame(state);
        flow.statusRefresh();
    };
    flow.startNewGame();
    journal.entries.clear();
    protocol.lines.clear();
}

void GameTable::click(int slot) {
    flow.turnCard(slot);
}
