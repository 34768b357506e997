#include "controls/ui/captionband.h"

#include "painting/fonts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Runs of equal colour down the first column, top to bottom.
std::vector<QRgb> bandsDownTheLeftEdge(const QImage& image) {
    std::vector<QRgb> bands;
    for (int y = 0; y < image.height(); ++y)
        if (bands.empty() || bands.back() != image.pixel(0, y))
            bands.push_back(image.pixel(0, y));
    return bands;
}

// The rows [first, last] that hold caption pixels, by the text colour's red channel.
std::pair<int, int> inkedRows(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 160) {
                first = first < 0 ? y : first;
                last = y;
            }
    return {first, last};
}

TEST(CaptionBand, GradientHasOneBandPerThreePixelsOfHeightButNoMoreThanSixtyFour) {
    const std::pair<int, size_t> cases[] = {{30, 10}, {150, 50}, {194, 64}, {200, 64}, {400, 64}};
    for (const auto& [height, bands] : cases) {
        CaptionBand band;
        band.setCaption(QStringLiteral(" "));
        band.resize(band.width(), height);
        const std::vector<QRgb> seen = bandsDownTheLeftEdge(band.render(32));
        EXPECT_EQ(seen.size(), bands) << height;
        EXPECT_EQ(seen.front(), qRgb(128, 128, 128)) << height;
    }
    CaptionBand band;
    band.setCaption(QStringLiteral(" "));
    band.resize(band.width(), 30);
    // The last of ten bands is a tenth of the way from black: 12.8 rounds to 13.
    EXPECT_EQ(band.render(32).pixel(0, 29), qRgb(13, 13, 13));
    EXPECT_EQ(bandsDownTheLeftEdge(band.render(8)), std::vector<QRgb>{qRgb(128, 128, 128)});
}

TEST(CaptionBand, IsAsWideAsTheRotatedTextIsHighAndPlacesTheTextByPosition) {
    CaptionBand band;
    band.setObjectName(QStringLiteral("captionBand"));
    band.setGradient(false);
    band.show();
    band.resize(50, 300);
    // A font of size n makes a text cell of n pixels, or the largest below when hinting
    // skips that height.
    EXPECT_NEAR(band.width(), 24, 1);
    band.setFont(arialFont(18));
    EXPECT_NEAR(band.width(), 18, 1);
    band.setFont(arialFont(24));

    const QImage byName = band.render(32);
    band.setCaption(QStringLiteral("captionBand"));
    EXPECT_EQ(band.render(32), byName) << "an empty caption shows the object name";

    const auto [nameTop, nameBottom] = inkedRows(byName);
    const int run = nameBottom - nameTop + 1;
    EXPECT_GT(run, 60);
    EXPECT_GT(nameBottom, 300 - 6) << "Bottom: the text starts at the foot of the band";
    band.setTextPosition(CaptionBand::Top);
    EXPECT_LT(inkedRows(band.render(32)).first, 6);
    band.setTextPosition(CaptionBand::Centre);
    const auto [top, bottom] = inkedRows(band.render(32));
    EXPECT_NEAR((top + bottom) / 2, 150, 4);
}

} // namespace
