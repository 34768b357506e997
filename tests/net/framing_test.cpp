#include "net/framecodec.h"
#include "net/slottable.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(Frame, HeaderIsIdentifierTypeTotalLengthAndPieceLengthLittleEndian) {
    NetworkBlock b = makeBlock(2, bytes({1}));
    b.id = 7;
    EXPECT_EQ(encodeFrame(b, 0, 1), bytes({7, 0, 0, 0, 2, 1, 0, 0, 0, 1, 0, 0, 0, 1}));
}

TEST(FrameReader, CutsWholeFramesOnlyWhateverTheReadsLookLike) {
    NetworkBlock b = makeBlock(4, QByteArray(300, 'x'));
    b.id = 9;
    const QByteArray first = encodeFrame(b, 0, 200);
    const QByteArray second = encodeFrame(b, 200, 100);

    FrameReader reader(1000);
    reader.append(first.left(13));
    EXPECT_FALSE(reader.next()) << "a header alone is not a frame";
    reader.append(first.mid(13) + second);
    const auto a = reader.next();
    const auto c = reader.next();
    ASSERT_TRUE(a && c) << "two frames in one read are both cut";
    EXPECT_EQ(a->payload.size(), 200);
    EXPECT_EQ(c->payload, QByteArray(100, 'x'));
    EXPECT_EQ(c->id, 9);
    EXPECT_EQ(c->type, 4);
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.broken());
}

TEST(FrameReader, ImplausibleLengthsBreakTheStream) {
    const struct { quint32 total, piece; } cases[] = {{10, 0}, {6000, 5001}, {2000, 1}, {5, 6}};
    for (const auto& c : cases) {
        FrameReader reader(1000);
        QByteArray header = bytes({1, 0, 0, 0, 4});
        header.append(reinterpret_cast<const char*>(&c.total), 4); // test machines are little-endian
        header.append(reinterpret_cast<const char*>(&c.piece), 4);
        reader.append(header + QByteArray(8, 'z'));
        EXPECT_FALSE(reader.next());
        EXPECT_TRUE(reader.broken()) << c.total << "/" << c.piece;
        reader.append(encodeFrame(makeBlock(1, bytes({1})), 0, 1));
        EXPECT_FALSE(reader.next()) << "nothing more comes out of a broken stream";
    }
}

TEST(SlotTable, TakesSlotsFromTheTopAndSendsUpwardsOneFramePerTick) {
    SlotTable table;
    ASSERT_TRUE(table.queue(makeBlock(1, QByteArray(5001, 'a'))));
    ASSERT_TRUE(table.queue(makeBlock(2, QByteArray(5000, 'b'))));
    EXPECT_EQ(table.slot(100).type, 1);
    EXPECT_EQ(table.slot(99).type, 2);

    QList<QByteArray> sent;
    const auto send = [&](const QByteArray& frame) { sent << frame; };
    table.takeFrames(send);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0].size(), 5013) << "slot 99 goes first: the second block leaves before the first";
    EXPECT_EQ(sent[0].at(4), 2);
    EXPECT_EQ(sent[1].size(), 13 + 5000);
    sent.clear();
    table.takeFrames(send);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].size(), 14) << "the 5001st byte follows in the next tick";
    EXPECT_EQ(table.busy(), 0);
}

TEST(SlotTable, AHundredAndFirstBlockIsDropped) {
    SlotTable table;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(table.queue(makeBlock(1, bytes({i}))));
    EXPECT_FALSE(table.queue(makeBlock(1, bytes({1}))));
    EXPECT_EQ(table.busy(), 100);
}

TEST(SlotTable, JoinsPiecesAndFreesTheSlotAfterDelivery) {
    SlotTable sender;
    sender.queue(makeBlock(3, QByteArray(7000, 'q')));
    QList<QByteArray> frames;
    sender.takeFrames([&](const QByteArray& f) { frames << f; });
    sender.takeFrames([&](const QByteArray& f) { frames << f; });

    FrameReader reader(10000);
    SlotTable receiver;
    QList<NetworkBlock> delivered;
    int busyDuringDelivery = -1;
    for (const QByteArray& f : frames) {
        reader.append(f);
        while (const auto frame = reader.next())
            EXPECT_EQ(receiver.receive(*frame,
                                       [&](const NetworkBlock& b) {
                                           delivered << b;
                                           busyDuringDelivery = receiver.busy();
                                       }),
                      SlotTable::Received::Stored);
    }
    ASSERT_EQ(delivered.size(), 1);
    EXPECT_EQ(delivered[0].payload, QByteArray(7000, 'q'));
    EXPECT_EQ(delivered[0].type, 3);
    EXPECT_EQ(busyDuringDelivery, 1) << "the slot stays taken while the block is handled";
    EXPECT_EQ(receiver.busy(), 0);
}

TEST(SlotTable, APieceRunningPastItsBlockIsBroken) {
    SlotTable table;
    Frame head{5, 1, 10, QByteArray(8, 'a')};
    EXPECT_EQ(table.receive(head, [](const NetworkBlock&) {}), SlotTable::Received::Stored);
    Frame tooLong{5, 1, 10, QByteArray(3, 'b')};
    EXPECT_EQ(table.receive(tooLong, [](const NetworkBlock&) {}), SlotTable::Received::Broken);
    Frame otherLength{5, 1, 11, QByteArray(1, 'b')};
    EXPECT_EQ(table.receive(otherLength, [](const NetworkBlock&) {}), SlotTable::Received::Broken);
}

} // namespace
