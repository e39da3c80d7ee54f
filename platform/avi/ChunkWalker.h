#pragma once

#include "platform/avi/FileReader.h"

#include <cstdint>

// One chunk met by ChunkWalker.
struct ChunkRef {
    uint64_t header = 0;   // offset of the chunk header
    uint32_t id = 0;
    uint32_t size = 0;     // the size field as written
    uint32_t listType = 0; // for RIFF and LIST: the type fourcc (0 if unreadable)
    uint64_t dataEnd = 0;  // end of the data, clamped to the walked range
    bool complete = false; // the whole chunk lies inside the walked range
};

// Walks the chunks that follow each other in [begin, end) of a file, reading
// only their headers (and a list's type). Each step moves forward by at least
// 8 bytes, so a walk ends. A chunk that runs past `end` is reported once as
// incomplete, with its data clamped, and ends the walk.
class ChunkWalker {
public:
    ChunkWalker(const FileReader& file, uint64_t begin, uint64_t end);
    [[nodiscard]] bool Next(ChunkRef& chunk);

private:
    const FileReader& m_file;
    uint64_t m_pos;
    uint64_t m_end;
};
