#include "records/highscoredrawing.h"
#include "records/highscoretable.h"

#include <gtest/gtest.h>

namespace {

QImage drawn(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    drawHighScoreTable(image, HighScoreTable());
    return image;
}

bool hasBlackIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0))
                return true;
    return false;
}

TEST(HighScoreDrawingTest, GradientRunsFromRedToMagentaUnderTheTwoLines) {
    const QImage image = drawn(589, 361);
    EXPECT_EQ(image.pixel(5, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 360), qRgb(255, 0, 255));
    for (const QPoint& onLine : {QPoint(290, 0), QPoint(290, 360), QPoint(0, 27), QPoint(588, 27)})
        EXPECT_EQ(image.pixel(onLine), qRgb(0, 0, 0)) << onLine.x() << "," << onLine.y();
    EXPECT_NE(image.pixel(291, 100), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(100, 28), qRgb(0, 0, 0));

    EXPECT_TRUE(hasBlackIn(image, QRect(20, 10, 30, 15))) << "heading Rang";
    EXPECT_TRUE(hasBlackIn(image, QRect(300, 310, 20, 18))) << "rank 30";
    EXPECT_FALSE(hasBlackIn(image, QRect(0, 330, 289, 30))) << "nothing below rank 15";
}

TEST(HighScoreDrawingTest, BandBordersRoundHalvesToEven) {
    // Two rows: the borders at 0.5 and 1.5 go to 0 and 2, so row 0 ends with band 64 and row 1
    // with band 191.
    const QImage image = drawn(10, 2);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 64));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 191));
}

} // namespace
