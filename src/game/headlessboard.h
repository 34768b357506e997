#pragma once

#include "gamestate.h"
#include "turnports.h"

// A board nobody looks at: transitions only do what the game relies on (the turned cards are
// taken off the list), everything else is dropped. For games played without a window.
class HeadlessBoard : public BoardPort {
public:
    explicit HeadlessBoard(GameState& state) : state_(state) {}

    void ShowCard(int, int, int) override {}
    void HideFaceUpCards() override { state_.pendingCards.clear(); }
    void RemoveFaceUpCards() override { state_.pendingCards.clear(); }
    void PaintBox1Paint() override {}
    void DrawFreshBoard() override {}
    void RedrawFaceDownCards() override {}
    void DrawStatusStrip() override {}
    void setBoardEnabled(bool) override {}
    void showKnownGroups(int) override {}
    void showRemainingGroups(int) override {}

private:
    GameState& state_;
};
