#include "tests/platform/AviReadBack.h"

#include <ostream>

namespace {
AviFileServiceImpl& Service()
{
    return static_cast<AviFileServiceImpl&>(DefaultAviFileService());
}
} // namespace

ReadBack ReadVideoStream(const std::filesystem::path& file, long videoIndex)
{
    ReadBack r;
    AviFileServiceImpl& service = Service();
    PAVIFILE f = nullptr;
    r.openResult = service.FileOpen(&f, file.c_str());
    if (r.openResult != kAviOk)
        return r;
    PAVISTREAM s = nullptr;
    r.streamResult = service.FileGetStream(f, &s, kStreamTypeVideo, videoIndex);
    if (r.streamResult == kAviOk) {
        service.StreamInfo(s, &r.info, sizeof r.info);
        r.length = service.StreamLength(s);
        r.source = service.StreamIndexSource(s);
        for (long p = 0; p < r.length; ++p) {
            long bytes = -1;
            if (service.StreamSampleSize(s, p, &bytes) != kAviOk)
                break;
            bool key = service.StreamFindSample(s, p, kFindKey | kFindPrev) == p;
            r.frames.push_back({static_cast<uint32_t>(bytes), key});
        }
        service.StreamRelease(s);
    }
    service.FileRelease(f);
    return r;
}

std::vector<FrameRecipe> AllKey(std::vector<FrameRecipe> frames)
{
    for (FrameRecipe& f : frames)
        f.key = true;
    return frames;
}

bool operator==(const FrameRecipe& a, const FrameRecipe& b)
{
    return a.size == b.size && a.key == b.key;
}

void PrintTo(const FrameRecipe& f, std::ostream* os)
{
    *os << "{" << f.size << (f.key ? ", key}" : "}");
}
