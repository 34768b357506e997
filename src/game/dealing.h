#pragma once

#include "gamestate.h"
#include "records/statentry.h"

#include <vector>

class GameRandom;

// Deals the board of state.settings (size and group size) on slots 1..n: each motif
// 1..groups on groupSize slots, every slot present, face down, never revealed; then
// shuffles. Sets remainingGroups. Slots beyond n keep what they held.
void dealBoard(GameState& state, GameRandom& random);

// Reorders the motifs of slots 1..keys.size() by ascending key, equal keys keeping their
// order; keys[i] belongs to slot i + 1. Only the motifs move.
void shuffleByKeys(GameState& state, std::vector<int> keys);

// One fresh tally per participant: the name's first 10 characters and one game.
void prepareTallies(const GameState& state, GameTallies& tallies);

// The dealt game begins: participant 1 is about to move, no card turned, game running.
void beginGame(GameState& state);
