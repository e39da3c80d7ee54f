#include "platform/avi/ByteCursor.h"
#include "platform/avi/EntryReader.h"
#include "platform/avi/FourCC.h"
#include "platform/avi/IndexSources.h"

#include <array>
#include <iterator>
#include <map>
#include <optional>

namespace {

constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint32_t kIndexHeaderBytes = 24;
constexpr uint8_t kIndexOfIndexes = 0x00; // AVI_INDEX_OF_INDEXES
constexpr uint8_t kIndexOfChunks = 0x01;  // AVI_INDEX_OF_CHUNKS
constexpr uint16_t kMinLongsPerSuperEntry = 4;    // qwOffset, dwSize, dwDuration
constexpr uint16_t kMinLongsPerStandardEntry = 2; // dwOffset, dwSize
constexpr uint32_t kDeltaFrameBit = 0x80000000u;  // set in dwSize: not a key frame
constexpr uint32_t kSizeMask = 0x7FFFFFFFu;

// The header common to super and standard indexes: the 24 bytes after the
// chunk header. The last 12 are dwReserved[3] in a super index, and
// qwBaseOffset plus dwReserved3 in a standard index.
struct IndexHeader {
    uint16_t longsPerEntry = 0;
    uint8_t subType = 0;
    uint8_t type = 0;
    uint32_t entriesInUse = 0;
    uint32_t chunkId = 0;
    uint64_t baseOffset = 0;
    uint32_t reserved = 0;
};

// Reads and checks the chunk at `header`: its header, its index header, and
// that the entries it claims fit in it.
bool ReadIndexChunk(const FileReader& file, uint64_t header, IndexHeader& h, uint32_t& chunkSize)
{
    uint32_t id = 0;
    if (!file.ReadChunkHeader(header, id, chunkSize))
        return false;
    if (chunkSize < kIndexHeaderBytes || kChunkHeaderBytes + chunkSize > file.Size() - header)
        return false;
    std::array<uint8_t, kIndexHeaderBytes> bytes{};
    if (!file.ReadAt(header + kChunkHeaderBytes, bytes))
        return false;
    ByteCursor c(bytes);
    if (!(c.ReadU16(h.longsPerEntry) && c.ReadU8(h.subType) && c.ReadU8(h.type) && c.ReadU32(h.entriesInUse) &&
          c.ReadU32(h.chunkId) && c.ReadU64(h.baseOffset) && c.ReadU32(h.reserved)))
        return false;
    // Counts larger than the bytes present are a lie, not an allocation.
    uint64_t stride = uint64_t{h.longsPerEntry} * 4;
    return stride > 0 && uint64_t{h.entriesInUse} <= (chunkSize - kIndexHeaderBytes) / stride;
}

// The byte ranges of the index chunks read so far. In a real file no two index
// chunks share a byte; overlapping ones would let a small file claim a number
// of frames growing with the square of its size, and a super index pointing
// back at itself or at an index already read overlaps too.
class DisjointRanges {
public:
    // False, and nothing added, when [begin, end) overlaps a range already added.
    bool Add(uint64_t begin, uint64_t end)
    {
        auto next = m_ranges.lower_bound(begin);
        if (next != m_ranges.end() && next->first < end)
            return false;
        if (next != m_ranges.begin() && std::prev(next)->second > begin)
            return false;
        m_ranges.emplace(begin, end);
        return true;
    }

private:
    std::map<uint64_t, uint64_t> m_ranges; // begin -> end
};

bool ChunkIdIsStream(uint32_t chunkId, unsigned stream)
{
    std::optional<StreamChunkId> id = ParseStreamChunkId(chunkId);
    return id && id->isVideoFrame && id->stream == stream;
}

// One ix## (or a standard index in the strl's indx): frames with their sizes
// and key bits. dwOffset points at the chunk's data, counted from qwBaseOffset.
bool ReadStandardIndex(const FileReader& file, uint64_t header, unsigned stream, DisjointRanges& ranges,
                       FrameTable& table, bool& full)
{
    IndexHeader h;
    uint32_t chunkSize = 0;
    if (!ReadIndexChunk(file, header, h, chunkSize) || !ranges.Add(header, header + kChunkHeaderBytes + chunkSize))
        return false;
    if (h.type != kIndexOfChunks || h.longsPerEntry < kMinLongsPerStandardEntry || !ChunkIdIsStream(h.chunkId, stream))
        return false;
    if (h.baseOffset > file.Size())
        return false;

    size_t stride = size_t{h.longsPerEntry} * 4;
    EntryReader entries(file, header + kChunkHeaderBytes + kIndexHeaderBytes, h.entriesInUse, stride);
    std::span<const uint8_t> bytes;
    bool first = true;
    while (entries.Next(bytes)) {
        ByteCursor c(bytes);
        uint32_t offset = 0, sizeField = 0;
        if (!c.ReadU32(offset) || !c.ReadU32(sizeField))
            return false;
        uint32_t size = sizeField & kSizeMask;
        uint64_t data = h.baseOffset + offset;
        if (data < kChunkHeaderBytes || data > file.Size() || size > file.Size() - data)
            return false;
        if (first) {
            // A wrong base offset would still land inside the file; the first
            // chunk's own header proves it right.
            first = false;
            uint32_t id = 0, chunkLength = 0;
            if (!file.ReadChunkHeader(data - kChunkHeaderBytes, id, chunkLength))
                return false;
            std::optional<StreamChunkId> chunk = ParseStreamChunkId(id);
            if (!chunk || chunk->stream != stream)
                return false;
        }
        if (!table.Append(size, (sizeField & kDeltaFrameBit) == 0)) {
            full = true;
            return true;
        }
    }
    return !entries.Failed();
}

} // namespace

bool ReadOpenDmlIndex(const FileReader& file, const AviFileLayout& layout, unsigned stream, FrameTable& table)
{
    if (stream >= layout.streams.size() || !layout.streams[stream].indx)
        return false;
    const uint64_t indx = layout.streams[stream].indx->header;
    IndexHeader h;
    uint32_t chunkSize = 0;
    if (!ReadIndexChunk(file, indx, h, chunkSize))
        return false;
    bool full = false;
    DisjointRanges ranges;
    if (h.type == kIndexOfChunks)
        return ReadStandardIndex(file, indx, stream, ranges, table, full);
    if (h.type != kIndexOfIndexes || h.longsPerEntry < kMinLongsPerSuperEntry || h.entriesInUse == 0)
        return false; // an empty super index is one its writer never filled in

    // Each standard index is read once; an entry that points back at the
    // super index or into an index already read is damage, not a loop to follow.
    ranges.Add(indx, indx + kChunkHeaderBytes + chunkSize);
    size_t stride = size_t{h.longsPerEntry} * 4;
    EntryReader entries(file, indx + kChunkHeaderBytes + kIndexHeaderBytes, h.entriesInUse, stride);
    std::span<const uint8_t> bytes;
    while (entries.Next(bytes)) {
        ByteCursor c(bytes);
        uint64_t offset = 0;
        uint32_t size = 0, duration = 0;
        if (!c.ReadU64(offset) || !c.ReadU32(size) || !c.ReadU32(duration))
            return false;
        if (offset >= file.Size())
            return false;
        if (!ReadStandardIndex(file, offset, stream, ranges, table, full))
            return false;
        if (full)
            return true;
    }
    return !entries.Failed();
}
