#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <stdexcept>

class GameRandom;

// Raised only when a fade is asked for without a callback.
class FadeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Receives every frame of a fade. The frame is valid only during the call.
using FadeCallback = std::function<void(const QImage& frame, qint32 userValue)>;

// The random pixel dissolve from one picture to another; knows nothing of the game and
// nothing of time: it hands every intermediate picture to the callback.
class FadeEngine {
public:
    explicit FadeEngine(GameRandom& random) : random_(random) {}

    // Shows the source, then `steps` frames each revealing the next n/steps target pixels
    // in a random order, then the target: steps + 2 frames (2 when steps <= 0).
    // Throws FadeError("Callback-Routine nicht definiert!") when the callback is empty.
    void fade(const QImage& source, const QImage& target, qint32 steps, const FadeCallback& callback,
              qint32 userValue) const;

    static QString engineVersion() { return QStringLiteral("1.03"); }

private:
    GameRandom& random_;
};
