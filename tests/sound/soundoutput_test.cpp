#include "fakewaveoutdevice.h"
#include "messageboxcatcher.h"
#include "sound/soundoutput.h"
#include "sound/ui/soundmessages.h"
#include "support/fakes.h"
#include "support/qtprinters.h"
#include "timing/notifier.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <thread>

namespace {

using State = SoundOutput::State;

// A player over a fake device.
struct Rig {
    Rig() {
        auto owned = std::make_unique<FakeWaveOutDevice>();
        device = owned.get();
        sound = std::make_unique<SoundOutput>(std::move(owned));
        connectSoundMessages(*sound);
    }
    FakeWaveOutDevice* device = nullptr;
    std::unique_ptr<SoundOutput> sound;
};

class SoundOutputTest : public ::testing::Test, protected Rig {
protected:
    // A record over samples that stay alive for the test.
    SoundRecord record(const QString& name, int size = 4, int channels = 1, int rate = 11025, int bits = 8) {
        return SoundRecord{name, size, quint8(channels), rate, quint8(bits), samples.constData()};
    }
    const QByteArray samples{"\x80\x90\xa0\x90", 4};
};

TEST_F(SoundOutputTest, FormatBlockIsDerivedFromTheRecord) {
    const struct {
        int channels, rate, bits;
        PcmWaveFormat expected;
    } cases[] = {
        {1, 11025, 8, {1, 1, 11025, 11025, 1, 8}},
        {2, 44100, 16, {1, 2, 44100, 176400, 4, 16}},
        {1, 11025, 12, {1, 1, 11025, 16537, 1, 12}}, // whole bytes only
    };
    for (const auto& c : cases) {
        const SoundRecord r = record(QStringLiteral("x"), 4, c.channels, c.rate, c.bits);
        sound->playRecord(&r);
        EXPECT_EQ(device->openedWith, c.expected) << c.channels << "/" << c.rate << "/" << c.bits;
    }
}

TEST_F(SoundOutputTest, SecondRequestCutsTheFirstAndOnlyTheSecondFinishes) {
    QSignalSpy finished(sound.get(), &SoundOutput::finished);
    const SoundRecord first = record(QStringLiteral("eins"));
    const SoundRecord second = record(QStringLiteral("zwei"), 3);

    sound->playRecord(&first);
    device->finishBuffer(); // played to the end, but no poll tick yet
    sound->playRecord(&second);
    EXPECT_EQ(device->calls, QStringList({"open", "write 4", "reset", "close", "open", "write 3"}));
    sound->pollTimerTick();
    EXPECT_EQ(sound->state(), State::Playing);
    EXPECT_EQ(finished.count(), 0);

    device->finishBuffer();
    EXPECT_EQ(sound->state(), State::Finished);
    sound->pollTimerTick();
    EXPECT_EQ(device->calls.mid(6), QStringList({"reset", "close"}));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("zwei"));
    EXPECT_EQ(sound->state(), State::Idle);
    EXPECT_FALSE(sound->pollTimerActive());
}

TEST_F(SoundOutputTest, PollTimerFinishesAPlayedResource) {
    QSignalSpy finished(sound.get(), &SoundOutput::finished);
    sound->playResource(QStringLiteral("ppp1"));
    device->finishBuffer();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("Temp Klang"));
    EXPECT_EQ(device->calls, QStringList({"open", "write 1485", "reset", "close"}));
}

TEST_F(SoundOutputTest, MuteTouchesNothing) {
    const SoundRecord r = record(QStringLiteral("eins"));
    sound->setMuted(true);
    sound->playResource(QStringLiteral("ppp1"));
    sound->playRecord(&r);
    EXPECT_TRUE(device->calls.isEmpty());
    EXPECT_FALSE(sound->pollTimerActive());

    // Muting does not stop what is already playing.
    sound->setMuted(false);
    sound->playRecord(&r);
    sound->setMuted(true);
    EXPECT_EQ(device->calls, QStringList({"open", "write 4"}));
    EXPECT_EQ(sound->state(), State::Playing);
}

TEST_F(SoundOutputTest, MissingResourceIsShownOnlyWhenErrorsAreShown) {
    MessageBoxCatcher boxes;
    sound->setShowErrors(false);
    sound->playResource(QStringLiteral("ppp9"));
    EXPECT_TRUE(boxes.seen.empty());

    sound->setShowErrors(true);
    sound->playResource(QStringLiteral("ppp9"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].caption, QStringLiteral("Fehler bei resWavAbspielen!"));
    EXPECT_EQ(boxes.seen[0].text, QStringLiteral("Fehler Nummer 1814"));
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(device->calls.isEmpty());
}

TEST_F(SoundOutputTest, ShippedSoundsAreFoundWithoutRegardToCaseAndReadAtFixedOffsets) {
    const struct {
        const char *asked, *file;
        int samples;
    } cases[] = {{"ppp1", "ppp1", 1485},
                 {"PPP2", "ppp2", 8488},
                 {"Ppp3", "ppp3", 9787},
                 {"pPp4", "ppp4", 33691},
                 {"ppp5", "ppp5", 33618}};
    for (const auto& c : cases) {
        sound->playResource(QString::fromLatin1(c.asked));
        EXPECT_EQ(device->openedWith, makePcmWaveFormat(1, 11025, 8)) << c.asked;
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QString::fromLatin1(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(device->written, bytes.mid(44, c.samples)) << c.asked;
        // Canonical layout, RIFF pad byte after odd data.
        EXPECT_EQ(bytes.size(), 44 + c.samples + c.samples % 2) << c.asked;
        EXPECT_EQ(bytes.left(16) + bytes.mid(36, 4), "RIFF" + bytes.mid(4, 4) + "WAVEfmt data");
        // Faded in and out around the centre, so no sound starts or ends with a click.
        EXPECT_NEAR(quint8(device->written.front()), 128, 2) << c.asked;
        EXPECT_NEAR(quint8(device->written.back()), 128, 2) << c.asked;
    }
}

TEST_F(SoundOutputTest, DeviceFailuresAreReportedWithTheStepThatFailed) {
    const struct {
        const char* caption;
        DeviceResult open, write, reset, close;
        State afterPlay;
    } cases[] = {{"Bei WaveOutOpen:", kBadFormat, 0, 0, 0, State::Idle},
                 {"Bei WaveOutWrite:", 0, kDeviceWriteFailed, 0, 0, State::Playing},
                 {"Bei WaveOutReset:", 0, 0, kDeviceFailed, 0, State::Playing},
                 {"Bei WaveOutClose:", 0, 0, 0, kDeviceFailed, State::Playing}};
    for (const auto& c : cases) {
        Rig rig;
        rig.device->openResult = c.open;
        rig.device->writeResult = c.write;
        rig.device->resetResult = c.reset;
        rig.device->closeResult = c.close;
        MessageBoxCatcher boxes;
        const SoundRecord r = record(QStringLiteral("eins"));
        rig.sound->playRecord(&r);
        EXPECT_EQ(rig.sound->state(), c.afterPlay) << c.caption;
        rig.sound->closeDevice();
        rig.sound->closeDevice(); // the device counts as gone even after a failed close
        const QStringList expectedCalls =
            c.open ? QStringList{"open"} : QStringList{"open", "write 4", "reset", "close"};
        EXPECT_EQ(rig.device->calls, expectedCalls) << c.caption;
        ASSERT_EQ(boxes.seen.size(), 1u) << c.caption;
        EXPECT_EQ(boxes.seen[0].caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    }
}

TEST_F(SoundOutputTest, NoDeviceMeansSilenceWithoutMessage) {
    MessageBoxCatcher boxes;
    device->openResult = kNoDevice;
    sound->playResource(QStringLiteral("ppp1"));
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(device->calls, QStringList({"open"}));
    EXPECT_FALSE(sound->pollTimerActive());
}

Task<> awaitEnd(SoundOutput& sound, QString& ended) {
    ended = co_await nextSignal(&sound, &SoundOutput::finished);
}

// Playing never waits: whoever must wait for a sound's end awaits finished(), which comes with
// the first poll tick after the driver, on its own thread, reported the buffer played.
TEST_F(SoundOutputTest, TheEndOfASoundIsAwaitedAfterTheDriverReportsIt) {
    const SoundRecord r = record(QStringLiteral("eins"));
    sound->playRecord(&r);
    EXPECT_EQ(sound->state(), State::Playing) << "playing returns at once";
    QString ended;
    TaskRun waiting(awaitEnd(*sound, ended));
    sound->pollTimerTick();
    handlePostedEvents();
    EXPECT_TRUE(ended.isEmpty()) << "still playing";
    std::thread([this] { device->finishBuffer(); }).join();
    handlePostedEvents();
    EXPECT_TRUE(ended.isEmpty()) << "not before the poll tick has seen the end";
    sound->pollTimerTick();
    handlePostedEvents();
    EXPECT_EQ(ended, "eins");
    EXPECT_TRUE(waiting.finished());
}

} // namespace
