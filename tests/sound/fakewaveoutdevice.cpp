#include "fakewaveoutdevice.h"

#include <chrono>

DeviceResult FakeWaveOutDevice::open(const PcmWaveFormat& format, std::function<void()> bufferDone) {
    calls << QStringLiteral("open");
    openedWith = format;
    if (openResult == kDeviceOk)
        bufferDone_ = std::move(bufferDone);
    return openResult;
}

DeviceResult FakeWaveOutDevice::write(const QByteArray& samples) {
    calls << QStringLiteral("write %1").arg(samples.size());
    written = samples;
    if (finishesOnDriverThread && writeResult == kDeviceOk) {
        driver_ = std::thread([done = bufferDone_] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            done();
        });
    }
    return writeResult;
}

DeviceResult FakeWaveOutDevice::reset() {
    calls << QStringLiteral("reset");
    joinDriver();
    bufferDone_ = nullptr;
    return resetResult;
}

DeviceResult FakeWaveOutDevice::close() {
    calls << QStringLiteral("close");
    joinDriver();
    bufferDone_ = nullptr;
    return closeResult;
}

void FakeWaveOutDevice::finishBuffer() {
    if (bufferDone_)
        bufferDone_();
}

void FakeWaveOutDevice::joinDriver() {
    if (driver_.joinable())
        driver_.join();
}
