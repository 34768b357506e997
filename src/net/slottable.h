#pragma once

#include "framecodec.h"
#include "networkblock.h"

#include <QByteArray>

#include <array>
#include <functional>

// The 100 slots of blocks in transfer: blocks waiting to go out and blocks being received.
// Free slots are taken from the highest number down; sending walks the slots upwards.
class SlotTable {
public:
    static constexpr int kSlots = 100;

    enum class Received { Stored, NoFreeSlot, Broken };

    // Queues a copy of the block with a fresh identifier; its slot number, or 0 when all
    // slots are busy.
    int queue(const NetworkBlock& block);

    // The next frame of the block in `slot`, if it has one left to go.
    void takeFrame(int slot, const std::function<void(const QByteArray& frame)>& send);
    // The next frame of every block being sent, in slot order: at most one frame per block.
    void takeFrames(const std::function<void(const QByteArray& frame)>& send);

    // Adds a received frame to its block. A completed block goes to `deliver` while its slot
    // is still taken, then the slot is freed. A frame that does not fit its block is Broken.
    Received receive(const Frame& frame, const std::function<void(const NetworkBlock&)>& deliver);

    void clear();
    int busy() const;
    // Whether a queued block still has frames to go out.
    bool sending() const;
    const NetworkBlock& slot(int number) const { return slots_[number]; }

private:
    int freeSlot() const;
    int receivingSlot(qint32 id) const;

    std::array<NetworkBlock, kSlots + 1> slots_{}; // 1-based, [0] unused
    qint32 nextId_ = 1;
    // Bumped by clear(), so a delivery interrupted by the end of its connection can tell.
    quint32 epoch_ = 0;
};
