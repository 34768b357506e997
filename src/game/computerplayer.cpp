#include "computerplayer.h"

#include "computerchoice.h"
#include "gamerandom.h"
#include "gamestate.h"
#include "timing/tickclock.h"
#include "turnflow.h"

#include <QPointer>

ComputerPlayer::ComputerPlayer(GameState& state, TurnFlow& flow, GameRandom& random, const TickClock& clock,
                               QObject* parent)
    : QObject(parent), state_(state), flow_(flow), random_(random), clock_(clock) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ComputerPlayer::onTimer);
}

void ComputerPlayer::onTimer() {
    // No tick may start while a move is being made.
    timer_.stop();
    if (mayMove())
        flow_.play(move());
    else
        wake();
}

// The move is in progress for as long as its frame lives: a move dropped with an abandoned
// game lets the next game's computer move again. The turn flow may drop it only after this
// player has gone (at the end of the program).
class ComputerPlayer::MovingMark {
public:
    explicit MovingMark(ComputerPlayer& player) : player_(&player) { player_->moving_ = true; }
    ~MovingMark() {
        if (player_)
            player_->moving_ = false;
    }
    MovingMark(const MovingMark&) = delete;
    MovingMark& operator=(const MovingMark&) = delete;

private:
    QPointer<ComputerPlayer> player_;
};

Task<> ComputerPlayer::move() {
    {
        const MovingMark mark(*this);
        // Checked again: a turn queued before the move may have passed the turn on.
        if (mayMove()) {
            const int n = state_.cardCount();
            const int threshold = computerThreshold(state_.current().level);
            if (state_.settings.groupSize == 3)
                co_await playTriples(n, threshold);
            else
                co_await playPairs(n, threshold);
        }
    }
    wake();
}

void ComputerPlayer::wake() {
    if (!moving_ && !timer_.isActive() && computerToMove())
        timer_.start();
}

bool ComputerPlayer::computerToMove() const {
    const Player& player = state_.current();
    return state_.gameRunning && player.isComputer && !player.isNetwork;
}

bool ComputerPlayer::mayMove() const {
    return computerToMove() && clock_.ticks() - state_.lastRefreshTicks > kThinkingMs;
}

Task<> ComputerPlayer::playPairs(int n, int threshold) {
    auto& picks = state_.computerPicks;
    if (state_.turnCardCount == 0) {
        picks[0] = knownPairStart(state_, n, threshold);
        random_.seedFromClock();
        if (picks[0] == 0)
            picks[0] = randomFreeCard(n);
        if (!co_await turn(picks[0]))
            co_return;
        co_await flow_.pause(200 + random_.below(300));
    }
    if (state_.turnCardCount == 1) {
        const int first = picks[0];
        const int motif = (first >= 1 && first <= kSlotCount) ? state_.cards[first].motif : 0;
        picks[1] = knownPartner(state_, n, threshold, motif);
        // A random second card may well be one the computer could know to differ.
        if (picks[1] == 0)
            picks[1] = randomFreeCard(n);
        co_await turn(picks[1]);
    }
}

Task<> ComputerPlayer::playTriples(int n, int threshold) {
    auto& picks = state_.computerPicks;
    if (state_.turnCardCount == 0) {
        // Without a whole known triple everything is random: no search for a partner of a
        // randomly chosen first card.
        const auto triple = knownTriple(state_, n, threshold);
        picks = {triple[0], triple[1], triple[2]};
        random_.seedFromClock();
        if (picks[0] == 0)
            picks[0] = randomFreeCard(n);
        if (!co_await turn(picks[0]))
            co_return;
    }
    if (state_.turnCardCount == 1) {
        if (picks[1] == 0)
            picks[1] = randomFreeCard(n);
        if (!co_await turn(picks[1]))
            co_return;
    }
    if (state_.turnCardCount == 3) {
        if (picks[2] == 0)
            picks[2] = randomFreeCard(n);
        co_await turn(picks[2]);
    }
}

Task<bool> ComputerPlayer::turn(int slot) {
    if (slot < 1 || slot > kSlotCount)
        co_return false;
    co_await flow_.turn(slot);
    co_return true;
}

int ComputerPlayer::randomFreeCard(int n) {
    return randomCard(state_, n, random_);
}
