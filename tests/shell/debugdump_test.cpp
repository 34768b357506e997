#include "game/gamestate.h"
#include "shell/debugdump.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

QStringList dumpLines(const GameState& state) {
    return debugDumpText(state).split(QStringLiteral("\r\n"));
}

TEST(DebugDump, BeforeTheFirstGameEverySlotIsEmpty) {
    GameState state;
    computeSlotPositions(state);
    const QStringList lines = dumpLines(state);

    ASSERT_EQ(lines.size(), 25); // count, heading, 20 slot lines, empty line, turn, counter
    EXPECT_EQ(lines[0], "Anzahl Spieler: 0");
    EXPECT_EQ(lines[1], "Karten: ");
    EXPECT_EQ(lines[2], "1: () 2: () 3: () 4: () 5: () 6: () ");
    EXPECT_EQ(lines[21], "115: () 116: () 117: () 118: () 119: () 120: () ");
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[23], "Am Zug: 1");
    EXPECT_EQ(lines[24], "Zaehler (aufged.Kart): 0");
}

TEST(DebugDump, DuringAGameShowsPresentAndFaceUpCardsAndTheTurn) {
    GameState state;
    computeSlotPositions(state);
    state.playerCount = 2;
    for (int slot = 1; slot <= 60; ++slot)
        state.cards[slot].present = true;
    state.cards[3].faceUp = true;
    state.cards[60].present = false;
    state.currentPlayer = 2;
    state.turnCardCount = 1;

    const QString text = debugDumpText(state);
    EXPECT_TRUE(
        text.startsWith("Anzahl Spieler: 2\r\nKarten: \r\n1: (V) 2: (V) 3: (VA) 4: (V) 5: (V) 6: (V) \r\n"))
        << text.left(80).toStdString();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(lines[11], "55: (V) 56: (V) 57: (V) 58: (V) 59: (V) 60: () ");
    EXPECT_EQ(lines[12], "61: () 62: () 63: () 64: () 65: () 66: () ");
    EXPECT_TRUE(text.endsWith("120: () \r\n\r\nAm Zug: 2\r\nZaehler (aufged.Kart): 1"));
}

} // namespace
