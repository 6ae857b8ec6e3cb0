#pragma once

#include <cstdint>

// How often each known 16-bit id was counted; ids are known from Know until
// Forget, and others are not counted. Counts wrap at 16 bits. The counts
// stay allocated between uses; whoever makes ids known forgets each of them
// again, so that no use has to clear 128 KiB.
class IdTally {
public:
    void Know(uint16_t id) { m_known[id] = true; }

    void Add(uint16_t id, uint16_t times)
    {
        if (m_known[id])
            m_counts[id] = static_cast<uint16_t>(m_counts[id] + times);
    }

    uint16_t Of(uint16_t id) const { return m_counts[id]; }

    void Forget(uint16_t id)
    {
        m_known[id] = false;
        m_counts[id] = 0;
    }

private:
    uint16_t m_counts[0x10000] = {};
    bool m_known[0x10000] = {};
};
