#pragma once

#include <array>

struct GameState;

// How often a card must have been turned up before a computer player counts it as known.
int computerThreshold(int level);

// The searches of a computer player over slots 1..n. A candidate is a card that is present,
// face down and has been turned up more than `threshold` times. Each search gives exactly the
// cards that plain loops over all slots (all pairs, all triples) would settle on last, but in
// time linear in n.

// The highest candidate slot that has a candidate partner with the same motif; 0 if none.
int knownPairStart(const GameState& state, int n, int threshold);

// The highest candidate slot showing `motif`; 0 if none.
int knownPartner(const GameState& state, int n, int threshold, int motif);

// The three highest candidate slots of the motif whose highest candidate is the highest slot
// among motifs with at least three candidates, from the highest down; zeros if none.
std::array<int, 3> knownTriple(const GameState& state, int n, int threshold);
