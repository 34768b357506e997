#pragma once

#include <QtGlobal>

// The step counts of a fade: what the options dialog's fields offer, and the most a count may
// be, whether typed into a field or read from the settings. A count beyond it would leave a
// card turning for minutes.
inline constexpr qint32 kDefaultFadeSteps = 75;
inline constexpr qint32 kFewestFadeSteps = 1;
inline constexpr qint32 kMostOfferedFadeSteps = 500;
inline constexpr qint32 kMostFadeSteps = 1000;

constexpr bool isUsableFadeSteps(qint32 steps) {
    return steps >= kFewestFadeSteps && steps <= kMostFadeSteps;
}

struct ProgramOptions {
    bool soundOn = true;
    bool redCardBack = false;
    qint32 fadeShow = kDefaultFadeSteps;
    qint32 fadeHide = kDefaultFadeSteps;
    qint32 fadeRemove = kDefaultFadeSteps;
};
