#include "pcmwaveformat.h"

PcmWaveFormat makePcmWaveFormat(int channels, qint32 sampleRate, int bitsPerSample) {
    PcmWaveFormat format;
    format.channels = static_cast<quint16>(channels);
    format.samplesPerSec = static_cast<quint32>(sampleRate);
    format.bitsPerSample = static_cast<quint16>(bitsPerSample);
    // Whole bytes only: 12-bit samples count as one byte of alignment, as the device expects.
    const qint64 bitsPerSecond = qint64(channels) * sampleRate * bitsPerSample;
    format.avgBytesPerSec = static_cast<quint32>(bitsPerSecond / 8);
    format.blockAlign = static_cast<quint16>((bitsPerSample / 8) * channels);
    return format;
}
