#pragma once

#include "gamestate.h"
#include "records/statentry.h"

#include <QString>

#include <array>

class GameRandom;

// One row of the new-game dialog: name, kind list and "Netzwerk" lamp.
struct ParticipantRow {
    QString name;
    int kindIndex = 0; // a human, the three computer players, or -1 for none chosen
    bool network = false;
};

// Every row with a name becomes the next participant, numbered from 1 in row order; empty
// rows are skipped. Sets playerCount.
void buildParticipants(GameState& state, const std::array<ParticipantRow, 4>& rows);

struct ParticipantCheck {
    bool nobody = false;     // "Sie brauchen für ein vernünftiges Spiel ... mindestens einen Spieler!"
    bool allNetwork = false; // "Es dürfen nicht alle Spieler Netzwerk-Teilnehmer sein!"
    bool passed() const { return !nobody && !allNetwork; }
};
ParticipantCheck checkParticipants(const GameState& state);

bool anyNetworkParticipant(const GameState& state);

// The chosen board is dealt and shuffled and each participant gets a fresh tally.
void setUpBoard(GameState& state, bool largeBoard, bool triples, bool pictures, GameRandom& random,
                GameTallies& tallies);
