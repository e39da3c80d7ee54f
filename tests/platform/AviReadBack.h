#pragma once

#include "platform/avi/AviFileServiceImpl.h"
#include "tests/support/AviBuilder.h"

#include <filesystem>
#include <vector>

// Everything the service says about one video stream of a file, read through
// the public interface, for comparing against what a fixture holds.
struct ReadBack {
    AviResult openResult = kAviErrFileOpen;
    AviResult streamResult = kAviErrNoStream;
    AviStreamInfo info{};
    long length = 0;
    std::vector<FrameRecipe> frames; // key = StreamFindSample(p, key|prev) == p
    IndexSource source = IndexSource::None;
};

ReadBack ReadVideoStream(const std::filesystem::path& file, long videoIndex = 0);

// Frames with every key flag set, as a movi scan reports them.
std::vector<FrameRecipe> AllKey(std::vector<FrameRecipe> frames);

bool operator==(const FrameRecipe& a, const FrameRecipe& b);
void PrintTo(const FrameRecipe& f, std::ostream* os);
