#pragma once

#include "platform/avi/AviFileService.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// An AVI file service held in memory that logs every call it takes, so tests
// can check which calls a reader makes and in which order.
class FakeAviFileService : public IAviFileService {
public:
    struct Frame {
        long bytes;
        bool key;
    };

    // What the next opened file holds.
    AviStreamInfo info{};
    std::vector<Frame> frames;
    std::optional<long> length;    // StreamLength; none: the number of frames
    bool failOpen = false;
    bool hasVideo = true;
    long failSizeAt = -1;          // StreamSampleSize fails at this position

    std::vector<std::string> calls;

    static AviStreamInfo InfoWith(uint32_t rate, uint32_t scale, AviRect frame);

    AviResult FileOpen(PAVIFILE* file, const char* path) override;
    AviResult FileGetStream(PAVIFILE file, PAVISTREAM* stream, uint32_t fccType, long index) override;
    AviResult StreamInfo(PAVISTREAM stream, AviStreamInfo* info, long size) override;
    long StreamLength(PAVISTREAM stream) override;
    AviResult StreamSampleSize(PAVISTREAM stream, long position, long* bytes) override;
    long StreamFindSample(PAVISTREAM stream, long position, long flags) override;
    unsigned long StreamRelease(PAVISTREAM stream) override;
    unsigned long FileRelease(PAVIFILE file) override;

private:
    // Distinct non-null handles, never dereferenced.
    char m_fileTag = 0;
    char m_streamTag = 0;
};
