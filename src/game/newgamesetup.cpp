#include "newgamesetup.h"

#include "dealing.h"
#include "gamerandom.h"

void buildParticipants(GameState& state, const std::array<ParticipantRow, 4>& rows) {
    int count = 0;
    for (const ParticipantRow& row : rows) {
        if (row.name.isEmpty())
            continue;
        Player& player = state.players[++count];
        player.name = row.name;
        // The kinds after the first are the computer players, whatever language names them.
        player.isComputer = row.kindIndex >= 1;
        player.isNetwork = row.network;
        player.level = row.kindIndex;
        player.score = 0;
    }
    state.playerCount = count;
}

ParticipantCheck checkParticipants(const GameState& state) {
    int network = 0;
    for (int p = 1; p <= state.playerCount; ++p)
        network += state.players[p].isNetwork;
    ParticipantCheck check;
    check.nobody = state.playerCount < 1;
    check.allNetwork = network == state.playerCount;
    return check;
}

bool anyNetworkParticipant(const GameState& state) {
    for (int p = 1; p <= state.playerCount; ++p)
        if (state.players[p].isNetwork)
            return true;
    return false;
}

void setUpBoard(GameState& state, bool largeBoard, bool triples, bool pictures, GameRandom& random,
                GameTallies& tallies) {
    state.settings.largeBoard = largeBoard;
    state.settings.groupSize = triples ? 3 : 2;
    state.settings.motifKind = pictures ? MotifKind::Pictures : MotifKind::Numbers;
    dealBoard(state, random);
    prepareTallies(state, tallies);
}
