#include "arena.h"

#include "computerplayer.h"
#include "dealing.h"
#include "gamerandom.h"
#include "gamestate.h"
#include "headlessboard.h"
#include "instanttime.h"
#include "turnflow.h"

namespace {

// Deals each game with the participants seated in turn, so nobody always moves first.
class ArenaTable : public DialogPort {
public:
    ArenaTable(const ArenaConfig& config, GameState& state, GameTallies& tallies, GameRandom& random)
        : config_(config), state_(state), tallies_(tallies), random_(random) {}

    bool confirmAbandonGame() override { return true; }
    void runNewGameDialog() override;
    Task<> showEndDialog(EndDialogText) override {
        finished = true;
        co_return;
    }

    std::vector<int> seatOrder; // seat -> index into config.levels
    TurnFlow* flow = nullptr;   // the flow asks the table for games, the table refreshes its status
    bool finished = false;

private:
    const ArenaConfig& config_;
    GameState& state_;
    GameTallies& tallies_;
    GameRandom& random_;
};

void ArenaTable::runNewGameDialog() {
    random_.seedFromClock();
    state_.settings.largeBoard = config_.largeBoard;
    state_.settings.groupSize = config_.groupSize;
    state_.settings.motifKind = MotifKind::Numbers;
    state_.settings.networkGame = false;
    state_.playerCount = static_cast<int>(seatOrder.size());
    for (int seat = 1; seat <= state_.playerCount; ++seat) {
        const int level = config_.levels[seatOrder[seat - 1]];
        state_.players[seat] = Player{computerKindName(level), 0, true, false, level};
    }
    dealBoard(state_, random_);
    prepareTallies(state_, tallies_);
    beginGame(state_);
    flow->statusRefresh();
    finished = false;
}

void recordGame(const GameState& state, const std::vector<int>& seatOrder, ArenaResult& result) {
    const GameResult outcome = decideResult(state);
    const qint32 best = outcome.winner >= 1 ? state.players[outcome.winner].score : 0;
    for (int seat = 1; seat <= state.playerCount; ++seat) {
        ArenaStanding& standing = result.standings[seatOrder[seat - 1]];
        standing.points += state.players[seat].score;
        if (!outcome.draw && seat == outcome.winner)
            ++standing.wins;
        else if (outcome.draw && state.players[seat].score == best)
            ++standing.draws;
    }
}

} // namespace

QString computerKindName(int level) {
    switch (level) {
    case 1:
        return QStringLiteral("Computer-Spieler (Dumm)");
    case 2:
        return QStringLiteral("Computer-Spieler (Normal)");
    default:
        return QStringLiteral("Computer-Spieler (Unbesiegbar)");
    }
}

ArenaResult runArena(const ArenaConfig& config) {
    ArenaResult result;
    const int count = static_cast<int>(std::min<size_t>(config.levels.size(), kMaxPlayers));
    for (int i = 0; i < count; ++i)
        result.standings.push_back({computerKindName(config.levels[i]), config.levels[i]});
    if (count == 0)
        return result;

    GameState state;
    GameTallies tallies;
    ProgramOptions options;
    ManualClock clock;
    InstantTimekeeper timekeeper(clock);
    HeadlessBoard board(state);
    GameRandom random(config.seed);
    quint32 reseeds = 0;
    random.setTimeOfDaySource([&] { return config.seed * 2654435761u + ++reseeds; });
    ArenaTable table(config, state, tallies, random);
    TurnFlow flow(state, tallies, options, timekeeper, clock, board, table);
    table.flow = &flow;
    ComputerPlayer computer(state, flow, random, clock);

    for (int game = 0; game < config.games; ++game) {
        table.seatOrder.clear();
        for (int seat = 0; seat < count; ++seat)
            table.seatOrder.push_back((seat + game) % count);
        flow.startNewGame();
        // A turn is at most three cards; a game of 120 cards never needs anywhere near this.
        for (int tick = 0; tick < 200000 && !table.finished; ++tick) {
            clock.now += ComputerPlayer::kThinkingMs + 1;
            computer.onTimer();
        }
        if (!table.finished) {
            ++result.unfinished;
            flow.abandonGame();
            continue;
        }
        recordGame(state, table.seatOrder, result);
        for (int k = 1; k <= state.cardCount(); ++k)
            result.cardsTurned += state.cards[k].revealCount;
        ++result.games;
    }
    return result;
}
