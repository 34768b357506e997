#include "sound/audiomoduledevice.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

// These run the audio module as the program loads it, against whatever sound output the
// machine has: the first only with one (a sound server reachable through PULSE_SERVER, say),
// the second only without.

namespace {
AudioModuleDevice builtModule() {
    return AudioModuleDevice({QStringLiteral(SORBELLO_AUDIO_MODULE)});
}
} // namespace

TEST(AudioSinkDevice, PlaysABufferToItsEnd) {
    if (QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "no audio output on this machine";
    QFile file(QStringLiteral(":/sounds/ppp1.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray samples = file.readAll().mid(44, 1485);

    AudioModuleDevice device = builtModule();
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
    AudioModuleDevice device = builtModule();
    EXPECT_EQ(device.open(makePcmWaveFormat(1, 11025, 8), [] {}), kNoDevice);
    EXPECT_TRUE(device.load()) << "the module was not loaded: the result says nothing";
    EXPECT_EQ(device.write("\x80"), kDeviceNotOpen);
}

TEST(AudioModuleDevice, AMissingOrBrokenModuleMeansSilence) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile notALibrary(folder.filePath(AudioModuleDevice::moduleFileName()));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("not a shared object");
    notALibrary.close();

    AudioModuleDevice device({folder.filePath(QStringLiteral("missing.so")), notALibrary.fileName()});
    EXPECT_EQ(device.open(makePcmWaveFormat(1, 11025, 8), [] {}), kNoDevice);
    EXPECT_FALSE(device.load());
    EXPECT_EQ(device.write("\x80"), kDeviceNotOpen);
    EXPECT_EQ(device.reset(), kDeviceNotOpen);
    EXPECT_EQ(device.close(), kDeviceNotOpen);
}

TEST(AudioModuleDevice, TheLaterCandidateIsTriedWhenTheFirstIsMissing) {
    AudioModuleDevice device({QStringLiteral("/nonexistent/sorbello-audio.so"), QStringLiteral(SORBELLO_AUDIO_MODULE)});
    EXPECT_TRUE(device.load());
}
