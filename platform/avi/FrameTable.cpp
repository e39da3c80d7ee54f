#include "platform/avi/FrameTable.h"

#include <algorithm>

bool FrameTable::Append(uint32_t size, bool key)
{
    if (m_sizes.size() >= kMaxFrames)
        return false;
    if (key)
        m_keys.push_back(static_cast<uint32_t>(m_sizes.size()));
    m_sizes.push_back(size);
    return true;
}

void FrameTable::Finish()
{
    m_sizes.shrink_to_fit();
    m_keys.shrink_to_fit();
}

void FrameTable::Clear()
{
    m_sizes = {};
    m_keys = {};
}

long FrameTable::KeyAtOrBefore(long position, size_t& hint) const
{
    if (position < 0 || m_keys.empty())
        return -1;
    // Positions past the end are answered as the last frame would be.
    const auto limit = static_cast<uint64_t>(position);
    // Key `i` is the answer when it lies at or before the position and the next one after it.
    const auto answers = [&](size_t i) {
        return i < m_keys.size() && m_keys[i] <= limit && (i + 1 == m_keys.size() || limit < m_keys[i + 1]);
    };
    if (answers(hint))
        return static_cast<long>(m_keys[hint]);
    if (answers(hint + 1))
        return static_cast<long>(m_keys[++hint]);
    auto it = std::upper_bound(m_keys.begin(), m_keys.end(), limit,
                               [](uint64_t p, uint32_t key) { return p < key; });
    if (it == m_keys.begin())
        return -1;
    hint = static_cast<size_t>(it - m_keys.begin()) - 1;
    return static_cast<long>(m_keys[hint]);
}
