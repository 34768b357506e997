#pragma once

#include <QString>

// One sound to be played, built by the caller. The record does not own the samples; the
// player copies them before it returns.
struct SoundRecord {
    QString name; // at most kMaxSoundNameLength characters are kept
    qint32 dataSize = 0;
    quint8 channels = 0;
    qint32 sampleRate = 0;
    quint8 bitsPerSample = 0;
    const char* data = nullptr;
};

// The name is a short string of the record layout.
inline constexpr int kMaxSoundNameLength = 80;
