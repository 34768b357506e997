#include "game/gamerandom.h"
#include "net/gamemessages.h"
#include "networkfuzz.h"

#include <gtest/gtest.h>

namespace {

// Messages a peer might send: valid ones that move a game along, mutated ones, and noise.
QByteArray someMessage(GameRandom& random, qint32 id) {
    Invitation inviting;
    inviting.playerCount = 1 + random.below(4);
    for (int p = 1; p <= 4; ++p)
        inviting.players[p - 1] =
            InvitedPlayer{QStringLiteral("P%1").arg(p), random.below(2) == 1, random.below(2) == 1};
    const bool large = random.below(2) == 1;
    const int groups = (large ? 120 : 60) / 2;
    GameData board{static_cast<quint16>(large ? 120 : 60), large, false, true, {}};
    for (int k = 1; k <= 120; ++k)
        board.motifs[k] = (k - 1) % groups + 1;

    QByteArray payload;
    // Mostly cards and signals, so that games get played, with the set-up messages among them.
    const quint8 weighted[] = {1, 2, 3, 4, 4, 4, 4, 5, 6, 6};
    quint8 type = weighted[random.below(10)];
    switch (type) {
    case 1:
        payload = encodeInvitation(inviting);
        break;
    case 2:
        payload = encodeAnswer(random.below(2) == 1);
        break;
    case 3:
        payload = encodeGameData(board);
        break;
    case 4:
        payload = encodeCardTurned(1 + random.below(4), 1 + random.below(large ? 120 : 60));
        break;
    default:
        payload = encodeSignal();
    }
    const int mutations = random.below(3) == 0 ? 1 + random.below(4) : 0;
    for (int m = 0; m < mutations && !payload.isEmpty(); ++m)
        payload[random.below(payload.size())] = static_cast<char>(random.below(256));
    if (random.below(20) == 0)
        type = static_cast<quint8>(random.below(256));
    return framedMessage(type, payload, id);
}

QByteArray noise(GameRandom& random) {
    QByteArray bytes(random.below(40), '\0');
    for (char& b : bytes)
        b = static_cast<char>(random.below(256));
    return bytes;
}

int iterations() {
    const int fromEnvironment = qEnvironmentVariableIntValue("SORBELLO_FUZZ_ITERATIONS");
    return fromEnvironment > 0 ? fromEnvironment : 200;
}

TEST(NetworkFuzz, NoSequenceOfBytesBreaksTheGame) {
    GameRandom random(4711);
    int runsWithTurnedCards = 0;
    for (int run = 0; run < iterations(); ++run) {
        NetworkFuzzWorld world;
        QByteArray stream;
        if (random.below(2) == 0) { // a proper start: invitation, then the board
            Invitation inviting;
            inviting.playerCount = 2;
            inviting.players[1].isNetwork = true;
            GameData board{60, false, false, true, {}};
            for (int k = 1; k <= 120; ++k)
                board.motifs[k] = (k - 1) % 30 + 1;
            stream += framedMessage(1, encodeInvitation(inviting), 1000);
            stream += framedMessage(3, encodeGameData(board), 1001);
        }
        for (int m = 0; m < 60; ++m)
            stream += random.below(10) == 0 ? noise(random) : someMessage(random, m);
        // Delivered in pieces of any size, as TCP may.
        for (int at = 0; at < stream.size();) {
            const int piece = 1 + random.below(200);
            world.feed(stream.mid(at, piece));
            at += piece;
            const char* broken = nullptr;
            ASSERT_TRUE(world.consistent(&broken)) << "run " << run << ": " << broken;
        }
        runsWithTurnedCards += world.cardsTurned() > 0;
    }
    EXPECT_GT(runsWithTurnedCards, iterations() / 10) << "the inputs must reach games in progress";
}

} // namespace
