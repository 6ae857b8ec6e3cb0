#pragma once

#include <algorithm>
#include <cstdint>

// How often each 16-bit id was counted since the last Clear. Counts wrap at
// 16 bits. The counts stay allocated between uses, and Clear zeroes only the
// span of ids that were counted, so that no use has to clear 128 KiB.
class IdTally {
public:
    void Add(uint16_t id, uint16_t times)
    {
        m_counts[id] = static_cast<uint16_t>(m_counts[id] + times);
        m_low = std::min(m_low, id);
        m_high = std::max(m_high, id);
    }

    uint16_t Of(uint16_t id) const { return m_counts[id]; }

    void Clear()
    {
        if (m_low <= m_high)
            std::fill(m_counts + m_low, m_counts + m_high + 1, uint16_t(0));
        m_low = 0xFFFF;
        m_high = 0;
    }

private:
    uint16_t m_counts[0x10000] = {};
    // The span of ids whose counts may be other than zero.
    uint16_t m_low = 0xFFFF;
    uint16_t m_high = 0;
};
