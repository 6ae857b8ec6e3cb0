#pragma once

#include <cstdint>

// The derived counts of each known 16-bit id: ids are known from Know until
// Forget, and others are not counted. Counts wrap at 16 bits. The counts
// stay allocated between uses; whoever makes ids known forgets each of them
// again, so that no use has to clear megabytes.
class IdTally {
public:
    enum Count { TRANSPONDERS, TV, RADIO, COUNTS };

    void Know(uint16_t id) { m_slots[id].known = true; }

    void Add(uint16_t id, Count count, uint16_t times)
    {
        Slot& slot = m_slots[id];
        if (slot.known)
            slot.counts[count] = static_cast<uint16_t>(slot.counts[count] + times);
    }

    uint16_t Of(uint16_t id, Count count) const { return m_slots[id].counts[count]; }

    void Forget(uint16_t id) { m_slots[id] = Slot {}; }

private:
    // One id's counts and flag share a cache line.
    struct Slot {
        uint16_t counts[COUNTS] = {};
        bool known = false;
    };
    Slot m_slots[0x10000] = {};
};
