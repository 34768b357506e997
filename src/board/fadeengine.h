#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <stdexcept>
#include <vector>

class GameRandom;

// Raised only when a fade is asked for without a callback.
class FadeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Receives every frame of a fade. The frame is valid only during the call.
using FadeCallback = std::function<void(const QImage& frame, qint32 userValue)>;

// The frames of one dissolve, one at a time, so that whoever shows them can take its time
// between them. The reveal order is drawn when it is made.
class Dissolve {
public:
    Dissolve(const QImage& source, const QImage& target, qint32 steps, GameRandom& random);

    // The next frame, or null after the last; valid until the next call.
    const QImage* nextFrame();

private:
    QImage current_;
    QImage goal_;
    std::vector<int> order_;
    qint32 steps_;
    qint32 shown_ = 0;
    int position_ = 0;
};

// The random pixel dissolve from one picture to another; knows nothing of the game and
// nothing of time: it hands every intermediate picture to the callback.
class FadeEngine {
public:
    explicit FadeEngine(GameRandom& random) : random_(random) {}

    // The frames fade() would show, to be fetched one by one.
    Dissolve dissolve(const QImage& source, const QImage& target, qint32 steps) const {
        return Dissolve(source, target, steps, random_);
    }

    // Shows the source, then `steps` frames each revealing the next n/steps target pixels
    // in a random order, then the target: steps + 2 frames (2 when steps <= 0).
    // Throws FadeError("Callback-Routine nicht definiert!") when the callback is empty.
    void fade(const QImage& source, const QImage& target, qint32 steps, const FadeCallback& callback,
              qint32 userValue) const;

    static QString engineVersion() { return QStringLiteral("1.03"); }

private:
    GameRandom& random_;
};
