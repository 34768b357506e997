#pragma once

#include "gamestate.h"
#include "turnports.h"

// A board nobody looks at: transitions only do what the game relies on (the turned cards are
// taken off the list), everything else is dropped. For games played without a window.
class HeadlessBoard : public BoardPort {
public:
    explicit HeadlessBoard(GameState& state) : state_(state) {}

    Task<> showCard(int, int, int) override { co_return; }
    Task<> hideFaceUpCards() override {
        state_.pendingCards.clear();
        co_return;
    }
    Task<> removeFaceUpCards() override {
        state_.pendingCards.clear();
        co_return;
    }
    void repaintBoard() override {}
    void drawFreshBoard() override {}
    void redrawFaceDownCards() override {}
    void drawStatusStrip() override {}
    void setBoardEnabled(bool) override {}
    void showKnownGroups(int) override {}
    void showRemainingGroups(int) override {}

private:
    GameState& state_;
};
