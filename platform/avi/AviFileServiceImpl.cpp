#include "platform/avi/AviFileServiceImpl.h"

#include "platform/avi/AviHeaderParser.h"
#include "platform/avi/FileReader.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_set>

namespace {

// What FileOpen learned; shared by the file and its streams, so that either
// may be released first.
struct ParsedAvi {
    std::vector<StreamHeaders> streams;
    std::vector<StreamFrames> frames;
};

} // namespace

struct AviFileObject {
    std::shared_ptr<const ParsedAvi> avi;
    std::unique_ptr<FileReader> file; // held open (and share-locked) until released
};

struct AviStreamObject {
    std::shared_ptr<const ParsedAvi> avi;
    size_t stream = 0;
    size_t keyHint = 0; // where the last key search of this handle ended
};

namespace {

// The handles given out and not yet released. A report asks about the same
// stream twice a frame, so the handle last found is remembered and answered
// without the lock; releasing it forgets it first.
class HandleRegistry {
public:
    void Add(const void* h)
    {
        std::lock_guard lock(m_mutex);
        m_live.insert(h);
    }
    bool Contains(const void* h)
    {
        if (h != nullptr && h == m_lastFound.load(std::memory_order_acquire))
            return true;
        std::lock_guard lock(m_mutex);
        if (h == nullptr || m_live.count(h) == 0)
            return false;
        m_lastFound.store(h, std::memory_order_release);
        return true;
    }
    bool Remove(const void* h)
    {
        std::lock_guard lock(m_mutex);
        if (m_lastFound.load(std::memory_order_relaxed) == h)
            m_lastFound.store(nullptr, std::memory_order_release);
        return h != nullptr && m_live.erase(h) != 0;
    }

private:
    std::mutex m_mutex;
    std::unordered_set<const void*> m_live;
    std::atomic<const void*> m_lastFound{nullptr};
};

HandleRegistry& Handles()
{
    static HandleRegistry registry;
    return registry;
}

const StreamFrames* VideoFrames(PAVISTREAM stream)
{
    if (!Handles().Contains(stream))
        return nullptr;
    return &stream->avi->frames[stream->stream];
}

} // namespace

AviResult AviFileServiceImpl::FileOpen(PAVIFILE* file, const char* path)
{
    if (file == nullptr)
        return kAviErrBadHandle;
    *file = nullptr;
    auto reader = std::make_unique<FileReader>();
    if (path == nullptr || !reader->Open(path))
        return kAviErrFileOpen;
    AviFileLayout layout;
    if (!ParseAviLayout(*reader, layout))
        return kAviErrFileOpen;
    auto avi = std::make_shared<ParsedAvi>();
    avi->frames = LoadFrameTables(*reader, layout);
    avi->streams = std::move(layout.streams);
    auto object = new AviFileObject{std::move(avi), std::move(reader)};
    Handles().Add(object);
    *file = object;
    return kAviOk;
}

AviResult AviFileServiceImpl::FileGetStream(PAVIFILE file, PAVISTREAM* stream, uint32_t fccType, long index)
{
    if (stream == nullptr)
        return kAviErrBadHandle;
    *stream = nullptr;
    if (!Handles().Contains(file))
        return kAviErrBadHandle;
    if (index < 0)
        return kAviErrNoStream;
    long seen = 0;
    const std::vector<StreamHeaders>& streams = file->avi->streams;
    for (size_t s = 0; s < streams.size(); ++s) {
        if (streams[s].info.fccType != fccType)
            continue;
        if (seen++ == index) {
            auto object = new AviStreamObject{file->avi, s};
            Handles().Add(object);
            *stream = object;
            return kAviOk;
        }
    }
    return kAviErrNoStream;
}

AviResult AviFileServiceImpl::StreamInfo(PAVISTREAM stream, AviStreamInfo* info, long size)
{
    if (!Handles().Contains(stream))
        return kAviErrBadHandle;
    if (size <= 0)
        return kAviOk;
    if (info == nullptr)
        return kAviErrBadHandle;
    const AviStreamInfo& source = stream->avi->streams[stream->stream].info;
    size_t count = std::min(static_cast<size_t>(size), sizeof source);
    std::memcpy(info, &source, count);
    return kAviOk;
}

long AviFileServiceImpl::StreamLength(PAVISTREAM stream)
{
    const StreamFrames* frames = VideoFrames(stream);
    return frames ? static_cast<long>(frames->table.Count()) : 0;
}

AviResult AviFileServiceImpl::StreamSampleSize(PAVISTREAM stream, long position, long* bytes)
{
    const StreamFrames* frames = VideoFrames(stream);
    if (frames == nullptr)
        return kAviErrBadHandle;
    if (position < 0 || static_cast<unsigned long>(position) >= frames->table.Count())
        return kAviErrBadPosition;
    if (bytes)
        *bytes = static_cast<long>(frames->table.SizeAt(static_cast<size_t>(position)));
    return kAviOk;
}

long AviFileServiceImpl::StreamFindSample(PAVISTREAM stream, long position, long flags)
{
    const StreamFrames* frames = VideoFrames(stream);
    if (frames == nullptr || (flags & (kFindKey | kFindPrev)) != (kFindKey | kFindPrev))
        return -1; // only the search the reader needs is supported
    return frames->table.KeyAtOrBefore(position, stream->keyHint);
}

unsigned long AviFileServiceImpl::StreamRelease(PAVISTREAM stream)
{
    if (!Handles().Remove(stream))
        return 0;
    delete stream;
    return 0;
}

unsigned long AviFileServiceImpl::FileRelease(PAVIFILE file)
{
    if (!Handles().Remove(file))
        return 0;
    delete file;
    return 0;
}

IndexSource AviFileServiceImpl::StreamIndexSource(PAVISTREAM stream)
{
    const StreamFrames* frames = VideoFrames(stream);
    return frames ? frames->source : IndexSource::None;
}

IAviFileService& DefaultAviFileService()
{
    static AviFileServiceImpl service;
    return service;
}
