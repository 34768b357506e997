#include "controls/sevensegmentpainting.h"
#include "controls/ui/sevensegmentdisplay.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Lit = std::vector<std::string>;

const QColor kGreen(0, 255, 0);

// Per position the letters of the lit segments, found by sampling a point well inside each
// segment a..g; '?' where a segment is neither lit nor dark grey.
Lit litSegments(const QImage& image, int digits, double scale, const QColor& lit = kGreen) {
    static const double inside[7][2] = {{63, 23},   {81.5, 40}, {74, 81}, {50.5, 98},
                                        {32.5, 81}, {39, 40},   {56, 61}};
    Lit result;
    for (int position = 1; position <= digits; ++position) {
        std::string letters;
        for (int segment = 0; segment < 7; ++segment) {
            const int x =
                int(std::trunc(scale * 60 * (position - 1))) + int(std::trunc(scale * inside[segment][0]));
            const int y = -int(std::trunc(scale * 5)) + int(std::trunc(scale * inside[segment][1]));
            const QRgb pixel = image.pixel(x, y);
            if (pixel == lit.rgb())
                letters += char('a' + segment);
            else if (pixel != qRgb(70, 70, 70))
                letters += '?';
        }
        result.push_back(letters);
    }
    return result;
}

TEST(SevenSegmentPainting, ShowsDigitsWithLeadingZerosSuppressedAndMinusBar) {
    const struct {
        int value;
        int digits;
        bool skipZeros;
        float scale;
        Lit expected;
    } cases[] = {
        {0, 2, true, 0.34f, {"", "abcdef"}},
        {0, 2, false, 0.34f, {"abcdef", "abcdef"}},
        {105, 4, true, 0.34f, {"", "bc", "abcdef", "acdfg"}},
        {-5, 2, true, 0.34f, {"g", "acdfg"}},
        {-12, 2, true, 0.34f, {"bcg", "abdeg"}},
        {123, 2, true, 0.34f, {"bc", "abdeg"}},
        {3467, 4, true, 0.5f, {"abcdg", "bcfg", "acdefg", "abc"}},
        {89, 2, true, 1.0f, {"abcdefg", "abcdfg"}},
    };
    for (const auto& c : cases) {
        SevenSegmentLook look;
        look.value = c.value;
        look.digits = c.digits;
        look.skipLeadingZeros = c.skipZeros;
        look.scale = c.scale;
        const QImage image = paintSevenSegments(look);
        EXPECT_EQ(litSegments(image, c.digits, c.scale), c.expected) << "value " << c.value;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "value " << c.value;
    }
}

TEST(SevenSegmentDisplay, IsHundredBySixtyUntilShownThenTakesItsDrawnSize) {
    QWidget window;
    auto* display = new SevenSegmentDisplay(&window);
    display->setScale(0.34f);
    EXPECT_EQ(display->size(), QSize(100, 60));
    window.show();
    EXPECT_EQ(display->size(), QSize(57, 39));
    display->setDigits(4);
    EXPECT_EQ(display->size(), QSize(97, 39));
}

TEST(SevenSegmentDisplay, RejectsOutOfRangeValuesAndPositionCounts) {
    SevenSegmentDisplay display;
    display.setValue(99999999);
    EXPECT_EQ(display.value(), 99999999);
    display.setValue(100000000);
    EXPECT_EQ(display.value(), 0);
    display.setDigits(0);
    display.setDigits(11);
    EXPECT_EQ(display.digits(), 2);
    display.setDigits(10);
    EXPECT_EQ(display.digits(), 10);
}

TEST(SevenSegmentDisplay, LightsSegmentsInTheChosenColour) {
    SevenSegmentDisplay display;
    display.setScale(0.34f);
    display.setValue(1);
    display.show();
    const QColor expected[] = {{255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}};
    for (auto colour : {SevenSegmentDisplay::Red, SevenSegmentDisplay::Green, SevenSegmentDisplay::Yellow,
                        SevenSegmentDisplay::Blue}) {
        display.setDigitColour(colour);
        EXPECT_EQ(litSegments(display.image(), 2, 0.34f, expected[colour]), Lit({"", "bc"})) << colour;
    }
}

TEST(SevenSegmentDisplay, DemoShowsFrameTwoFirstWrapsToFrameOneAndStopsInNormalMode) {
    SevenSegmentDisplay display;
    display.setScale(0.34f);
    display.setValue(42);
    display.show();
    display.setMode(SevenSegmentDisplay::Demo);
    auto* timer = display.findChild<QTimer*>();
    EXPECT_TRUE(timer->isActive());
    display.advanceDemo();
    EXPECT_EQ(litSegments(display.image(), 2, 0.34f), Lit({"", "a"}));
    for (int tick = 2; tick <= 39; ++tick)
        display.advanceDemo();
    EXPECT_EQ(litSegments(display.image(), 2, 0.34f), Lit({"a", ""}));

    display.setMode(SevenSegmentDisplay::Normal);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(litSegments(display.image(), 2, 0.34f), Lit({"bcfg", "abdeg"}));
}

} // namespace
