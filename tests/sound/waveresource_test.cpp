#include "sound/waveresource.h"
#include "support/qtprinters.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray withFields(QByteArray bytes, quint8 channels, qint32 rate, quint8 bits, quint32 dataSize) {
    bytes[22] = char(channels);
    qToLittleEndian<qint32>(rate, bytes.data() + 24);
    bytes[34] = char(bits);
    qToLittleEndian<quint32>(dataSize, bytes.data() + 40);
    return bytes;
}

TEST(WaveResource, FieldsAreReadAtFixedOffsetsAndTheSizeIsBounded) {
    const QByteArray filler(50, '\xab'); // no RIFF structure at all: the offsets still rule
    const struct {
        const char* what;
        QByteArray bytes;
        std::optional<WaveResourceFields> expected;
    } cases[] = {
        {"fits", withFields(filler, 2, 22050, 16, 6), WaveResourceFields{2, 22050, 16, 6, false}},
        {"empty data", withFields(filler.left(44), 1, 11025, 8, 0),
         WaveResourceFields{1, 11025, 8, 0, false}},
        {"size beyond the end", withFields(filler, 1, 11025, 8, 1000),
         WaveResourceFields{1, 11025, 8, 6, true}},
        {"negative size", withFields(filler, 1, 11025, 8, 0xffffffffu),
         WaveResourceFields{1, 11025, 8, 6, true}},
        {"header cut short", filler.left(43), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto fields = readWaveResourceFields(c.bytes);
        ASSERT_EQ(fields.has_value(), c.expected.has_value()) << c.what;
        if (!fields)
            continue;
        EXPECT_EQ(fields->channels, c.expected->channels) << c.what;
        EXPECT_EQ(fields->sampleRate, c.expected->sampleRate) << c.what;
        EXPECT_EQ(fields->bitsPerSample, c.expected->bitsPerSample) << c.what;
        EXPECT_EQ(fields->dataSize, c.expected->dataSize) << c.what;
        EXPECT_EQ(fields->dataSizeClamped, c.expected->dataSizeClamped) << c.what;
    }
}

quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

TEST(WaveResource, ShippedSoundsAreCanonicalEightBitMonoFiles) {
    const struct {
        const char* name;
        int samples;
    } sounds[] = {{"ppp1", 1485}, {"ppp2", 8488}, {"ppp3", 9787}, {"ppp4", 33691}, {"ppp5", 33618}};
    for (const auto& s : sounds) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QString::fromLatin1(s.name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << s.name;
        const QByteArray b = file.readAll();
        const int padded = s.samples + s.samples % 2;
        ASSERT_EQ(b.size(), 44 + padded) << s.name;
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(u32(b, 4), quint32(36 + padded)) << s.name;
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(b, 16), 16u);
        EXPECT_EQ(u16(b, 20), 1u) << s.name;     // PCM
        EXPECT_EQ(u16(b, 22), 1u) << s.name;     // mono
        EXPECT_EQ(u32(b, 24), 11025u) << s.name; // samples per second
        EXPECT_EQ(u32(b, 28), 11025u) << s.name; // bytes per second
        EXPECT_EQ(u16(b, 32), 1u) << s.name;     // block alignment
        EXPECT_EQ(u16(b, 34), 8u) << s.name;     // bits per sample
        EXPECT_EQ(b.mid(36, 4), "data");
        EXPECT_EQ(u32(b, 40), quint32(s.samples)) << s.name;
        // Faded in and out around the unsigned 8-bit centre, so no sound starts or ends with a click.
        EXPECT_NEAR(quint8(b[44]), 128, 2) << s.name;
        EXPECT_NEAR(quint8(b[44 + s.samples - 1]), 128, 2) << s.name;
    }
}

} // namespace
