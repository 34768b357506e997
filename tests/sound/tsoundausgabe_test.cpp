#include "fakewaveoutdevice.h"
#include "messageboxcatcher.h"
#include "sound/tsoundausgabe.h"
#include "support/qtprinters.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A player over a fake device.
struct Rig {
    Rig() {
        auto owned = std::make_unique<FakeWaveOutDevice>();
        device = owned.get();
        sound = std::make_unique<TSoundAusgabe>(std::move(owned));
    }
    FakeWaveOutDevice* device = nullptr;
    std::unique_ptr<TSoundAusgabe> sound;
};

// A record over samples that stay alive for the test.
TSoundRecord record(const QString& name, const QByteArray& samples, int channels = 1, int rate = 11025,
                    int bits = 8) {
    return TSoundRecord{name, static_cast<qint32>(samples.size()), static_cast<quint8>(channels),
                        rate, static_cast<quint8>(bits),           samples.constData()};
}

class SoundAusgabeTest : public ::testing::Test, protected Rig {
protected:
    const QByteArray samples{"\x80\x90\xa0\x90", 4};
};

TEST_F(SoundAusgabeTest, FormatBlockIsDerivedFromTheRecord) {
    struct Case {
        int channels, rate, bits;
        quint32 avgBytesPerSec;
        quint16 blockAlign;
    };
    const Case cases[] = {
        {1, 11025, 8, 11025, 1},
        {2, 44100, 16, 176400, 4},
        {1, 22050, 16, 44100, 2},
        {1, 11025, 12, 16537, 1}, // whole bytes only
    };
    for (const Case& c : cases) {
        const TSoundRecord r = record(QStringLiteral("x"), samples, c.channels, c.rate, c.bits);
        sound->PlaySoundRecord(&r);
        const PcmWaveFormat& f = device->openedWith;
        EXPECT_EQ(f.formatTag, 1);
        EXPECT_EQ(f.channels, c.channels);
        EXPECT_EQ(f.samplesPerSec, quint32(c.rate));
        EXPECT_EQ(f.bitsPerSample, c.bits);
        EXPECT_EQ(f.avgBytesPerSec, c.avgBytesPerSec) << c.channels << "/" << c.rate << "/" << c.bits;
        EXPECT_EQ(f.blockAlign, c.blockAlign) << c.channels << "/" << c.rate << "/" << c.bits;
    }
}

TEST_F(SoundAusgabeTest, SecondRequestCutsTheFirstAndOnlyTheSecondFinishes) {
    QSignalSpy finished(sound.get(), &TSoundAusgabe::OnFinish);
    const TSoundRecord eins = record(QStringLiteral("eins"), samples);
    const TSoundRecord zwei = record(QStringLiteral("zwei"), samples.left(3));

    sound->PlaySoundRecord(&eins);
    device->finishBuffer(); // played to the end, but no poll tick yet
    sound->PlaySoundRecord(&zwei);
    EXPECT_EQ(device->calls, QStringList({"open", "write 4", "reset", "close", "open", "write 3"}));
    sound->pollTimerTick();
    EXPECT_EQ(sound->state(), TSoundAusgabe::State::Playing);
    EXPECT_EQ(finished.count(), 0);

    device->finishBuffer();
    EXPECT_EQ(sound->state(), TSoundAusgabe::State::Finished);
    sound->pollTimerTick();
    EXPECT_EQ(device->calls.mid(6), QStringList({"reset", "close"}));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("zwei"));
    EXPECT_EQ(sound->state(), TSoundAusgabe::State::Idle);
    EXPECT_FALSE(sound->pollTimerActive());
}

TEST_F(SoundAusgabeTest, PollTimerClosesTheDeviceAfterTheBufferIsDone) {
    QSignalSpy finished(sound.get(), &TSoundAusgabe::OnFinish);
    sound->PlayResource(QStringLiteral("ppp1"));
    EXPECT_TRUE(sound->pollTimerActive());
    device->finishBuffer();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("Temp Klang"));
    EXPECT_EQ(device->calls, QStringList({"open", "write 1485", "reset", "close"}));
    EXPECT_FALSE(sound->pollTimerActive());
}

TEST_F(SoundAusgabeTest, MuteTouchesNothing) {
    const TSoundRecord r = record(QStringLiteral("eins"), samples);
    sound->setMute(true);
    sound->PlayResource(QStringLiteral("ppp1"));
    sound->PlaySoundRecord(&r);
    EXPECT_TRUE(device->calls.isEmpty());
    EXPECT_FALSE(sound->pollTimerActive());

    // Muting does not stop what is already playing.
    sound->setMute(false);
    sound->PlaySoundRecord(&r);
    sound->setMute(true);
    EXPECT_EQ(device->calls, QStringList({"open", "write 4"}));
    EXPECT_EQ(sound->state(), TSoundAusgabe::State::Playing);
}

TEST_F(SoundAusgabeTest, MissingResourceIsShownOnlyWhenErrorsAreShown) {
    MessageBoxCatcher boxes;
    sound->setShowMMErrors(false);
    sound->PlayResource(QStringLiteral("ppp9"));
    EXPECT_TRUE(boxes.seen.empty());

    sound->setShowMMErrors(true);
    sound->PlayResource(QStringLiteral("ppp9"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].caption, QStringLiteral("Fehler bei resWavAbspielen!"));
    EXPECT_EQ(boxes.seen[0].text, QStringLiteral("Fehler Nummer 1814"));
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(device->calls.isEmpty());
}

TEST_F(SoundAusgabeTest, EveryShippedSoundIsFoundWithoutRegardToCase) {
    const struct {
        const char* asked;
        const char* file;
        int bytes;
    } cases[] = {{"ppp1", "ppp1", 1485},
                 {"PPP2", "ppp2", 8488},
                 {"Ppp3", "ppp3", 9787},
                 {"pPp4", "ppp4", 33691},
                 {"ppp5", "ppp5", 33618}};
    for (const auto& c : cases) {
        sound->PlayResource(QString::fromLatin1(c.asked));
        EXPECT_EQ(device->calls.mid(device->calls.size() - 2),
                  QStringList({"open", QStringLiteral("write %1").arg(c.bytes)}))
            << c.asked;
        EXPECT_EQ(device->openedWith, makePcmWaveFormat(1, 11025, 8)) << c.asked;
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QString::fromLatin1(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(device->written, file.readAll().mid(44, c.bytes)) << c.asked;
    }
}

TEST_F(SoundAusgabeTest, DeviceFailuresAreReportedWithTheStepThatFailed) {
    enum class Step { Open, Write, Reset, Close };
    const struct {
        Step step;
        const char* caption;
        TSoundAusgabe::State afterPlay;
    } cases[] = {{Step::Open, "Bei WaveOutOpen:", TSoundAusgabe::State::Idle},
                 {Step::Write, "Bei WaveOutWrite:", TSoundAusgabe::State::Playing},
                 {Step::Reset, "Bei WaveOutReset:", TSoundAusgabe::State::Playing},
                 {Step::Close, "Bei WaveOutClose:", TSoundAusgabe::State::Playing}};
    for (const auto& c : cases) {
        Rig fresh;
        FakeWaveOutDevice& d = *fresh.device;
        d.openResult = c.step == Step::Open ? kBadFormat : kDeviceOk;
        d.writeResult = c.step == Step::Write ? kDeviceWriteFailed : kDeviceOk;
        d.resetResult = c.step == Step::Reset ? kDeviceFailed : kDeviceOk;
        d.closeResult = c.step == Step::Close ? kDeviceFailed : kDeviceOk;
        MessageBoxCatcher boxes;
        const TSoundRecord r = record(QStringLiteral("eins"), samples);
        fresh.sound->PlaySoundRecord(&r);
        EXPECT_EQ(fresh.sound->state(), c.afterPlay) << c.caption;
        fresh.sound->CloseDevice();
        fresh.sound->CloseDevice(); // the device counts as gone even after a failed close
        const QStringList expectedCalls =
            c.step == Step::Open ? QStringList{"open"} : QStringList{"open", "write 4", "reset", "close"};
        EXPECT_EQ(d.calls, expectedCalls) << c.caption;
        ASSERT_EQ(boxes.seen.size(), 1u) << c.caption;
        EXPECT_EQ(boxes.seen[0].caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
        EXPECT_FALSE(boxes.seen[0].text.isEmpty());
    }
}

TEST_F(SoundAusgabeTest, NoDeviceMeansSilenceWithoutMessage) {
    MessageBoxCatcher boxes;
    device->openResult = kNoDevice;
    sound->PlayResource(QStringLiteral("ppp1"));
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(device->calls, QStringList({"open"}));
    EXPECT_FALSE(sound->pollTimerActive());
}

TEST_F(SoundAusgabeTest, SynchronousPlayReturnsOnlyAfterTheDriverReportsTheEnd) {
    device->finishesOnDriverThread = true;
    const TSoundRecord r = record(QStringLiteral("eins"), samples);
    sound->setPlayAsynchron(false);
    sound->PlaySoundRecord(&r);
    EXPECT_NE(sound->state(), TSoundAusgabe::State::Playing);
}

} // namespace
