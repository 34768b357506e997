#include "board/cardfaces.h"
#include "painting/fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

std::string colourAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y)).name().toStdString();
}

void expectColour(const QImage& image, const QColor& colour, std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(colourAt(image, p.x(), p.y()), colour.name().toStdString()) << p.x() << "," << p.y();
}

QImage filledCard(const QColor& colour) {
    QImage card = makeCardImage();
    card.fill(colour);
    return card;
}

// Every sheet pixel tells its own position, and none is white.
QImage coordinateSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            sheet.setPixel(x, y, qRgb(x % 256, y % 256, 16 * (x / 256) + y / 256));
    return sheet;
}

// The number face drawn by hand: the three squares, then the text with its cell at (x, y).
QImage numberAt(const QString& text, int x, int y) {
    const QFont font = arialFontWithCellHeight(30);
    QImage card = filledCard(Qt::black);
    QPainter painter(&card);
    painter.fillRect(QRect(1, 1, 38, 38), QColor(255, 0, 0));
    painter.fillRect(QRect(2, 2, 36, 36), QColor(200, 0, 0));
    painter.fillRect(QRect(4, 4, 32, 32), QColor(150, 0, 0));
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 255));
    painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), text);
    return card;
}

TEST(NumberFace, ThreeSquaresDarkenTowardsTheMiddle) {
    QImage face = makeCardImage();
    drawNumberFace(face, 5);
    expectColour(face, Qt::black, {{0, 0}, {39, 39}, {39, 0}, {0, 20}});
    expectColour(face, QColor(255, 0, 0), {{1, 1}, {38, 38}, {1, 20}});
    expectColour(face, QColor(200, 0, 0), {{2, 2}, {37, 37}, {3, 36}});
    expectColour(face, QColor(150, 0, 0), {{4, 4}, {35, 35}, {4, 35}});
}

TEST(NumberFace, NumberIsCentredOnTheMiddleWithTheOddPixelToTheRight) {
    const QFontMetrics metrics(arialFontWithCellHeight(30));
    for (const int number : {7, 42}) {
        const QString text = QString::number(number);
        const int w = metrics.horizontalAdvance(text);
        const int h = metrics.ascent() + metrics.descent();
        QImage face = makeCardImage();
        drawCardFace(face, number, MotifKind::Numbers, QImage());
        EXPECT_EQ(face, numberAt(text, 20 - w / 2, 20 - h / 2)) << number;
        if (w % 2 == 1) {
            EXPECT_NE(face, numberAt(text, 20 - (w + 1) / 2, 20 - h / 2)) << number;
        }
    }
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("7")) % 2, 1) << "the odd case is not exercised";
}

TEST(CardBack, ClassicGreyHasLightTopLeftAndDarkBottomRightEdges) {
    QImage back = filledCard(Qt::green);
    buildCardBack(back, CardBackStyle::ClassicGrey);
    expectColour(back, Qt::black, {{0, 0}, {39, 39}, {0, 39}, {39, 20}, {20, 39}});
    expectColour(back, Qt::white, {{1, 1}, {1, 37}, {37, 1}});
    expectColour(back, QColor(128, 128, 128), {{1, 38}, {37, 38}, {38, 38}, {38, 2}});
    // Both edge chains stop short of (38, 1).
    expectColour(back, QColor(192, 192, 192), {{2, 2}, {20, 20}, {38, 1}});
}

TEST(CardBack, RedGradientShadesOutFromNearTheTopRightInsideADoubleBorder) {
    QImage back = filledCard(Qt::green);
    buildCardBack(back, CardBackStyle::RedGradient);
    expectColour(back, Qt::black,
                 {{0, 0}, {39, 20}, {20, 39}, {38, 1}, {38, 20}, {38, 38}, {37, 38}, {20, 38}, {2, 38}});
    // The r = 0 circle has empty bounds; the innermost one drawn is r = 1.
    expectColour(back, QColor(253, 147, 123), {{29, 14}, {30, 14}, {29, 15}, {30, 15}});
    expectColour(back, QColor(251, 144, 126), {{31, 15}, {28, 14}, {29, 13}});
    expectColour(back, QColor(181, 39, 231), {{1, 37}});
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_NE(back.pixel(x, y), QColor(Qt::green).rgb()) << "not redrawn at " << x << "," << y;
}

struct CellCase {
    int motif;
    QPoint corner;
};

TEST(PictureFace, MotifsAreCutAtAFortyOnePixelPitchEightToARow) {
    const QImage sheet = coordinateSheet(330, 330);
    for (const auto& [motif, corner] : {CellCase{1, {0, 0}}, CellCase{8, {287, 0}}, CellCase{9, {0, 41}},
                                        CellCase{64, {287, 287}}, CellCase{18, {41, 82}}}) {
        QImage face = filledCard(Qt::green);
        drawCardFace(face, motif, MotifKind::Pictures, sheet);
        EXPECT_EQ(face, sheet.copy(QRect(corner, QSize(40, 40)))) << motif;
    }
}

TEST(PictureFace, WhereTheSheetEndsTheFaceIsWhite) {
    const QImage sheet = coordinateSheet(300, 60);
    QImage face = filledCard(Qt::green), expected = filledCard(Qt::white);
    drawPictureFace(face, 16, sheet); // cell (287, 41): the sheet has 13 columns and 19 rows of it
    QPainter(&expected).drawImage(0, 0, sheet.copy(287, 41, 13, 19));
    EXPECT_EQ(face, expected);
    drawPictureFace(face, 1, QImage());
    EXPECT_EQ(face, filledCard(Qt::white));
}

} // namespace
