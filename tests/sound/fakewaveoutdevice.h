#pragma once

#include "sound/waveoutdevice.h"

#include <QStringList>

#include <chrono>
#include <thread>

// Writes every device call into `calls`; results and the end of playback are up to the test.
class FakeWaveOutDevice : public WaveOutDevice {
public:
    ~FakeWaveOutDevice() override { joinDriver(); }

    DeviceResult open(const PcmWaveFormat& format, std::function<void()> bufferDone) override {
        calls << QStringLiteral("open");
        openedWith = format;
        if (openResult == kDeviceOk)
            bufferDone_ = std::move(bufferDone);
        return openResult;
    }
    DeviceResult write(const QByteArray& samples) override {
        calls << QStringLiteral("write %1").arg(samples.size());
        written = samples;
        if (finishesOnDriverThread && writeResult == kDeviceOk)
            driver_ = std::thread([done = bufferDone_] {
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
                done();
            });
        return writeResult;
    }
    DeviceResult reset() override { return stop(QStringLiteral("reset"), resetResult); }
    DeviceResult close() override { return stop(QStringLiteral("close"), closeResult); }

    // The driver reports the written buffer as played.
    void finishBuffer() {
        if (bufferDone_)
            bufferDone_();
    }

    QStringList calls;
    PcmWaveFormat openedWith;
    QByteArray written;
    DeviceResult openResult = kDeviceOk;
    DeviceResult writeResult = kDeviceOk;
    DeviceResult resetResult = kDeviceOk;
    DeviceResult closeResult = kDeviceOk;
    // The buffer finishes a little after the write, on a thread of its own like a driver's.
    bool finishesOnDriverThread = false;

private:
    DeviceResult stop(const QString& call, DeviceResult result) {
        calls << call;
        joinDriver();
        bufferDone_ = nullptr;
        return result;
    }
    void joinDriver() {
        if (driver_.joinable())
            driver_.join();
    }
    std::function<void()> bufferDone_;
    std::thread driver_;
};
