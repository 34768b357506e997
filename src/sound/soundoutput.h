#pragma once

#include "pcmwaveformat.h"
#include "soundrecord.h"
#include "waveoutdevice.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

// Plays the program's sounds, one at a time: a new sound ends the one still playing. Playing
// returns at once; a poll timer notices the end of playback, closes the device and raises
// finished(), which whoever must wait for the end awaits.
class SoundOutput : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showErrors READ showErrors WRITE setShowErrors)
    Q_PROPERTY(bool muted READ isMuted WRITE setMuted)
public:
    enum class State { Idle, Playing, Finished };

    // Plays through the default audio output.
    explicit SoundOutput(QObject* owner = nullptr);
    explicit SoundOutput(std::unique_ptr<WaveOutDevice> device, QObject* owner = nullptr);
    ~SoundOutput() override;

    // The setters only store the value: muting does not stop a sound already playing.
    bool showErrors() const { return showErrors_; }
    void setShowErrors(bool on) { showErrors_ = on; }
    bool isMuted() const { return muted_; }
    void setMuted(bool on) { muted_ = on; }

    // Plays the program's sound of that name ("ppp1" .. "ppp5"), found without regard to case.
    void playResource(const QString& name);
    void playRecord(const SoundRecord* record);
    void stop();
    void closeDevice();
    static QString engineVersion() { return QStringLiteral("1.16"); }

    State state() const;
    bool pollTimerActive() const { return pollTimer_.isActive(); }
    // One tick of the poll timer; public so tests can step it.
    void pollTimerTick();

Q_SIGNALS:
    // After a sound has ended and the device is closed.
    void finished(const QString& soundName);
    // While errors are shown: a device call failed; the caption names the call, the text is the
    // device's description. Connected directly, the report is shown before the player goes on.
    void deviceErrorReported(const QString& caption, const QString& text);
    // While errors are shown: no sound of the asked-for name exists; `code` is the error number.
    void resourceMissing(quint32 code);

private:
    DeviceResult releaseBuffer();
    void reportDeviceError(const QString& caption, DeviceResult code);

    bool showErrors_ = true;
    bool muted_ = false;
    // The default audio output is made with the first sound, unless a device was given.
    std::unique_ptr<WaveOutDevice> device_;

    QString currentName_;
    // Set by the device, possibly from its own thread.
    std::atomic<bool> done_{false};
    qint32 dataSize_ = 0;
    std::optional<QByteArray> waveHeader_; // the player's own copy of the samples
    PcmWaveFormat format_;
    bool deviceOpen_ = false;
    QTimer pollTimer_{this};
};
