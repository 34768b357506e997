#include "fadeengine.h"

#include "game/gamerandom.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kKeyRange = 10000;
constexpr quint32 kUnusedByte = 0xff000000u;

// A picture as a flat, top-down array of 32-bit pixels (bytes blue, green, red, unused).
// It stays a QImage so that a frame can be handed to the callback without a copy: should the
// callback keep the frame, the next write detaches and its copy stays intact.
QImage readPixels(const QImage& picture) {
    QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    // Forcing the unused byte lets a step copy whole words yet move only the colour bytes,
    // and keeps every frame opaque whatever the caller's picture held there.
    auto* words = reinterpret_cast<quint32*>(pixels.bits());
    const qsizetype n = qsizetype(pixels.width()) * pixels.height();
    for (qsizetype i = 0; i < n; ++i)
        words[i] |= kUnusedByte;
    return pixels;
}

// Equal sizes are the caller's duty; a mismatched target is cut, or padded with black, only
// so that no step reads past its pixels.
QImage fitTo(const QImage& picture, QSize size) {
    if (picture.size() == size)
        return picture;
    if (!picture.isNull())
        return picture.copy(QRect(QPoint(0, 0), size));
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(0);
    return blank;
}

// Sorts `order` along with `keys` by ascending key. Recursing only into the smaller side
// keeps the stack depth logarithmic even for the many equal keys of a large picture.
void sortByKey(std::vector<int>& keys, std::vector<int>& order, int lo, int hi) {
    while (lo < hi) {
        const int pivot = keys[(lo + hi) / 2];
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (keys[i] < pivot)
                ++i;
            while (keys[j] > pivot)
                --j;
            if (i <= j) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            sortByKey(keys, order, lo, j);
            lo = i;
        } else {
            sortByKey(keys, order, i, hi);
            hi = j;
        }
    }
}

// The pixel indices 0..n-1 in a random order: each gets a key from 1..10000, then they are
// sorted by key.
std::vector<int> revealOrder(int n, GameRandom& random) {
    std::vector<int> order(n);
    std::vector<int> keys(n);
    for (int i = 0; i < n; ++i) {
        order[i] = i;
        keys[i] = random.below(kKeyRange) + 1;
    }
    sortByKey(keys, order, 0, n - 1);
    return order;
}

} // namespace

Dissolve::Dissolve(const QImage& source, const QImage& target, qint32 steps, GameRandom& random)
    : current_(readPixels(source)), goal_(readPixels(fitTo(target, source.size()))),
      order_(revealOrder(current_.width() * current_.height(), random)), steps_(steps) {}

// Shows the source, then `steps` frames each revealing the next n/steps target pixels in a
// random order, then the target.
const QImage* Dissolve::nextFrame() {
    const qint32 frame = shown_++;
    if (frame == 0)
        return &current_;
    const qint32 steps = std::max(steps_, 0);
    if (frame <= steps) {
        const int perStep = static_cast<int>(order_.size()) / steps;
        const auto* from = reinterpret_cast<const quint32*>(goal_.constBits());
        // Fetched anew each step: whoever was shown the last frame may have kept it.
        auto* to = reinterpret_cast<quint32*>(current_.bits());
        for (const int end = position_ + perStep; position_ < end; ++position_)
            to[order_[position_]] = from[order_[position_]];
        return &current_;
    }
    // Exactly the target even where n is not a multiple of steps.
    if (frame == steps + 1)
        return &goal_;
    return nullptr;
}

void FadeEngine::fade(const QImage& source, const QImage& target, qint32 steps, const FadeCallback& callback,
                      qint32 userValue) const {
    if (!callback)
        throw FadeError("Callback-Routine nicht definiert!");
    Dissolve frames = dissolve(source, target, steps);
    while (const QImage* frame = frames.nextFrame())
        callback(*frame, userValue);
}
