#include "platform/avi/AviHeaderParser.h"

#include "platform/avi/ChunkWalker.h"
#include "platform/avi/FourCC.h"
#include "platform/avi/StreamInfoParser.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint64_t kListHeaderBytes = 12; // id, size, type
constexpr uint32_t kListTypeBytes = 4;
// Header chunks are small; reading more than this of one would be for nothing.
constexpr uint32_t kMaxHeaderChunkBytes = 256;
// More RIFF parts than this is not a file, it is an attack.
constexpr size_t kMaxRiffParts = 1 << 16;

std::vector<uint8_t> ReadSmallChunk(const FileReader& file, const ChunkRef& chunk)
{
    uint64_t available = chunk.dataEnd - (chunk.header + kChunkHeaderBytes);
    std::vector<uint8_t> data(static_cast<size_t>(std::min<uint64_t>(available, kMaxHeaderChunkBytes)));
    if (!file.ReadAt(chunk.header + kChunkHeaderBytes, data))
        data.clear();
    return data;
}

StreamHeaders ParseStrl(const FileReader& file, const ChunkRef& strl)
{
    std::vector<uint8_t> strh, strf, strn;
    StreamHeaders stream;
    ChunkWalker walker(file, strl.header + kListHeaderBytes, strl.dataEnd);
    ChunkRef c;
    while (walker.Next(c)) {
        if (c.id == fcc::kStrh && strh.empty())
            strh = ReadSmallChunk(file, c);
        else if (c.id == fcc::kStrf && strf.empty())
            strf = ReadSmallChunk(file, c);
        else if (c.id == fcc::kStrn && strn.empty())
            strn = ReadSmallChunk(file, c);
        else if (c.id == fcc::kIndx && c.complete && !stream.indx)
            stream.indx = ChunkSpan{c.header, c.size};
    }
    stream.info = ParseStreamInfo(strh, strf, strn);
    stream.isVideo = stream.info.fccType == fcc::kVids;
    return stream;
}

void ParseHdrl(const FileReader& file, const ChunkRef& hdrl, AviFileLayout& layout)
{
    ChunkWalker walker(file, hdrl.header + kListHeaderBytes, hdrl.dataEnd);
    ChunkRef c;
    while (walker.Next(c)) {
        if (c.id == fcc::kList && c.listType == fcc::kStrl && layout.streams.size() < kMaxStreams)
            layout.streams.push_back(ParseStrl(file, c));
    }
}

// A list size too small to hold even the list's type is one a streaming
// writer never came back to fill in: the list runs to the end of its parent.
void ExtendUnfinishedList(ChunkRef& list, uint64_t parentEnd)
{
    if (list.size < kListTypeBytes) {
        list.dataEnd = parentEnd;
        list.complete = false;
    }
}

// Collects the movi list (and, in the first part, the headers and idx1) of one
// RIFF part.
bool WalkPart(const FileReader& file, const ChunkRef& riff, bool first, AviFileLayout& layout)
{
    bool sawHeaders = false;
    bool sawMovi = false;
    ChunkWalker walker(file, riff.header + kListHeaderBytes, riff.dataEnd);
    ChunkRef c;
    while (walker.Next(c)) {
        if (c.id == fcc::kList && c.listType == fcc::kHdrl && first && !sawHeaders) {
            sawHeaders = true;
            ParseHdrl(file, c, layout);
        } else if (c.id == fcc::kList && c.listType == fcc::kMovi && !sawMovi) {
            sawMovi = true;
            ExtendUnfinishedList(c, riff.dataEnd);
            layout.movis.push_back({c.header + kChunkHeaderBytes, c.dataEnd});
        } else if (c.id == fcc::kIdx1 && first && c.complete && !layout.idx1) {
            layout.idx1 = ChunkSpan{c.header, c.size};
        }
    }
    return sawHeaders;
}

} // namespace

bool ParseAviLayout(const FileReader& file, AviFileLayout& layout)
{
    layout = AviFileLayout{};
    layout.fileSize = file.Size();
    ChunkWalker top(file, 0, file.Size());
    ChunkRef riff;
    if (!top.Next(riff) || riff.id != fcc::kRiff || riff.listType != fcc::kAvi)
        return false;
    ExtendUnfinishedList(riff, file.Size());
    if (!WalkPart(file, riff, true, layout))
        return false;
    if (!riff.complete)
        return true; // no trustworthy end, so no trustworthy place for AVIX parts

    // OpenDML: further 'RIFF AVIX' parts follow the first one.
    uint64_t next = riff.dataEnd + (riff.size & 1u);
    ChunkWalker rest(file, next, file.Size());
    ChunkRef part;
    size_t parts = 1;
    while (parts < kMaxRiffParts && rest.Next(part)) {
        if (part.id != fcc::kRiff || part.listType != fcc::kAvix)
            break;
        WalkPart(file, part, false, layout);
        ++parts;
    }
    return true;
}
