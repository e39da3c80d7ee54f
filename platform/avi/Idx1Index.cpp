#include "platform/avi/ByteCursor.h"
#include "platform/avi/EntryReader.h"
#include "platform/avi/FourCC.h"
#include "platform/avi/IndexSources.h"

#include <array>
#include <optional>

namespace {

constexpr size_t kIdx1EntryBytes = 16;
constexpr uint32_t kAviifList = 0x00000001;
constexpr uint32_t kAviifKeyframe = 0x00000010;
constexpr uint64_t kChunkHeaderBytes = 8;

struct Idx1Entry {
    uint32_t ckid = 0;
    uint32_t flags = 0;
    uint32_t offset = 0;
    uint32_t size = 0;
};

bool ParseEntry(std::span<const uint8_t> bytes, Idx1Entry& e)
{
    ByteCursor c(bytes);
    return c.ReadU32(e.ckid) && c.ReadU32(e.flags) && c.ReadU32(e.offset) && c.ReadU32(e.size);
}

bool IsStreamChunk(const Idx1Entry& e)
{
    return (e.flags & kAviifList) == 0 && ParseStreamChunkId(e.ckid).has_value();
}

// Hands each stream-chunk entry of idx1 to `visit`, in order, until it
// answers false. False when the index itself could not be read.
template <typename Visit>
bool ForEachStreamEntry(const FileReader& file, const ChunkSpan& idx1, Visit visit)
{
    EntryReader entries(file, idx1.header + kChunkHeaderBytes, idx1.size / kIdx1EntryBytes, kIdx1EntryBytes);
    std::span<const uint8_t> bytes;
    Idx1Entry e;
    while (entries.Next(bytes)) {
        if (ParseEntry(bytes, e) && IsStreamChunk(e) && !visit(e))
            return true;
    }
    return !entries.Failed();
}

// idx1 offsets count from the 'movi' fourcc in most files and from the start
// of the file in some. The first stream chunk tells which: its header must be
// found where the entry says.
std::optional<uint64_t> OffsetBaseFor(const FileReader& file, const AviFileLayout& layout, const Idx1Entry& e)
{
    std::array<uint64_t, 2> candidates{layout.movis.empty() ? UINT64_MAX : layout.movis.front().fourcc, 0};
    for (uint64_t base : candidates) {
        if (base == UINT64_MAX)
            continue;
        uint32_t id = 0, size = 0;
        if (file.ReadChunkHeader(base + e.offset, id, size) && id == e.ckid)
            return base;
    }
    return std::nullopt;
}

} // namespace

bool ReadIdx1(const FileReader& file, const AviFileLayout& layout, const std::vector<FrameTable*>& tables)
{
    if (!layout.idx1)
        return false;
    const ChunkSpan idx1 = *layout.idx1;
    std::optional<uint64_t> base;
    ForEachStreamEntry(file, idx1, [&](const Idx1Entry& e) {
        base = OffsetBaseFor(file, layout, e);
        return false;
    });
    if (!base)
        return false;

    bool damaged = false;
    const bool read = ForEachStreamEntry(file, idx1, [&](const Idx1Entry& e) {
        std::optional<StreamChunkId> id = ParseStreamChunkId(e.ckid);
        if (!id->isVideoFrame || id->stream >= tables.size() || tables[id->stream] == nullptr)
            return true;
        // The chunk must lie inside the file, or the index is not this file's.
        uint64_t header = *base + e.offset;
        damaged = header > layout.fileSize || kChunkHeaderBytes + e.size > layout.fileSize - header;
        // A full table ends the walk: the rest cannot be numbered.
        return !damaged && tables[id->stream]->Append(e.size, (e.flags & kAviifKeyframe) != 0);
    });
    return read && !damaged;
}
