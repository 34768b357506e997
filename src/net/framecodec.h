#pragma once

#include "networkblock.h"

#include <QByteArray>

#include <optional>

// A block travels in frames: a 13-byte header (identifier int32, type byte, the block's total
// length uint32, this frame's payload length uint32; all little-endian) and up to 5000
// payload bytes.
inline constexpr int kFrameHeaderSize = 13;
inline constexpr quint32 kMaxFramePayload = 5000;

struct Frame {
    qint32 id = 0;
    quint8 type = 0;
    quint32 blockLength = 0;
    QByteArray payload;
};

// The frame carrying `count` bytes of the block from `position` on.
QByteArray encodeFrame(const NetworkBlock& block, quint32 position, quint32 count);

// Cuts frames off a stream of received bytes. Frames with implausible length fields make
// the stream unusable: from then on nothing more is cut, and the connection is to be ended.
class FrameReader {
public:
    explicit FrameReader(quint32 maxBlockLength) : maxBlockLength_(maxBlockLength) {}

    void append(const QByteArray& bytes);
    // The next whole frame, if the buffer holds one.
    std::optional<Frame> next();
    bool broken() const { return broken_; }
    void clear();

private:
    QByteArray buffer_;
    quint32 maxBlockLength_;
    bool broken_ = false;
};
