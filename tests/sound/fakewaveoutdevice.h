#pragma once

#include "sound/waveoutdevice.h"

#include <QStringList>

#include <thread>

// Writes every device call into `calls`; results and the end of playback are up to the test.
class FakeWaveOutDevice : public WaveOutDevice {
public:
    ~FakeWaveOutDevice() override { joinDriver(); }

    DeviceResult open(const PcmWaveFormat& format, std::function<void()> bufferDone) override;
    DeviceResult write(const QByteArray& samples) override;
    DeviceResult reset() override;
    DeviceResult close() override;

    // The driver reports the written buffer as played.
    void finishBuffer();

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
    void joinDriver();
    std::function<void()> bufferDone_;
    std::thread driver_;
};
