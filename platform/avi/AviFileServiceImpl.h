#pragma once

#include "platform/avi/AviFileService.h"
#include "platform/avi/AviIndexLoader.h"

// The AVI file service over real files: FileOpen reads the headers and the
// index, and every later answer comes from memory. Handles are checked against
// the live ones, so a stale or doubly released handle is an error, not a crash.
class AviFileServiceImpl final : public IAviFileService {
public:
    AviResult FileOpen(PAVIFILE* file, const char* path) override;
    AviResult FileGetStream(PAVIFILE file, PAVISTREAM* stream, uint32_t fccType, long index) override;
    AviResult StreamInfo(PAVISTREAM stream, AviStreamInfo* info, long size) override;
    long StreamLength(PAVISTREAM stream) override;
    AviResult StreamSampleSize(PAVISTREAM stream, long position, long* bytes) override;
    long StreamFindSample(PAVISTREAM stream, long position, long flags) override;
    unsigned long StreamRelease(PAVISTREAM stream) override;
    unsigned long FileRelease(PAVIFILE file) override;

    // Which source gave the stream its frames; for tests and diagnostics.
    IndexSource StreamIndexSource(PAVISTREAM stream);
};
