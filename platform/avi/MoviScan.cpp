#include "platform/avi/ChunkWalker.h"
#include "platform/avi/FourCC.h"
#include "platform/avi/IndexSources.h"

namespace {

constexpr uint64_t kListHeaderBytes = 12;
// 'rec ' lists hold chunks, not further lists; a little slack for odd writers.
constexpr int kMaxListDepth = 4;

// False when a table is full and the walk should stop.
bool ScanRange(const FileReader& file, uint64_t begin, uint64_t end, int depth,
               const std::vector<FrameTable*>& tables)
{
    ChunkWalker walker(file, begin, end);
    ChunkRef c;
    while (walker.Next(c)) {
        // A chunk cut off by the end of the file (or of its list) is not a
        // frame: only complete chunks are counted.
        if (!c.complete)
            return true;
        if (c.id == fcc::kList) {
            if (c.listType == fcc::kRec && depth < kMaxListDepth &&
                !ScanRange(file, c.header + kListHeaderBytes, c.dataEnd, depth + 1, tables))
                return false;
            continue;
        }
        std::optional<StreamChunkId> id = ParseStreamChunkId(c.id);
        if (!id || !id->isVideoFrame || id->stream >= tables.size() || tables[id->stream] == nullptr)
            continue;
        // Without an index nothing says which frames are key frames, and
        // finding out would mean decoding. The AVI convention for chunks that
        // no index flags is "every frame stands alone", so each one is a key
        // frame; that also keeps every frame reachable for a seek.
        if (!tables[id->stream]->Append(c.size, true))
            return false;
    }
    return true;
}

} // namespace

bool ScanMovi(const FileReader& file, const AviFileLayout& layout, const std::vector<FrameTable*>& tables)
{
    if (layout.movis.empty())
        return false;
    for (const MoviList& movi : layout.movis) {
        if (!ScanRange(file, movi.fourcc + 4, movi.end, 0, tables))
            break;
    }
    return true;
}
