#include "board/boardnarration.h"
#include "cards/cardsheet.h"
#include "support/qtprinters.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QString faceUpName(MotifKind kind, int motif, const QImage& sheet) {
    GameState state;
    state.settings.motifKind = kind;
    state.cards[12] = Card{slotLeft(12), slotTop(12), true, true, 1, motif};
    return slotName(state, sheet, 12);
}

} // namespace

TEST(BoardNarration, AFaceUpCardIsNamedAfterWhatItsFaceShows) {
    const QImage builtIn = builtInSheet();
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, builtIn), "Karte 12: Flugzeug");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 1, builtIn), "Karte 12: Apfel");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 64, builtIn), "Karte 12: Eistüte");
    EXPECT_EQ(faceUpName(MotifKind::Numbers, 19, builtIn), "Karte 12: Zahl 19");

    // A sheet file made from the built-in one: only the picture painted over is a new one.
    QImage edited = builtIn.convertToFormat(QImage::Format_RGB32);
    QPainter(&edited).fillRect(motifRect(7).adjusted(10, 10, -10, -10), Qt::red);
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 7, edited), "Karte 12: Bild 7");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, edited), "Karte 12: Flugzeug");

    const QImage foreign(100, 100, QImage::Format_RGB32);
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, foreign), "Karte 12: Bild 19") << "cell beyond the sheet";
}

// The next player may begin with a card the player before turned: it still begins their turn.
TEST(BoardNarration, ATurnThatBeginsWithTheCardTheTurnBeforeShowedIsTheNextPlayers) {
    const QImage sheet = builtInSheet();
    GameState state;
    state.gameRunning = true;
    state.playerCount = 2;
    state.players[1].name = QStringLiteral("Anna");
    state.players[2].name = QStringLiteral("Robo");
    state.cards[3] = Card{slotLeft(3), slotTop(3), true, false, 0, 19};
    state.cards[4] = Card{slotLeft(4), slotTop(4), true, false, 0, 1};
    TurnNarration narration;
    const auto turnUp = [&](int slot, bool up) {
        state.cards[slot].faceUp = up;
        narration.update(state, sheet);
    };

    state.currentPlayer = 1;
    turnUp(3, true);
    turnUp(4, true);
    EXPECT_EQ(narration.text(state), "Anna deckt auf: Karte 3, Flugzeug; Karte 4, Apfel");
    turnUp(3, false);
    turnUp(4, false);
    EXPECT_EQ(narration.text(state), "Anna deckte auf: Karte 3, Flugzeug; Karte 4, Apfel");

    state.currentPlayer = 2;
    narration.update(state, sheet);
    turnUp(4, true);
    EXPECT_EQ(narration.text(state), "Robo deckt auf: Karte 4, Apfel");
}
