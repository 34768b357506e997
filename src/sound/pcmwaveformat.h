#pragma once

#include <QtGlobal>

// The format block an output device is opened with: plain PCM, the fields of the classic
// wave format header in their order.
struct PcmWaveFormat {
    quint16 formatTag = 1; // PCM
    quint16 channels = 0;
    quint32 samplesPerSec = 0;
    quint32 avgBytesPerSec = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;

    friend bool operator==(const PcmWaveFormat&, const PcmWaveFormat&) = default;
};

PcmWaveFormat makePcmWaveFormat(int channels, qint32 sampleRate, int bitsPerSample);
