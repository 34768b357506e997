#include "audiosinkdevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <optional>

namespace {
// Long enough for what a sound server keeps queued (up to two seconds with default settings).
constexpr int kDrainMs = 2500;
constexpr int kOverdueMarginMs = 3000;

std::optional<QAudioFormat> audioFormat(const PcmWaveFormat& format) {
    QAudioFormat result;
    switch (format.bitsPerSample) {
    case 8:
        result.setSampleFormat(QAudioFormat::UInt8);
        break;
    case 16:
        result.setSampleFormat(QAudioFormat::Int16);
        break;
    default:
        return std::nullopt;
    }
    if (format.formatTag != 1 || format.channels == 0 || format.samplesPerSec == 0 ||
        format.samplesPerSec > 384000)
        return std::nullopt;
    result.setChannelCount(format.channels);
    result.setSampleRate(static_cast<int>(format.samplesPerSec));
    return result;
}
} // namespace

AudioSinkDevice::AudioSinkDevice() {
    drainTimer_.setSingleShot(true);
    drainTimer_.setInterval(kDrainMs);
    connect(&drainTimer_, &QTimer::timeout, this, [this] { draining_.reset(); });
    overdue_.setSingleShot(true);
    connect(&overdue_, &QTimer::timeout, this, &AudioSinkDevice::reportDone);
}

AudioSinkDevice::~AudioSinkDevice() = default;

DeviceResult AudioSinkDevice::open(const PcmWaveFormat& format, std::function<void()> bufferDone) {
    if (open_)
        return kDeviceBusy;
    // A new sound ends whatever is still to be heard of the last one.
    draining_.reset();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return kNoDevice;
    const auto qtFormat = audioFormat(format);
    if (!qtFormat || !device.isFormatSupported(*qtFormat))
        return kBadFormat;
    sink_ = std::make_unique<QAudioSink>(device, *qtFormat);
    format_ = format;
    bufferDone_ = std::move(bufferDone);
    open_ = true;
    return kDeviceOk;
}

DeviceResult AudioSinkDevice::write(const QByteArray& samples) {
    if (!open_ || !sink_)
        return kDeviceNotOpen;
    playing_ = std::make_unique<Playback>();
    playing_->source = std::make_unique<QBuffer>();
    playing_->source->setData(samples);
    playing_->source->open(QIODevice::ReadOnly);
    playing_->sink = std::move(sink_);
    ranDry_ = false;
    connect(playing_->sink.get(), &QAudioSink::stateChanged, this, &AudioSinkDevice::sinkStateChanged);
    playing_->sink->start(playing_->source.get());
    if (playing_->sink->error() != QAudio::NoError) {
        playing_.reset();
        return kDeviceWriteFailed;
    }
    const qint64 playMs = format_.avgBytesPerSec ? samples.size() * 1000LL / format_.avgBytesPerSec : 0;
    overdue_.start(static_cast<int>(playMs) + kOverdueMarginMs);
    return kDeviceOk;
}

void AudioSinkDevice::sinkStateChanged(QAudio::State state) {
    const bool failed =
        state == QAudio::StoppedState && playing_ && playing_->sink->error() != QAudio::NoError;
    if (state == QAudio::IdleState || failed)
        reportDone();
}

void AudioSinkDevice::reportDone() {
    if (ranDry_ || !bufferDone_)
        return;
    ranDry_ = true;
    overdue_.stop();
    bufferDone_();
}

DeviceResult AudioSinkDevice::reset() {
    if (!open_)
        return kDeviceNotOpen;
    overdue_.stop();
    bufferDone_ = nullptr;
    if (!playing_)
        return kDeviceOk;
    playing_->sink->disconnect(this);
    if (ranDry_) {
        draining_ = std::move(playing_);
        drainTimer_.start();
    } else {
        playing_->sink->stop();
        playing_.reset();
    }
    return kDeviceOk;
}

DeviceResult AudioSinkDevice::close() {
    if (!open_)
        return kDeviceNotOpen;
    reset();
    sink_.reset();
    open_ = false;
    return kDeviceOk;
}
