#include "net/gamemessages.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TEST(GameMessages, ACardTurnedIsParticipantAndSlot) {
    const QByteArray payload = encodeCardTurned(2, 37);
    EXPECT_EQ(payload, QByteArray::fromHex("022500"));
    const auto card = decodeCardTurned(payload);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->participant, 2);
    EXPECT_EQ(card->slot, 37);
    for (const char* bad : {"002500", "052500", "020000", "027900", "02250000"})
        EXPECT_FALSE(decodeCardTurned(QByteArray::fromHex(bad))) << bad;
}

TEST(GameMessages, TheInvitationCarriesFourEntriesOfTwentyThreeBytes) {
    Invitation sent;
    sent.playerCount = 2;
    sent.players[0] = InvitedPlayer{QStringLiteral("Anna"), false, false};
    sent.players[1] = InvitedPlayer{QStringLiteral("Bernhard-Maximilian-Xaver"), true, true};
    sent.players[2] = InvitedPlayer{QStringLiteral("Alt"), false, true};
    const QByteArray out = encodeInvitation(sent);
    ASSERT_EQ(out.size(), 93);
    EXPECT_EQ(out.at(0), 2);
    EXPECT_EQ(out.at(1), 4);
    EXPECT_EQ(out.mid(2, 4), "Anna");
    EXPECT_EQ(out.at(1 + 21), 0);
    EXPECT_EQ(out.at(24), 20) << "a long name is cut to 20 characters";
    EXPECT_EQ(out.mid(25, 20), "Bernhard-Maximilian-");
    EXPECT_EQ(out.at(24 + 21), 1);
    EXPECT_EQ(out.at(24 + 22), 1);
    EXPECT_EQ(out.at(47 + 22), 1) << "entries beyond the participants go out as they are";

    const auto invitation = decodeInvitation(out);
    ASSERT_TRUE(invitation);
    EXPECT_EQ(invitation->playerCount, 2);
    EXPECT_EQ(invitation->players[1].name, "Bernhard-Maximilian-");
    EXPECT_TRUE(invitation->players[1].isComputer);

    QByteArray badCount = out;
    badCount[0] = 5;
    EXPECT_FALSE(decodeInvitation(badCount));
    QByteArray badName = out;
    badName[1] = 21;
    EXPECT_FALSE(decodeInvitation(badName));
    EXPECT_FALSE(decodeInvitation(out.left(92)));
}

TEST(GameMessages, NamesTravelInTheWesternWindowsCodePage) {
    Invitation sent;
    sent.playerCount = 2;
    sent.players[0].name = QStringLiteral("Œ€š “Zoë”");
    sent.players[1].name = QStringLiteral("Ćiro");
    const QByteArray out = encodeInvitation(sent);
    EXPECT_EQ(out.mid(1, 10).toHex(), "098c809a20935a6feb94");
    EXPECT_EQ(out.mid(24, 5), "\x04?iro") << "what the code page lacks is a question mark, as in the files";

    QByteArray in(93, '\0');
    in[0] = 1;
    in.replace(1, 10, QByteArray::fromHex("098c809a20935a6feb94"));
    const auto invitation = decodeInvitation(in);
    ASSERT_TRUE(invitation);
    EXPECT_EQ(invitation->players[0].name, QStringLiteral("Œ€š “Zoë”"));
}

TEST(GameMessages, GameDataMustDescribeAPlayableBoard) {
    GameData sent{60, false, true, false, {}};
    for (int k = 1; k <= 120; ++k)
        sent.motifs[k] = (k - 1) % 20 + 1; // a small triples board; slots beyond are leftovers
    const QByteArray out = encodeGameData(sent);
    ASSERT_EQ(out.size(), 485);
    EXPECT_EQ(out.left(5), QByteArray::fromHex("3c00000100"));
    EXPECT_EQ(qFromLittleEndian<qint32>(out.constData() + 5 + 4 * 22), 3) << "slot 23";
    const auto data = decodeGameData(out);
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->triples);
    EXPECT_FALSE(data->largeBoard);
    EXPECT_FALSE(data->pictures);
    EXPECT_EQ(data->motifs[23], 3);

    QByteArray outOfRange = out;
    qToLittleEndian<qint32>(21, outOfRange.data() + 5);
    EXPECT_FALSE(decodeGameData(outOfRange)) << "motif 21 on a board of 20 groups";
    QByteArray unfinishable = out;
    qToLittleEndian<qint32>(2, unfinishable.data() + 5); // motif 1 twice, motif 2 four times
    EXPECT_FALSE(decodeGameData(unfinishable));
    QByteArray large = out;
    large[2] = 1; // 120 cards: 40 triples, but the motifs only go to 20 six times each
    EXPECT_FALSE(decodeGameData(large));
}

TEST(GameMessages, AnswersAndSignals) {
    EXPECT_EQ(decodeAnswer(encodeAnswer(true)), true);
    EXPECT_EQ(decodeAnswer(encodeAnswer(false)), false);
    EXPECT_EQ(decodeAnswer(QByteArray(1, 7)), false) << "anything but 1 declines";
    EXPECT_FALSE(decodeAnswer(QByteArray()));
    EXPECT_EQ(encodeSignal(), QByteArray::fromHex("01000000"));
    EXPECT_TRUE(isSignal(encodeSignal()));
    EXPECT_FALSE(isSignal(QByteArray(3, 0)));
}

} // namespace
