#include "platform/avi/ChunkWalker.h"

#include "platform/avi/ByteCursor.h"
#include "platform/avi/FourCC.h"

#include <algorithm>
#include <array>

namespace {
constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint64_t kListTypeBytes = 4;
} // namespace

ChunkWalker::ChunkWalker(const FileReader& file, uint64_t begin, uint64_t end)
    : m_file(file), m_pos(begin), m_end(std::min(end, file.Size()))
{
}

bool ChunkWalker::Next(ChunkRef& chunk)
{
    if (m_pos > m_end || m_end - m_pos < kChunkHeaderBytes)
        return false;
    ChunkRef c;
    c.header = m_pos;
    if (!m_file.ReadChunkHeader(m_pos, c.id, c.size))
        return false;
    uint64_t dataBegin = m_pos + kChunkHeaderBytes;
    uint64_t room = m_end - dataBegin;
    c.complete = c.size <= room;
    c.dataEnd = dataBegin + std::min<uint64_t>(c.size, room);
    // The type is read even when the size field is too small to cover it: a
    // streaming writer may have left the size at 0.
    if ((c.id == fcc::kList || c.id == fcc::kRiff) && room >= kListTypeBytes) {
        std::array<uint8_t, 4> type{};
        if (m_file.ReadAt(dataBegin, type)) {
            ByteCursor cursor(type);
            if (!cursor.ReadU32(c.listType))
                c.listType = 0;
        }
    }
    if (c.complete) {
        uint64_t next = c.dataEnd + (c.size & 1u); // odd sizes are followed by a pad byte
        m_pos = next;
    } else {
        m_pos = m_end; // nothing after a chunk that runs past the end can be trusted
    }
    chunk = c;
    return true;
}
