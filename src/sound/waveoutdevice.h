#pragma once

#include "pcmwaveformat.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Result of a device call: 0 for success, otherwise an error code. The codes follow the
// numbering of the classic multimedia error codes, so a reported number means the same thing.
using DeviceResult = quint32;
inline constexpr DeviceResult kDeviceOk = 0;
inline constexpr DeviceResult kDeviceFailed = 1;
inline constexpr DeviceResult kDeviceBusy = 4;
inline constexpr DeviceResult kDeviceNotOpen = 5;
inline constexpr DeviceResult kNoDevice = 6;
inline constexpr DeviceResult kDeviceWriteFailed = 8;
inline constexpr DeviceResult kBadFormat = 32;

// The device's own description of an error code, at most 255 characters.
QString deviceErrorText(DeviceResult code);

// The sound output: one format per opening, one buffer per write.
class WaveOutDevice {
public:
    virtual ~WaveOutDevice() = default;

    // Opens the default output for this format. bufferDone is called once a written buffer
    // has been played, possibly on another thread; never after reset() or close().
    // Returns kNoDevice when the machine has no sound output at all.
    virtual DeviceResult open(const PcmWaveFormat& format, std::function<void()> bufferDone) = 0;
    virtual DeviceResult write(const QByteArray& samples) = 0;
    // Stops output at once and gives the buffer back.
    virtual DeviceResult reset() = 0;
    virtual DeviceResult close() = 0;
};
