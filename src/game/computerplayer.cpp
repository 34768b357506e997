#include "computerplayer.h"

#include "computerchoice.h"
#include "gamerandom.h"
#include "gamestate.h"
#include "timing/tickclock.h"
#include "turnflow.h"

ComputerPlayer::ComputerPlayer(GameState& state, TurnFlow& flow, GameRandom& random, const TickClock& clock,
                               QObject* parent)
    : QObject(parent), state_(state), flow_(flow), random_(random), clock_(clock) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ComputerPlayer::onTimer);
}

void ComputerPlayer::onTimer() {
    // No tick may start while this one is still working: its pauses process messages.
    timer_.stop();
    moving_ = true;
    if (mayMove()) {
        const int n = state_.cardCount();
        const int threshold = computerThreshold(state_.current().level);
        if (state_.settings.groupSize == 3)
            playTriples(n, threshold);
        else
            playPairs(n, threshold);
    }
    moving_ = false;
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

void ComputerPlayer::playPairs(int n, int threshold) {
    const quint32 generation = state_.gameGeneration;
    auto& picks = state_.computerPicks;
    if (state_.turnCardCount == 0) {
        picks[0] = knownPairStart(state_, n, threshold);
        random_.seedFromClock();
        if (picks[0] == 0)
            picks[0] = randomFreeCard(n);
        if (!turn(picks[0], generation))
            return;
        flow_.pause(200 + random_.below(300));
        if (state_.gameGeneration != generation || !state_.gameRunning)
            return;
    }
    if (state_.turnCardCount == 1) {
        const int first = picks[0];
        const int motif = (first >= 1 && first <= kSlotCount) ? state_.cards[first].motif : 0;
        picks[1] = knownPartner(state_, n, threshold, motif);
        // A random second card may well be one the computer could know to differ.
        if (picks[1] == 0)
            picks[1] = randomFreeCard(n);
        turn(picks[1], generation);
    }
}

void ComputerPlayer::playTriples(int n, int threshold) {
    const quint32 generation = state_.gameGeneration;
    auto& picks = state_.computerPicks;
    if (state_.turnCardCount == 0) {
        // Without a whole known triple everything is random: no search for a partner of a
        // randomly chosen first card.
        const auto triple = knownTriple(state_, n, threshold);
        picks = {triple[0], triple[1], triple[2]};
        random_.seedFromClock();
        if (picks[0] == 0)
            picks[0] = randomFreeCard(n);
        if (!turn(picks[0], generation))
            return;
    }
    if (state_.turnCardCount == 1) {
        if (picks[1] == 0)
            picks[1] = randomFreeCard(n);
        if (!turn(picks[1], generation))
            return;
    }
    if (state_.turnCardCount == 3) {
        if (picks[2] == 0)
            picks[2] = randomFreeCard(n);
        turn(picks[2], generation);
    }
}

bool ComputerPlayer::turn(int slot, quint32 generation) {
    if (slot < 1 || slot > kSlotCount)
        return false;
    flow_.turnCard(slot);
    return state_.gameGeneration == generation && state_.gameRunning;
}

int ComputerPlayer::randomFreeCard(int n) {
    return randomCard(state_, n, random_);
}
