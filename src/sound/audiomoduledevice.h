#pragma once

#include "waveoutdevice.h"

#include <QStringList>

#include <memory>

// The sound output of the audio module, loaded on the first opening: Qt Multimedia and the
// sound server's libraries cost memory and start time in every run, most of which play no
// sound for a while or never. Without the module there is no device, so the game is silent.
class AudioModuleDevice : public WaveOutDevice {
public:
    // Looks for the module where the program's modules are (moduleCandidates).
    AudioModuleDevice();
    // Tries these module files in turn; tests name their own.
    explicit AudioModuleDevice(QStringList moduleFiles);
    ~AudioModuleDevice() override;

    DeviceResult open(const PcmWaveFormat& format, std::function<void()> bufferDone) override;
    DeviceResult write(const QByteArray& samples) override;
    DeviceResult reset() override;
    DeviceResult close() override;

    // Loads the module unless done before; false when none of the files gives a device.
    bool load();

    // The module's file name, and the entry point that makes its device.
    static QString moduleFileName();
    static constexpr char kFactoryName[] = "sorbelloMakeAudioOutput";

private:
    QStringList moduleFiles_;
    bool triedLoading_ = false;
    std::unique_ptr<WaveOutDevice> device_;
};
