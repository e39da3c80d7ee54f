#include "FakeAviFileService.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename T>
std::string Name(T* handle, const char* tag)
{
    return handle ? tag : "null";
}

} // namespace

AviStreamInfo FakeAviFileService::InfoWith(uint32_t rate, uint32_t scale, AviRect frame)
{
    AviStreamInfo result{};
    result.fccType = kStreamTypeVideo;
    result.dwRate = rate;
    result.dwScale = scale;
    result.rcFrame = frame;
    return result;
}

AviResult FakeAviFileService::FileOpen(PAVIFILE* file, const char* path)
{
    calls.push_back(std::string("FileOpen ") + path);
    if (failOpen)
        return kAviErrFileOpen;
    *file = reinterpret_cast<PAVIFILE>(&m_fileTag);
    return kAviOk;
}

AviResult FakeAviFileService::FileGetStream(PAVIFILE file, PAVISTREAM* stream, uint32_t fccType, long index)
{
    calls.push_back("FileGetStream " + Name(file, "file") + " " +
                    std::string(reinterpret_cast<const char*>(&fccType), 4) + " " + std::to_string(index));
    if (!hasVideo || fccType != kStreamTypeVideo || index != 0)
        return kAviErrNoStream;
    *stream = reinterpret_cast<PAVISTREAM>(&m_streamTag);
    return kAviOk;
}

AviResult FakeAviFileService::StreamInfo(PAVISTREAM stream, AviStreamInfo* out, long size)
{
    calls.push_back("StreamInfo " + Name(stream, "stream") + " " + std::to_string(size));
    std::memcpy(out, &info, static_cast<size_t>(std::min<long>(size, sizeof info)));
    return kAviOk;
}

long FakeAviFileService::StreamLength(PAVISTREAM stream)
{
    calls.push_back("StreamLength " + Name(stream, "stream"));
    return length.value_or(static_cast<long>(frames.size()));
}

AviResult FakeAviFileService::StreamSampleSize(PAVISTREAM, long position, long* bytes)
{
    calls.push_back("StreamSampleSize " + std::to_string(position));
    if (position == failSizeAt || position < 0 || position >= static_cast<long>(frames.size()))
        return kAviErrBadPosition;
    *bytes = frames[static_cast<size_t>(position)].bytes;
    return kAviOk;
}

long FakeAviFileService::StreamFindSample(PAVISTREAM, long position, long flags)
{
    calls.push_back("StreamFindSample " + std::to_string(position) + " " + std::to_string(flags));
    for (long i = position; i >= 0; --i)
        if (frames[static_cast<size_t>(i)].key)
            return i;
    return -1;
}

unsigned long FakeAviFileService::StreamRelease(PAVISTREAM stream)
{
    calls.push_back("StreamRelease " + Name(stream, "stream"));
    return 0;
}

unsigned long FakeAviFileService::FileRelease(PAVIFILE file)
{
    calls.push_back("FileRelease " + Name(file, "file"));
    return 0;
}
