#include "debugdump.h"

#include "game/gamestate.h"

QString debugDumpText(const GameState& state) {
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = QStringLiteral("Anzahl Spieler: ") + QString::number(state.playerCount) + lineBreak;
    text += QStringLiteral("Karten: ") + lineBreak;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const Card& card = state.cards[slot];
        text += QString::number(slot) + QStringLiteral(": (");
        if (card.present)
            text += QLatin1Char('V');
        if (card.faceUp)
            text += QLatin1Char('A');
        text += QStringLiteral(") ");
        if (slot % 6 == 0)
            text += lineBreak;
    }
    text += lineBreak + QStringLiteral("Am Zug: ") + QString::number(state.currentPlayer);
    text += lineBreak + QStringLiteral("Zaehler (aufged.Kart): ") + QString::number(state.turnCardCount);
    return text;
}
