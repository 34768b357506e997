#include "audiomoduledevice.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAudioModule, "sorbello.sound.module")

namespace {
QStringList installedModuleFiles() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString fileName = AudioModuleDevice::moduleFileName();
    // Installed: the program's folder to the module folder is fixed at build time. Built: the
    // module lies beside the program.
    return {programFolder + QStringLiteral("/" SORBELLO_AUDIO_MODULE_FOLDER "/") + fileName,
            programFolder + QLatin1Char('/') + fileName};
}
} // namespace

AudioModuleDevice::AudioModuleDevice() : AudioModuleDevice(installedModuleFiles()) {}

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
    for (const QString& file : moduleFiles_) {
        // Stays loaded when `library` goes: the device's code must outlive it.
        QLibrary library(file);
        if (!library.load()) {
            qCDebug(lcAudioModule) << library.errorString();
            continue;
        }
        if (const auto factory = reinterpret_cast<Factory>(library.resolve(kFactoryName))) {
            device_.reset(factory());
            return device_ != nullptr;
        }
        qCWarning(lcAudioModule) << file << "has no" << kFactoryName;
    }
    qCWarning(lcAudioModule) << "no audio module found, the game stays silent:" << moduleFiles_;
    return false;
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
