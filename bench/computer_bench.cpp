#include "game/computerchoice.h"
#include "game/dealing.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"

#include <benchmark/benchmark.h>

namespace {

// A large board halfway through a game: every card seen a few times, so the searches have
// many candidates to weigh.
GameState largeBoard(int groupSize) {
    GameState state;
    state.settings.largeBoard = true;
    state.settings.groupSize = groupSize;
    GameRandom random(5);
    dealBoard(state, random);
    for (int k = 1; k <= 120; ++k) {
        state.cards[k].revealCount = random.below(8);
        state.cards[k].present = random.below(3) != 0;
    }
    return state;
}

// A first and a second card of a pair: both searches a computer runs in one turn.
void pairDecision(benchmark::State& bench) {
    const GameState state = largeBoard(2);
    const int threshold = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        const int first = knownPairStart(state, 120, threshold);
        benchmark::DoNotOptimize(knownPartner(state, 120, threshold, state.cards[first].motif));
    }
}

void tripleDecision(benchmark::State& bench) {
    const GameState state = largeBoard(3);
    const int threshold = static_cast<int>(bench.range(0));
    for (auto _ : bench)
        benchmark::DoNotOptimize(knownTriple(state, 120, threshold));
}

} // namespace

BENCHMARK(pairDecision)->Arg(0)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(tripleDecision)->Arg(0)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);
