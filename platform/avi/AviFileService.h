#pragma once

#include <cstdint>

// The operations the video reader needs from an AVI file service: open a file,
// hand out one of its streams, and answer questions about that stream from the
// file's headers and index. No operation reads frame data.

using AviResult = long;
constexpr AviResult kAviOk = 0;
constexpr AviResult kAviErrFileOpen = -1;   // missing, unreadable or not a RIFF AVI file
constexpr AviResult kAviErrNoStream = -2;   // no stream of the asked type and index
constexpr AviResult kAviErrBadPosition = -3; // a sample position outside the stream
constexpr AviResult kAviErrBadHandle = -4;

// Stream types, as four characters read little-endian.
constexpr uint32_t kStreamTypeVideo = 0x73646976; // "vids"
constexpr uint32_t kStreamTypeAudio = 0x73647561; // "auds"

// Flags of StreamFindSample.
constexpr long kFindPrev = 0x0004;
constexpr long kFindKey = 0x0010;

struct AviRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// A stream header as the service reports it (140 bytes, field for field the
// stream information of the AVI format).
struct AviStreamInfo {
    uint32_t fccType;
    uint32_t fccHandler;
    uint32_t dwFlags;
    uint32_t dwCaps;
    uint16_t wPriority;
    uint16_t wLanguage;
    uint32_t dwScale;
    uint32_t dwRate;
    uint32_t dwStart;
    uint32_t dwLength;
    uint32_t dwInitialFrames;
    uint32_t dwSuggestedBufferSize;
    uint32_t dwQuality;
    uint32_t dwSampleSize;
    AviRect rcFrame;
    uint32_t dwEditCount;
    uint32_t dwFormatChangeCount;
    char szName[64];
};
static_assert(sizeof(AviStreamInfo) == 140);

// Opaque handles; each one is released exactly once.
struct AviFileObject;
struct AviStreamObject;
using PAVIFILE = AviFileObject*;
using PAVISTREAM = AviStreamObject*;

class IAviFileService {
public:
    virtual ~IAviFileService() = default;

    // Opens `path` for reading; others may read but not write it while it is held.
    virtual AviResult FileOpen(PAVIFILE* file, const char* path) = 0;
    // The `index`-th stream of type `fccType` (0 = the first).
    virtual AviResult FileGetStream(PAVIFILE file, PAVISTREAM* stream, uint32_t fccType, long index) = 0;
    // Copies up to `size` bytes of the stream information into `info`.
    virtual AviResult StreamInfo(PAVISTREAM stream, AviStreamInfo* info, long size) = 0;
    // Number of samples (frames) the stream's index holds.
    virtual long StreamLength(PAVISTREAM stream) = 0;
    // Size in bytes of the sample at `position`, without reading it.
    virtual AviResult StreamSampleSize(PAVISTREAM stream, long position, long* bytes) = 0;
    // With kFindKey | kFindPrev: the nearest key frame at or before `position`, or -1.
    virtual long StreamFindSample(PAVISTREAM stream, long position, long flags) = 0;
    virtual unsigned long StreamRelease(PAVISTREAM stream) = 0;
    virtual unsigned long FileRelease(PAVIFILE file) = 0;
};

// The process-wide service that reads real files.
IAviFileService& DefaultAviFileService();
