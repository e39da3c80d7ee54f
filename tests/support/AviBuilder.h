#pragma once

#include "tests/support/ByteSink.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Hand-made AVI files for the tests: N video frames of given sizes and key
// flags, laid out the way real writers do, with switches for the variants and
// damage that a reader must survive. The file is streamed into a ByteSink, so
// with `holes` a FileSink writes only headers and indexes (a sparse file) and
// files of many GiB with a million frames cost little memory and disk.

struct FrameRecipe {
    uint32_t size = 0;
    bool key = false;
};

enum class AviIndexKind {
    Idx1Relative, // legacy idx1, offsets from the 'movi' fourcc (the usual way)
    Idx1Absolute, // legacy idx1, offsets from the start of the file
    None,         // no index at all: a reader must scan 'movi'
    OpenDml,      // indx super index in the strl, an ix## per RIFF part
};

struct ByteDamage {
    uint64_t offset = 0;
    std::vector<uint8_t> bytes;
};

struct AviRecipe {
    std::vector<FrameRecipe> frames;
    AviIndexKind index = AviIndexKind::Idx1Relative;

    // OpenDML: frames per RIFF part; the first part is 'RIFF AVI ', the others
    // 'RIFF AVIX'. 0 puts every frame in the first part.
    uint32_t framesPerPart = 0;
    // OpenDML: also write a legacy idx1 for the first part, as ffmpeg does.
    bool odmlAlsoIdx1 = false;
    // OpenDML: the strl's indx is itself a standard index (one part only).
    bool odmlStandardIndexInStrl = false;

    uint32_t paletteChangeEvery = 0; // an NNpc chunk before every k-th frame (k > 0)
    uint32_t recListFrames = 0;      // wrap every k frames in a LIST 'rec '
    bool junkInMovi = false;         // a JUNK chunk first in every movi
    bool emptyRcFrame = false;       // strh rcFrame all zero
    bool shortStrh = false;          // strh of 48 bytes: no rcFrame at all
    bool audioFirst = false;         // an audio stream 0 before the video (video is stream 1)
    uint32_t audioChunkSize = 100;   // one audio chunk of this size before each frame
    bool holes = false;              // frame data left as holes instead of written zeros

    std::string handler = "MJPG";
    int32_t width = 320;
    int32_t height = 240; // biHeight as written: may be negative (top-down)
    uint32_t scale = 1;
    uint32_t rate = 25;
    uint32_t start = 0;
    std::optional<uint32_t> strhLength; // dwLength; the frame count if unset
    std::string streamName;             // an strn chunk when not empty

    uint64_t cutTail = 0;            // bytes cut off the end of the finished file
    std::vector<ByteDamage> damage;  // overwrites applied after everything else
};

// Where things landed, for aiming damage and checking answers.
struct AviLayout {
    uint64_t fileSize = 0;
    uint64_t moviFourcc = 0;     // offset of the first part's 'movi' fourcc
    uint64_t idx1 = 0;           // header offset of idx1, 0 when none
    uint64_t videoStrh = 0;      // header offset of the video strh
    uint64_t videoStrf = 0;
    uint64_t videoIndx = 0;      // header offset of the video indx, 0 when none
    std::vector<uint64_t> videoIx;     // header offsets of the video ix## chunks
    std::vector<uint64_t> riffParts;   // header offsets of every RIFF
    std::vector<uint64_t> frameChunks; // header offsets of the video frame chunks
};

AviLayout WriteAvi(const AviRecipe& recipe, ByteSink& sink);
std::vector<uint8_t> BuildAvi(const AviRecipe& recipe, AviLayout* layout = nullptr);
AviLayout WriteAviFile(const AviRecipe& recipe, const std::filesystem::path& path);

// `count` frames: a key frame every `keyInterval` (0: only the first), sizes
// from `firstSize` growing by `step` (sizes wrap through odd and even).
std::vector<FrameRecipe> MakeFrames(uint32_t count, uint32_t keyInterval, uint32_t firstSize = 1000,
                                  uint32_t step = 7);
