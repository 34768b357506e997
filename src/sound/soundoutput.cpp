#include "soundoutput.h"

#include "audiosinkdevice.h"
#include "waveresource.h"

#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSound, "sorbello.sound")

namespace {
const QString kSoundFolder = QStringLiteral(":/sounds");
// The error a failed lookup of a named resource leaves behind.
constexpr quint32 kResourceNameNotFound = 1814;
constexpr int kPollIntervalMs = 50;
constexpr int kMaxErrorTextLength = 255;
} // namespace

SoundOutput::SoundOutput(QObject* owner) : SoundOutput(nullptr, owner) {}

SoundOutput::SoundOutput(std::unique_ptr<WaveOutDevice> device, QObject* owner)
    : QObject(owner), device_(std::move(device)) {
    pollTimer_.setInterval(kPollIntervalMs);
    connect(&pollTimer_, &QTimer::timeout, this, &SoundOutput::pollTimerTick);
}

SoundOutput::~SoundOutput() {
    closeDevice();
}

SoundOutput::State SoundOutput::state() const {
    if (!deviceOpen_)
        return State::Idle;
    return done_ ? State::Finished : State::Playing;
}

void SoundOutput::playResource(const QString& name) {
    if (muted_)
        return;
    const QString path = findWaveResource(kSoundFolder, name);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (showErrors_)
            Q_EMIT resourceMissing(kResourceNameNotFound);
        return;
    }
    const QByteArray resource = file.readAll();
    const auto fields = readWaveResourceFields(resource);
    if (!fields) {
        qCWarning(lcSound) << "sound" << name << "is too short for a wave header:" << resource.size()
                           << "bytes";
        return;
    }
    if (fields->dataSizeClamped)
        qCWarning(lcSound) << "sound" << name << "declares more samples than it holds; playing"
                           << fields->dataSize << "bytes";
    SoundRecord record;
    record.name = QStringLiteral("Temp Klang");
    record.dataSize = fields->dataSize;
    record.channels = fields->channels;
    record.sampleRate = fields->sampleRate;
    record.bitsPerSample = fields->bitsPerSample;
    record.data = resource.constData() + kWaveSamplesOffset;
    playRecord(&record);
}

void SoundOutput::playRecord(const SoundRecord* record) {
    if (muted_ || !record)
        return;
    closeDevice();
    // The sound just cut off does not count as finished.
    pollTimer_.stop();
    done_ = false;
    currentName_ = record->name.left(kMaxSoundNameLength);
    format_ = makePcmWaveFormat(record->channels, record->sampleRate, record->bitsPerSample);

    // Made with the first sound: most runs play none for a while, some never.
    if (!device_)
        device_ = std::make_unique<AudioSinkDevice>();
    const DeviceResult opened = device_->open(format_, [this] { done_ = true; });
    if (opened != kDeviceOk) {
        // A machine without sound output plays in silence, never with an error.
        if (opened != kNoDevice)
            reportDeviceError(tr("Bei WaveOutOpen:"), opened);
        return;
    }
    deviceOpen_ = true;
    dataSize_ = record->data ? qMax(0, record->dataSize) : 0;
    waveHeader_ = QByteArray(record->data, dataSize_);
    const DeviceResult written = device_->write(*waveHeader_);
    reportDeviceError(tr("Bei WaveOutWrite:"), written);
    pollTimer_.start();
}

void SoundOutput::pollTimerTick() {
    if (!done_)
        return;
    pollTimer_.stop();
    closeDevice();
    Q_EMIT finished(currentName_);
}

DeviceResult SoundOutput::releaseBuffer() {
    const DeviceResult result = device_->reset();
    waveHeader_.reset();
    dataSize_ = 0;
    // A reset buffer comes back from the device as played, so the poll timer still finishes it.
    done_ = true;
    return result;
}

void SoundOutput::stop() {
    if (!deviceOpen_)
        return;
    reportDeviceError(tr("Bei WaveOutReset:"), releaseBuffer());
}

void SoundOutput::closeDevice() {
    if (!deviceOpen_)
        return;
    // Both device calls come before any message box, whose event loop may run the poll timer.
    const DeviceResult resetResult = releaseBuffer();
    const DeviceResult closeResult = device_->close();
    // Even after a failed close the device counts as gone, so nothing is released twice.
    deviceOpen_ = false;
    reportDeviceError(tr("Bei WaveOutReset:"), resetResult);
    reportDeviceError(tr("Bei WaveOutClose:"), closeResult);
}

void SoundOutput::reportDeviceError(const QString& caption, DeviceResult code) {
    if (code == kDeviceOk)
        return;
    const QString text = deviceErrorText(code).left(kMaxErrorTextLength);
    qCWarning(lcSound) << caption << text;
    if (showErrors_)
        Q_EMIT deviceErrorReported(caption, text);
}
