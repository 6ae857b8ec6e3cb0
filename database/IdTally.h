#pragma once

#include <cstdint>
#include <vector>

// How often each 16-bit id was counted since the last Clear. Counts wrap at
// 16 bits. The counts stay allocated between uses, and Clear zeroes only the
// ids that were counted, so that no use has to clear 128 KiB.
class IdTally {
public:
    void Add(uint16_t id, uint16_t times)
    {
        if (m_counts[id] == 0)
            m_counted.push_back(id);
        m_counts[id] = static_cast<uint16_t>(m_counts[id] + times);
    }

    uint16_t Of(uint16_t id) const { return m_counts[id]; }

    void Clear()
    {
        for (const uint16_t id : m_counted)
            m_counts[id] = 0;
        m_counted.clear();
    }

private:
    uint16_t m_counts[0x10000] = {};
    // Every id whose count may be other than zero, once.
    std::vector<uint16_t> m_counted;
};
