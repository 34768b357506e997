#include "sound/waveresource.h"

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

} // namespace
