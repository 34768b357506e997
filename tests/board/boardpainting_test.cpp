#include "board/boardpainting.h"
#include "painting/tiling.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kBlack = qRgb(0, 0, 0);

QImage filledImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every tile pixel tells its own position.
QImage coordinateTile() {
    QImage tile(49, 49, QImage::Format_RGB32);
    for (int y = 0; y < 49; ++y)
        for (int x = 0; x < 49; ++x)
            tile.setPixel(x, y, qRgb(x * 5, y * 5, 7));
    return tile;
}

// `count` pixels from `start` on in steps of `step`: 'k' black, 's' silver, 'g' grey, 'L' lime, '?' other.
std::string pixels(const QImage& image, QPoint start, QPoint step, int count) {
    std::string text;
    for (QPoint p = start; count-- > 0; p += step) {
        const QRgb c = image.pixel(p);
        text += c == kBlack                ? 'k'
                : c == kSilver             ? 's'
                : c == qRgb(128, 128, 128) ? 'g'
                : c == qRgb(0, 255, 0)     ? 'L'
                                           : '?';
    }
    return text;
}

// Bounding box of the pixels inside `area` that pass `test`.
QRect inkBox(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(QColor(image.pixel(x, y))))
                box |= QRect(x, y, 1, 1);
    return box;
}

GameState runningGame(int players, int current) {
    GameState state;
    state.gameRunning = true;
    state.playerCount = players;
    state.currentPlayer = current;
    for (int i = 1; i <= players; ++i)
        state.players[i].name = QStringLiteral("P%1").arg(i);
    return state;
}

TEST(TileTexture, TilesStepByOneLessThanTheirSizeWhileTheStartIsWithinTheGivenSize) {
    const QImage tile = coordinateTile();
    QImage whole = filledImage(130, 100, kBlack), part = filledImage(200, 120, kBlack);
    tileTexture(130, 100, whole, tile);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            ASSERT_EQ(whole.pixel(x, y), tile.pixel(x % 48, y % 48)) << x << "," << y;
    tileTexture(96, 48, part, tile); // tiles at x = 0, 48, 96 and y = 0, 48
    EXPECT_EQ(inkBox(part, part.rect(), [](QColor c) { return c.rgb() != kBlack; }), QRect(0, 0, 145, 97));
}

TEST(StatusStrip, TwoParticipantsSplitTheStripAtTheEvenRoundedMiddle) {
    QImage strip = filledImage(377, 33, qRgb(1, 2, 3));
    paintStatusStrip(strip, runningGame(2, 2));
    // k black, s silver, g grey, L lime: strip border, gap, box outline, box inside.
    EXPECT_EQ(pixels(strip, {0, 16}, {1, 0}, 4), "kskg");
    EXPECT_EQ(pixels(strip, {184, 16}, {1, 0}, 8), "gksssskL");
    EXPECT_EQ(pixels(strip, {373, 16}, {1, 0}, 4), "Lksk");
    EXPECT_EQ(pixels(strip, {3, 0}, {0, 1}, 4) + pixels(strip, {3, 29}, {0, 1}, 4), "kskggksk");
    const QRect white = inkBox(strip, {3, 3, 182, 27}, [](QColor c) { return c.lightness() > 200; });
    const QRect dark = inkBox(strip, {191, 3, 183, 27}, [](QColor c) { return c.lightness() < 60; });
    // Both names are centred in a 188-pixel column that starts 2 pixels into its box.
    EXPECT_NEAR(white.center().x(), 2 + 94, 3);
    EXPECT_NEAR(dark.center().x(), 190 + 94, 3);
    EXPECT_GE(white.top(), 5);
}

TEST(StatusStrip, FourParticipantBoxesFallOnTheRoundedQuarterEdges) {
    QImage strip = filledImage(377, 33, qRgb(1, 2, 3));
    paintStatusStrip(strip, runningGame(4, 1));
    const int edges[] = {0, 94, 188, 283, 377};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pixels(strip, {edges[i] + 1, 3}, {1, 0}, 3), i == 0 ? "skL" : "skg") << i;
        EXPECT_EQ(pixels(strip, {edges[i + 1] - 3, 3}, {1, 0}, 2), "ks") << i;
    }
}

TEST(StatusStrip, KindLineInRedOnlyForComputerOrNetworkParticipants) {
    GameState state = runningGame(3, 1);
    state.players[1].isComputer = true;
    state.players[2].isComputer = state.players[2].isNetwork = true;
    QImage strip = filledImage(377, 33, kBlack);
    paintStatusStrip(strip, state);
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    const QRect computer = inkBox(strip, {3, 3, 120, 27}, red);
    const QRect both = inkBox(strip, {129, 3, 120, 27}, red);
    EXPECT_FALSE(computer.isEmpty());
    EXPECT_GE(computer.top(), 15);
    EXPECT_GT(both.width(), computer.width()) << "\"Computer Netzwerk\" is the longer line";
    EXPECT_TRUE(inkBox(strip, {254, 3, 120, 27}, red).isEmpty());
}

TEST(StatusStrip, WithoutGameShowsGreyNoticeInTheMiddle) {
    QImage strip = filledImage(377, 33, kBlack);
    GameState state = runningGame(2, 1);
    state.gameRunning = false;
    paintStatusStrip(strip, state);
    const QRect text = inkBox(strip, {1, 1, 375, 31}, [](QColor c) { return c.rgb() != kSilver; });
    EXPECT_NEAR(text.center().x(), 188, 3);
    EXPECT_NEAR(text.center().y(), 16, 3);
    EXPECT_FALSE(inkBox(strip, text, [](QColor c) { return c.rgb() == qRgb(128, 128, 128); }).isEmpty());
    EXPECT_TRUE(inkBox(strip, strip.rect(), [](QColor c) { return c.green() == 255; }).isEmpty());
}

TEST(TitlePicture, RedNameWithBlackShadowAndVersionCentred) {
    QImage board = filledImage(662, 183, kBlack);
    paintTitlePicture(board, filledImage(49, 49, qRgb(0, 0, 255)), QStringLiteral("Sorbello"),
                      QStringLiteral("2.60"));
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const auto black = [](QColor c) { return c.lightness() < 40; };
    const QRect name = inkBox(board, {0, 0, 662, 88}, red);
    const QRect shadow = inkBox(board, {0, 0, 662, 88}, black);
    const QRect version = inkBox(board, {0, 90, 662, 93}, black);
    EXPECT_NEAR(name.center().x(), 331, 4);
    EXPECT_GE(name.top(), 20);
    EXPECT_EQ(shadow.bottomRight() - name.bottomRight(), QPoint(2, 2));
    EXPECT_NEAR(version.center().x(), 331, 4);
    EXPECT_FALSE(version.isEmpty());
}

TEST(BoardImage, FreshBoardPutsBacksOnAllSlotsOfTheBoardSize) {
    const QRgb blue = qRgb(0, 0, 255);
    const QImage back = filledImage(40, 40, qRgb(255, 0, 255)), tile = filledImage(49, 49, blue);
    QImage board = filledImage(662, 357, kBlack);
    paintFreshBoard(board, tile, back, 60);
    EXPECT_EQ(board.copy(10, 10, 40, 40), back);
    EXPECT_EQ(board.copy(612, 139, 40, 40), back);
    EXPECT_EQ(inkBox(board, {9, 9, 44, 176}, [](QColor c) { return c.red() > 0; }), QRect(10, 10, 40, 169));
    EXPECT_EQ(board.pixel(10, 182), blue) << "slot 61 is not on the small board";
    paintFreshBoard(board, tile, back, 120);
    EXPECT_EQ(board.copy(612, 311, 40, 40), back);
}

TEST(BoardImage, BacksGoOnlyWherePresentFaceDownCardsLieOnTheCurrentBoard) {
    GameState state;
    state.cards[1].present = true;
    state.cards[2].present = state.cards[2].faceUp = true;
    state.cards[61].present = true; // left over from a large game
    const QImage back = filledImage(40, 40, qRgb(255, 0, 255));
    QImage board = filledImage(662, 357, kBlack);
    paintFaceDownBacks(board, back, state);
    EXPECT_EQ(inkBox(board, board.rect(), [](QColor c) { return c.rgb() != kBlack; }), QRect(10, 10, 40, 40));
}

TEST(BoardImage, ResizeKeepsCommonAreaAndWhitensTheRest) {
    QImage image = filledImage(4, 3, qRgb(10, 20, 30));
    resizeKeepingContent(image, 6, 2);
    QImage expected = filledImage(6, 2, qRgb(255, 255, 255));
    QPainter(&expected).fillRect(0, 0, 4, 2, QColor(10, 20, 30));
    EXPECT_EQ(image, expected);
}

} // namespace
