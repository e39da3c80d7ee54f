#include "platform/avi/EntryReader.h"

#include <algorithm>

namespace {
constexpr size_t kBlockBytes = 64 * 1024;
}

EntryReader::EntryReader(const FileReader& file, uint64_t offset, uint64_t count, size_t stride)
    : m_file(file), m_offset(offset), m_left(count), m_stride(stride)
{
    if (m_stride == 0)
        m_left = 0;
}

bool EntryReader::Next(std::span<const uint8_t>& entry)
{
    if (m_left == 0 || m_failed)
        return false;
    if (m_blockPos >= m_block.size()) {
        uint64_t perBlock = std::max<size_t>(1, kBlockBytes / m_stride);
        uint64_t entries = std::min(perBlock, m_left);
        m_block.resize(static_cast<size_t>(entries * m_stride));
        if (!m_file.ReadAt(m_offset, m_block)) {
            m_failed = true;
            return false;
        }
        m_offset += m_block.size();
        m_blockPos = 0;
    }
    entry = std::span<const uint8_t>(m_block).subspan(m_blockPos, m_stride);
    m_blockPos += m_stride;
    --m_left;
    return true;
}
