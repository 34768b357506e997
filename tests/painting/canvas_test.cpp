#include "painting/canvas.h"
#include "painting/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// A white image after `draw` ran on it with a red pen and a blue brush.
QImage drawn(int width, int height, const std::function<void(Canvas&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.setPen(kRed);
    canvas.setBrush(kBlue);
    draw(canvas);
    return image;
}

// One character per pixel, rows separated by '|': '.' white, 'R' red, 'B' blue, '?' other.
std::string picture(const QImage& image) {
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            text += p == qRgb(255, 255, 255) ? '.' : p == kRed.rgb() ? 'R' : p == kBlue.rgb() ? 'B' : '?';
        }
        text += y + 1 < image.height() ? "|" : "";
    }
    return text;
}

TEST(Canvas, RectangleCoversLeftToRightMinusOneWithOutlineInside) {
    const struct {
        std::function<void(Canvas&)> style;
        std::string expected;
    } cases[] = {
        {[](Canvas&) {}, "......|.RRRR.|.RBBR.|.RBBR.|.RRRR.|......"},
        {[](Canvas& c) { c.setNoPen(); }, "......|......|..BB..|..BB..|......|......"},
        {[](Canvas& c) { c.setNoBrush(); }, "......|.RRRR.|.R..R.|.R..R.|.RRRR.|......"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(picture(drawn(6, 6,
                                [&](Canvas& canvas) {
                                    c.style(canvas);
                                    canvas.rectangle(1, 1, 5, 5);
                                })),
                  c.expected);
    }
}

TEST(Canvas, LineCoversStartButNotEndAndChainsFromTheLastEnd) {
    const QImage chain = drawn(7, 5, [](Canvas& c) {
        c.setNoPen();
        c.moveTo(0, 4);
        c.lineTo(1, 1); // only moves
        c.setPen(kRed);
        c.lineTo(5, 1);
        c.lineTo(5, 4);
    });
    EXPECT_EQ(picture(chain), ".......|.RRRRR.|.....R.|.....R.|.......");
    const QImage diagonal = drawn(5, 5, [](Canvas& c) {
        c.moveTo(4, 4);
        c.lineTo(0, 0);
    });
    EXPECT_EQ(picture(diagonal), ".....|.R...|..R..|...R.|....R");
}

TEST(Canvas, SlantedLinesTakeOnePixelPerStepOfTheLongerAxis) {
    for (const auto& [from, to] :
         {std::pair{QPoint(15, 2), QPoint(3, 7)}, std::pair{QPoint(6, 18), QPoint(9, 2)},
          std::pair{QPoint(1, 3), QPoint(17, 12)}}) {
        const QImage image = drawn(20, 20, [&](Canvas& c) {
            c.moveTo(from.x(), from.y());
            c.lineTo(to.x(), to.y());
        });
        const std::string all = picture(image);
        const QRect box = QRect(from, QSize(1, 1)).united(QRect(to, QSize(1, 1)));
        EXPECT_EQ(std::count(all.begin(), all.end(), 'R'),
                  std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
        const std::string inBox = picture(image.copy(box));
        EXPECT_EQ(std::count(inBox.begin(), inBox.end(), 'R'), std::count(all.begin(), all.end(), 'R'));
        EXPECT_EQ(image.pixel(from), kRed.rgb());
        EXPECT_NE(image.pixel(to), kRed.rgb());
    }
}

TEST(Canvas, EllipseFillsItsBoundsAndItsOutlineSeparatesFillFromOutside) {
    const QImage image = drawn(13, 10, [](Canvas& c) { c.ellipse(1, 1, 12, 9); }); // columns 1..11, rows 1..8
    const QImage hollow = drawn(13, 10, [](Canvas& c) {
        c.setNoBrush();
        c.ellipse(1, 1, 12, 9);
    });
    const std::string text = picture(image);
    EXPECT_EQ(picture(image.mirrored(true, true)), text) << "symmetric about the middle of its bounds";
    EXPECT_EQ(picture(image.copy(0, 0, 13, 1)) + picture(image.copy(0, 9, 13, 1)), std::string(26, '.'));
    for (const int row : {1, 8})
        EXPECT_NE(picture(image.copy(1, row, 11, 1)).find('R'), std::string::npos) << row;
    EXPECT_EQ(picture(image.copy(0, 4, 13, 2)), ".RBBBBBBBBBR.|.RBBBBBBBBBR.");
    EXPECT_EQ(text.find(".B"), std::string::npos);
    EXPECT_EQ(text.find("B."), std::string::npos);
    EXPECT_EQ(picture(hollow.copy(0, 4, 13, 1)), ".R.........R.");
}

TEST(Canvas, RoundRectangleBendsOnlyItsCornersAndWithFullCornersIsTheEllipse) {
    const QImage rounded = drawn(16, 14, [](Canvas& c) { c.roundRectangle(1, 1, 15, 13, 10, 10); });
    EXPECT_EQ(picture(rounded.copy(0, 0, 16, 5)), "................|....RRRRRRRR....|..RRBBBBBBBBRR..|"
                                                  "..RBBBBBBBBBBR..|.RBBBBBBBBBBBBR.");
    EXPECT_EQ(picture(rounded.copy(0, 5, 16, 4)), picture(rounded.copy(0, 4, 16, 4)));
    EXPECT_EQ(picture(rounded.mirrored(true, true)), picture(rounded));
    for (const QSize size : {QSize(9, 6), QSize(13, 10)}) {
        const auto full = drawn(15, 12, [&](Canvas& c) {
            c.roundRectangle(1, 1, 1 + size.width(), 1 + size.height(), size.width(), size.height());
        });
        const auto ellipse =
            drawn(15, 12, [&](Canvas& c) { c.ellipse(1, 1, 1 + size.width(), 1 + size.height()); });
        EXPECT_EQ(picture(full), picture(ellipse)) << size.width();
    }
}

TEST(Canvas, PolygonOutlineTakesItsCornersAndFillTakesPixelCentresInside) {
    const QImage square = drawn(6, 6, [](Canvas& c) {
        c.polygon(QPolygon({QPoint(1, 1), QPoint(4, 1), QPoint(4, 4), QPoint(1, 4)}));
    });
    EXPECT_EQ(picture(square), "......|.RRRR.|.RBBR.|.RBBR.|.RRRR.|......");
    // Centres on the slanted edge lie on the boundary and stay outside.
    const QImage triangle = drawn(7, 7, [](Canvas& c) {
        c.setNoPen();
        c.polygon(QPolygon({QPoint(0, 0), QPoint(6, 0), QPoint(0, 6)}));
    });
    EXPECT_EQ(picture(triangle), "BBBBB..|BBBB...|BBB....|BB.....|B......|.......|.......");
}

TEST(Canvas, AThinSlantedOutlinedPolygonHasNoHoles) {
    // A segment of a seven-segment digit at a small scale: about three pixels wide.
    const QImage bar = drawn(12, 16, [](Canvas& c) {
        c.setPen(kBlue);
        c.polygon(QPolygon({QPoint(7, 1), QPoint(10, 1), QPoint(5, 14), QPoint(2, 14)}));
    });
    for (int y = 1; y < 15; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < bar.width(); ++x)
            if (bar.pixel(x, y) == kBlue.rgb()) {
                first = first < 0 ? x : first;
                last = x;
            }
        ASSERT_GE(first, 0) << "row " << y;
        for (int x = first; x <= last; ++x)
            EXPECT_EQ(bar.pixel(x, y), kBlue.rgb()) << "hole at " << x << "," << y;
    }
}

TEST(Canvas, TextSitsInItsCellFromTheTopLeftWithoutBackground) {
    const QFont font = arialFontOfPixelSize(20);
    const QFontMetrics metrics(font);
    QSize extent;
    const QImage image = drawn(40, 40, [&](Canvas& c) {
        c.setFont(font);
        c.setTextColor(kBlue);
        extent = c.textExtent(QStringLiteral("H"));
        c.textOut(5, 7, QStringLiteral("H"));
    });
    EXPECT_EQ(extent,
              QSize(metrics.horizontalAdvance(QLatin1Char('H')), metrics.ascent() + metrics.descent()));
    QRect ink;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ink |= image.pixel(x, y) == qRgb(255, 255, 255) ? QRect() : QRect(x, y, 1, 1);
    EXPECT_TRUE(QRect(QPoint(5, 7), extent).contains(ink));
    EXPECT_EQ(ink.bottom(), 7 + metrics.ascent() - 1) << "H stands on the baseline";
    EXPECT_NE(picture(image).find('B'), std::string::npos);
    EXPECT_EQ(image.pixel(5 + extent.width() / 2, ink.top() + 1), qRgb(255, 255, 255)) << "between the stems";
}

TEST(Fonts, PointsConvertAtNinetySixDpiRoundingHalfUp) {
    const std::pair<int, int> cases[] = {{8, 11}, {9, 12}, {10, 13}, {16, 21}, {20, 27}, {44, 59}};
    for (const auto& [points, pixels] : cases) {
        EXPECT_EQ(pointsToPixels(points), pixels) << points;
        EXPECT_EQ(arialFont(points).pixelSize(), pixels) << points;
    }
}

TEST(Fonts, CellHeightFontIsTheLargestWithExactlyThatCell) {
    for (const int cell : {12, 20, 30}) {
        const QFont font = arialFontWithCellHeight(cell);
        const QFontMetrics metrics(font), larger(arialFontOfPixelSize(font.pixelSize() + 1));
        EXPECT_EQ(metrics.ascent() + metrics.descent(), cell);
        EXPECT_GT(larger.ascent() + larger.descent(), cell);
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }
    // Whatever way the size is found, it is the one trying every size up to twice the cell gives.
    for (const bool bold : {false, true}) {
        for (int cell = 1; cell <= 64; ++cell) {
            int expected = 1;
            for (int pixels = 1; pixels <= 2 * cell; ++pixels) {
                const QFontMetrics metrics(arialFontOfPixelSize(pixels, bold));
                if (metrics.ascent() + metrics.descent() <= cell)
                    expected = pixels;
            }
            EXPECT_EQ(arialFontWithCellHeight(cell, bold).pixelSize(), expected)
                << cell << (bold ? " bold" : "");
        }
    }
}

} // namespace
