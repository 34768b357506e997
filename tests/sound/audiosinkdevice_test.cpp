#include "sound/audiosinkdevice.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

// These run the program's audio output against whatever sound output the machine has: the
// first only with one (a sound server reachable through PULSE_SERVER, say), the second only
// without.

TEST(AudioSinkDevice, PlaysABufferToItsEnd) {
    if (QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "no audio output on this machine";
    QFile file(QStringLiteral(":/sounds/ppp1.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray samples = file.readAll().mid(44, 1485);

    AudioSinkDevice device;
    std::atomic<int> done{0};
    ASSERT_EQ(device.open(makePcmWaveFormat(1, 11025, 8), [&done] { ++done; }), kDeviceOk);
    ASSERT_EQ(device.write(samples), kDeviceOk);
    // A generous bound: the end is reported once the sink ran dry, or when overdue.
    EXPECT_TRUE(QTest::qWaitFor([&done] { return done > 0; }, 10000));
    EXPECT_EQ(device.reset(), kDeviceOk);
    EXPECT_EQ(device.close(), kDeviceOk);
    EXPECT_EQ(device.close(), kDeviceNotOpen);
    EXPECT_EQ(done, 1);
}

TEST(AudioSinkDevice, WithoutAudioOutputThereIsNoDevice) {
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio output";
    AudioSinkDevice device;
    EXPECT_EQ(device.open(makePcmWaveFormat(1, 11025, 8), [] {}), kNoDevice);
    EXPECT_EQ(device.write("\x80"), kDeviceNotOpen);
}
