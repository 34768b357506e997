#include "board/fadeengine.h"
#include "game/gamerandom.h"

#include <QImage>

#include "support/imagecompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int kSide = 40;
constexpr int kPixels = kSide * kSide;

struct Frame {
    QImage image;
    qint32 userValue;
};

// Every pixel of the target differs from the same pixel of the source.
QImage plainSource() {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    return image;
}

QImage patternTarget() {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 6, 200));
    return image;
}

// The pixel indices in the order they turned from source to target; needs one pixel per step.
std::vector<int> changeOrder(const std::vector<Frame>& frames) {
    std::vector<int> order;
    for (size_t f = 1; f + 1 < frames.size(); ++f)
        for (int i = 0; i < kPixels; ++i)
            if (frames[f].image.pixel(i % kSide, i / kSide) !=
                frames[f - 1].image.pixel(i % kSide, i / kSide))
                order.push_back(i);
    return order;
}

class FadeEngineTest : public ::testing::Test {
protected:
    std::vector<Frame> run(const QImage& source, const QImage& target, qint32 steps, qint32 userValue = 0) {
        std::vector<Frame> frames;
        engine.fade(
            source, target, steps,
            [&](const QImage& frame, qint32 value) {
                frames.push_back({frame.copy(), value});
            },
            userValue);
        return frames;
    }

    GameRandom random{4711};
    FadeEngine engine{random};
    QImage source = plainSource();
    QImage target = patternTarget();
};

TEST_F(FadeEngineTest, MissingCallbackThrowsBeforeDrawingAnyKey) {
    try {
        engine.fade(source, target, 75, FadeCallback(), 0);
        FAIL() << "no error raised";
    } catch (const FadeError& error) {
        EXPECT_STREQ(error.what(), "Callback-Routine nicht definiert!");
    }
    GameRandom untouched{4711};
    EXPECT_EQ(random.below(1 << 30), untouched.below(1 << 30));
}

TEST_F(FadeEngineTest, OneStepShowsSourceThenTargetTwice) {
    const auto frames = run(source, target, 1);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].image, source);
    EXPECT_EQ(frames[1].image, target);
    EXPECT_EQ(frames[2].image, target);
}

TEST_F(FadeEngineTest, NoStepsShowSourceAndTargetOnly) {
    for (qint32 steps : {0, -1, -500}) {
        SCOPED_TRACE(steps);
        const auto frames = run(source, target, steps);
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[0].image, source);
        EXPECT_EQ(frames[1].image, target);
    }
}

TEST_F(FadeEngineTest, FramesAreRgb32OfTheSourceSizeWhateverTheInputFormat) {
    const QImage source888 = source.convertToFormat(QImage::Format_RGB888);
    const QImage targetArgb = target.convertToFormat(QImage::Format_ARGB32);
    const auto frames = run(source888, targetArgb, 3);
    ASSERT_EQ(frames.size(), 5u);
    for (const Frame& frame : frames) {
        EXPECT_EQ(frame.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(frame.image.size(), QSize(kSide, kSide));
    }
    EXPECT_EQ(frames.front().image, source);
    EXPECT_EQ(frames.back().image, target);
}

TEST_F(FadeEngineTest, OnePixelPerStepRevealsEveryPixelExactlyOnce) {
    const auto frames = run(source, target, kPixels);
    ASSERT_EQ(frames.size(), size_t(kPixels + 2));
    for (size_t f = 1; f + 1 < frames.size(); ++f)
        ASSERT_EQ(differingPixels(frames[f - 1].image, frames[f].image), 1) << "frame " << f;
    auto changed = changeOrder(frames);
    std::sort(changed.begin(), changed.end());
    std::vector<int> everyPixel(kPixels);
    std::iota(everyPixel.begin(), everyPixel.end(), 0);
    EXPECT_EQ(changed, everyPixel);
    EXPECT_EQ(frames[kPixels].image, frames[kPixels + 1].image);
    EXPECT_EQ(frames.back().image, target);
}

TEST_F(FadeEngineTest, SeventyFiveStepsRevealTwentyOnePixelsEachAndTheRestAtTheEnd) {
    const auto frames = run(source, target, 75);
    ASSERT_EQ(frames.size(), 77u);
    for (size_t f = 1; f <= 75; ++f)
        EXPECT_EQ(differingPixels(frames[f - 1].image, frames[f].image), 21) << "frame " << f;
    EXPECT_EQ(differingPixels(frames[75].image, target), 25);
    EXPECT_EQ(frames[76].image, target);
}

TEST_F(FadeEngineTest, MoreStepsThanPixelsKeepTheSourceUntilTheLastFrame) {
    const auto frames = run(source, target, kPixels + 1);
    ASSERT_EQ(frames.size(), size_t(kPixels + 3));
    for (size_t f = 0; f + 1 < frames.size(); ++f)
        ASSERT_EQ(frames[f].image, source) << "frame " << f;
    EXPECT_EQ(frames.back().image, target);
}

TEST_F(FadeEngineTest, UserValueReachesEveryFrame) {
    for (qint32 value : {0, -7, 123456789}) {
        for (const Frame& frame : run(source, target, 4, value))
            EXPECT_EQ(frame.userValue, value);
    }
}

TEST_F(FadeEngineTest, RevealOrderFollowsAscendingRandomKeys) {
    GameRandom sameDraws{4711};
    std::vector<int> keys(kPixels);
    for (int& key : keys)
        key = sameDraws.below(10000) + 1;

    const auto order = changeOrder(run(source, target, kPixels));
    ASSERT_EQ(order.size(), size_t(kPixels));
    for (size_t i = 1; i < order.size(); ++i)
        ASSERT_LE(keys[order[i - 1]], keys[order[i]]) << "position " << i;
}

TEST_F(FadeEngineTest, TwoFadesOfTheSamePicturesDissolveInDifferentOrders) {
    const auto first = changeOrder(run(source, target, kPixels));
    const auto second = changeOrder(run(source, target, kPixels));
    ASSERT_EQ(first.size(), size_t(kPixels));
    ASSERT_EQ(second.size(), size_t(kPixels));
    EXPECT_NE(first, second);
}

TEST_F(FadeEngineTest, UnusedFourthByteChangesNothingAndFramesStayOpaque) {
    QImage dirtySource = source.copy();
    QImage dirtyTarget = target.copy();
    for (QImage* image : {&dirtySource, &dirtyTarget}) {
        auto* words = reinterpret_cast<quint32*>(image->bits());
        for (int i = 0; i < kPixels; ++i)
            words[i] &= 0x00ffffffu;
    }
    GameRandom twin{4711};
    FadeEngine twinEngine{twin};
    std::vector<QImage> clean;
    twinEngine.fade(
        source, target, 7, [&](const QImage& frame, qint32) { clean.push_back(frame.copy()); }, 0);

    const auto dirty = run(dirtySource, dirtyTarget, 7);
    ASSERT_EQ(dirty.size(), clean.size());
    for (size_t f = 0; f < dirty.size(); ++f) {
        EXPECT_EQ(dirty[f].image, clean[f]) << "frame " << f;
        const auto* words = reinterpret_cast<const quint32*>(dirty[f].image.constBits());
        for (int i = 0; i < kPixels; ++i)
            ASSERT_EQ(words[i] >> 24, 0xffu) << "frame " << f << " pixel " << i;
    }
}

TEST_F(FadeEngineTest, CallersPicturesAreLeftUnchanged) {
    const QImage sourceBefore = source.copy();
    const QImage targetBefore = target.copy();
    run(source, target, 10);
    EXPECT_EQ(source, sourceBefore);
    EXPECT_EQ(target, targetBefore);
}

TEST_F(FadeEngineTest, FramesKeptByTheCallbackAreNotOverwritten) {
    std::vector<QImage> kept;
    engine.fade(
        source, target, 5, [&](const QImage& frame, qint32) { kept.push_back(frame); }, 0);
    ASSERT_EQ(kept.size(), 7u);
    EXPECT_EQ(kept.front(), source);
    for (size_t f = 1; f < kept.size() - 1; ++f)
        EXPECT_EQ(differingPixels(kept[f - 1], kept[f]), kPixels / 5) << "frame " << f;
}

} // namespace
