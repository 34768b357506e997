#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// What a WAVE resource holds at the fixed offsets of the canonical 44-byte layout. No chunk
// is searched and no field is checked: another layout plays with whatever lies there.
struct WaveResourceFields {
    quint8 channels = 0;      // byte 22
    qint32 sampleRate = 0;    // bytes 24..27
    quint8 bitsPerSample = 0; // byte 34
    qint32 dataSize = 0;      // bytes 40..43, cut to the samples actually present
    bool dataSizeClamped = false;
};

inline constexpr int kWaveSamplesOffset = 44;

// Empty when the resource is too short to hold the fields.
std::optional<WaveResourceFields> readWaveResourceFields(QByteArrayView resource);

// The path of the ".wav" file in folder whose base name equals name, ignoring case; empty
// when there is none.
QString findWaveResource(const QString& folder, const QString& name);
