#include "waveresource.h"

#include <QDir>
#include <QtEndian>

std::optional<WaveResourceFields> readWaveResourceFields(QByteArrayView resource) {
    if (resource.size() < kWaveSamplesOffset)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(resource.data());
    WaveResourceFields fields;
    fields.channels = bytes[22];
    fields.sampleRate = qFromLittleEndian<qint32>(bytes + 24);
    fields.bitsPerSample = bytes[34];
    // A size beyond the end (or a negative one) must never make the player read past the data.
    const quint32 declared = qFromLittleEndian<quint32>(bytes + 40);
    const quint32 present = static_cast<quint32>(resource.size() - kWaveSamplesOffset);
    fields.dataSizeClamped = declared > present;
    fields.dataSize = static_cast<qint32>(qMin(declared, present));
    return fields;
}

QString findWaveResource(const QString& folder, const QString& name) {
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (QFileInfo(file).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(file);
    }
    return {};
}
