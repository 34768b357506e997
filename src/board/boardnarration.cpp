#include "boardnarration.h"

#include "cards/builtinpicturenames.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString faceName(const GameState& state, const QImage& sheet, int motif) {
    if (state.settings.motifKind == MotifKind::Numbers)
        return QCoreApplication::translate("BoardNarration", "Zahl %1").arg(motif);
    if (showsBuiltInPicture(sheet, motif))
        return builtInPictureName(motif);
    return QCoreApplication::translate("BoardNarration", "Bild %1").arg(motif);
}

// The strip's second line, in brackets.
QString kindNote(const Player& player) {
    QStringList kinds;
    if (player.isComputer)
        kinds << QCoreApplication::translate("BoardNarration", "Computer");
    if (player.isNetwork)
        kinds << QCoreApplication::translate("BoardNarration", "Netzwerk");
    return kinds.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(kinds.join(QLatin1Char(' ')));
}

QString points(int score) {
    return score == 1 ? QCoreApplication::translate("BoardNarration", "1 Punkt")
                      : QCoreApplication::translate("BoardNarration", "%1 Punkte").arg(score);
}

} // namespace

QString slotName(const GameState& state, const QImage& sheet, int slot) {
    if (slot < 1 || slot > kSlotCount)
        return {};
    const Card& card = state.cards[slot];
    if (!card.present)
        return QCoreApplication::translate("BoardNarration", "leer");
    if (!card.faceUp)
        return QCoreApplication::translate("BoardNarration", "Karte %1, verdeckt").arg(slot);
    return QCoreApplication::translate("BoardNarration", "Karte %1: %2")
        .arg(slot)
        .arg(faceName(state, sheet, card.motif));
}

QString statusText(const GameState& state) {
    if (!state.gameRunning)
        return QCoreApplication::translate("BoardNarration", "Kein Spiel aktiv");
    QStringList entries;
    const int count = std::clamp(state.playerCount, 0, kMaxPlayers);
    for (int p = 1; p <= count; ++p) {
        const Player& player = state.players[p];
        QString entry = player.name + kindNote(player) + QStringLiteral(": ") + points(player.score);
        if (p == state.currentPlayer)
            entry += QCoreApplication::translate("BoardNarration", ", am Zug");
        entries << entry;
    }
    return entries.join(QStringLiteral("; "));
}

void TurnNarration::update(const GameState& state, const QImage& sheet) {
    if (!state.gameRunning || state.gameGeneration != generation_) {
        clear();
        generation_ = state.gameGeneration;
    }
    if (!state.gameRunning)
        return;
    // The turn before is over once none of its cards is face up any more: the next player may
    // well begin with one of them.
    if (!turnRunning(state))
        turnOver_ = true;
    for (int slot = 1; slot <= state.cardCount(); ++slot) {
        const Card& card = state.cards[slot];
        if (!card.present || !card.faceUp)
            continue;
        if (turnOver_ || state.currentPlayer != playerNumber_) {
            clear();
            playerNumber_ = state.currentPlayer;
            player_ = playerNumber_ >= 1 && playerNumber_ <= kMaxPlayers ? state.players[playerNumber_].name
                                                                         : QString();
        }
        if (slots_.contains(slot))
            continue;
        slots_ << slot;
        cards_ << QCoreApplication::translate("BoardNarration", "Karte %1, %2")
                      .arg(slot)
                      .arg(faceName(state, sheet, card.motif));
    }
}

QString TurnNarration::text(const GameState& state) const {
    if (!state.gameRunning || cards_.isEmpty())
        return {};
    const QString turned = turnRunning(state)
                               ? QCoreApplication::translate("BoardNarration", "%1 deckt auf: %2")
                               : QCoreApplication::translate("BoardNarration", "%1 deckte auf: %2");
    return turned.arg(player_, cards_.join(QStringLiteral("; ")));
}

bool TurnNarration::turnRunning(const GameState& state) const {
    return std::any_of(slots_.cbegin(), slots_.cend(), [&state](int slot) {
        const Card& card = state.cards[slot];
        return card.present && card.faceUp;
    });
}

void TurnNarration::clear() {
    turnOver_ = false;
    playerNumber_ = 0;
    player_.clear();
    slots_.clear();
    cards_.clear();
}
