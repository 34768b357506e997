#pragma once

#include "waveoutdevice.h"

#include <QAudio>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QBuffer;

// The sound output over Qt Multimedia's default audio output. The sink pulls the samples
// from memory; when it runs dry the buffer counts as played.
class AudioSinkDevice : public QObject, public WaveOutDevice {
    Q_OBJECT
public:
    AudioSinkDevice();
    ~AudioSinkDevice() override;

    DeviceResult open(const PcmWaveFormat& format, std::function<void()> bufferDone) override;
    DeviceResult write(const QByteArray& samples) override;
    DeviceResult reset() override;
    DeviceResult close() override;

private:
    // One written buffer and the sink playing it (declared after the source it reads, so it
    // is destroyed first).
    struct Playback {
        std::unique_ptr<QBuffer> source;
        std::unique_ptr<QAudioSink> sink;
    };

    void sinkStateChanged(QAudio::State state);
    void reportDone();

    bool open_ = false;
    PcmWaveFormat format_;
    std::function<void()> bufferDone_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<Playback> playing_;
    bool ranDry_ = false;
    // A sink that ran dry still has its last samples queued in the sound server; stopping it
    // then would cut off the end of the sound, so it is kept a while unless a new sound
    // starts.
    std::unique_ptr<Playback> draining_;
    QTimer drainTimer_{this};
    // Ends a playback whose sink never reports running dry.
    QTimer overdue_{this};
};
