#include "audiomoduledevice.h"

#include "shell/modulelibrary.h"

AudioModuleDevice::AudioModuleDevice() : AudioModuleDevice(moduleCandidates(moduleFileName())) {}

AudioModuleDevice::AudioModuleDevice(QStringList moduleFiles) : moduleFiles_(std::move(moduleFiles)) {}

AudioModuleDevice::~AudioModuleDevice() = default;

QString AudioModuleDevice::moduleFileName() {
    return QStringLiteral("sorbello-audio.so");
}

bool AudioModuleDevice::load() {
    if (triedLoading_)
        return device_ != nullptr;
    triedLoading_ = true;
    using Factory = WaveOutDevice* (*)();
    if (const auto factory = reinterpret_cast<Factory>(resolveModuleFunction(moduleFiles_, kFactoryName)))
        device_.reset(factory());
    return device_ != nullptr;
}

DeviceResult AudioModuleDevice::open(const PcmWaveFormat& format, std::function<void()> bufferDone) {
    if (!load())
        return kNoDevice;
    return device_->open(format, std::move(bufferDone));
}

DeviceResult AudioModuleDevice::write(const QByteArray& samples) {
    return device_ ? device_->write(samples) : kDeviceNotOpen;
}

DeviceResult AudioModuleDevice::reset() {
    return device_ ? device_->reset() : kDeviceNotOpen;
}

DeviceResult AudioModuleDevice::close() {
    return device_ ? device_->close() : kDeviceNotOpen;
}
