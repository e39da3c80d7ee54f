#include "platform/avi/AviIndexLoader.h"

#include "platform/avi/IndexSources.h"

namespace {

using WholeFileSource = bool (*)(const FileReader&, const AviFileLayout&, const std::vector<FrameTable*>&);

// Fills the tables of the streams still waiting from a source that indexes
// every stream at once; on damage, leaves them empty and waiting.
void TryWholeFileSource(WholeFileSource read, IndexSource source, const FileReader& file,
                        const AviFileLayout& layout, std::vector<StreamFrames>& frames)
{
    std::vector<FrameTable*> waiting(frames.size(), nullptr);
    bool any = false;
    for (size_t s = 0; s < frames.size(); ++s) {
        if (layout.streams[s].isVideo && frames[s].source == IndexSource::None) {
            waiting[s] = &frames[s].table;
            any = true;
        }
    }
    if (!any)
        return;
    bool ok = read(file, layout, waiting);
    for (size_t s = 0; s < frames.size(); ++s) {
        if (waiting[s] == nullptr)
            continue;
        if (ok)
            frames[s].source = source;
        else
            frames[s].table.Clear();
    }
}

} // namespace

std::vector<StreamFrames> LoadFrameTables(const FileReader& file, const AviFileLayout& layout)
{
    std::vector<StreamFrames> frames(layout.streams.size());
    for (size_t s = 0; s < frames.size(); ++s) {
        if (!layout.streams[s].isVideo || !layout.streams[s].indx)
            continue;
        if (ReadOpenDmlIndex(file, layout, static_cast<unsigned>(s), frames[s].table))
            frames[s].source = IndexSource::OpenDml;
        else
            frames[s].table.Clear();
    }
    TryWholeFileSource(ReadIdx1, IndexSource::Idx1, file, layout, frames);
    TryWholeFileSource(ScanMovi, IndexSource::Scan, file, layout, frames);
    for (StreamFrames& f : frames)
        f.table.Finish();
    return frames;
}
