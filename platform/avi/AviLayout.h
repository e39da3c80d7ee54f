#pragma once

#include "platform/avi/AviFileService.h"

#include <cstdint>
#include <optional>
#include <vector>

// What FileOpen learns from the headers of an AVI file, before any index is
// read. Offsets are file offsets.

struct ChunkSpan {
    uint64_t header = 0; // offset of the 8-byte chunk header; data follow at +8
    uint32_t size = 0;   // the size field; the whole chunk lies inside the file
};

struct MoviList {
    uint64_t fourcc = 0; // offset of the 'movi' fourcc (the base of relative idx1 offsets)
    uint64_t end = 0;    // end of the list's data, clamped to its RIFF part and the file
};

struct StreamHeaders {
    AviStreamInfo info{};
    bool isVideo = false;
    std::optional<ChunkSpan> indx; // the OpenDML index chunk of the strl
};

struct AviFileLayout {
    uint64_t fileSize = 0;
    std::vector<StreamHeaders> streams; // in strl order: the stream number is the position
    std::vector<MoviList> movis;        // the 'RIFF AVI ' part's first, then each 'RIFF AVIX'
    std::optional<ChunkSpan> idx1;
};

// Chunk ids are two decimal digits: no file has more streams than this.
constexpr size_t kMaxStreams = 100;
