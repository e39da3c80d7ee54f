#pragma once

#include "platform/avi/FileReader.h"

#include <cstdint>
#include <span>
#include <vector>

// Reads `count` fixed-size entries of an index that lies at `offset` of a file,
// a block at a time, so that a large index never sits in memory whole. The
// caller has checked that count * stride bytes are there.
class EntryReader {
public:
    EntryReader(const FileReader& file, uint64_t offset, uint64_t count, size_t stride);

    // The next entry, or false at the end or on a read error (see Failed).
    [[nodiscard]] bool Next(std::span<const uint8_t>& entry);
    bool Failed() const { return m_failed; }

private:
    const FileReader& m_file;
    uint64_t m_offset;
    uint64_t m_left;
    size_t m_stride;
    std::vector<uint8_t> m_block;
    size_t m_blockPos = 0;
    bool m_failed = false;
};
