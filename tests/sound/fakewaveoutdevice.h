#pragma once

#include "sound/waveoutdevice.h"

#include <QStringList>

#include <functional>

// Writes every device call into `calls`; results and the end of playback are up to the test.
class FakeWaveOutDevice : public WaveOutDevice {
public:
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

private:
    DeviceResult stop(const QString& call, DeviceResult result) {
        calls << call;
        bufferDone_ = nullptr;
        return result;
    }
    std::function<void()> bufferDone_;
};
