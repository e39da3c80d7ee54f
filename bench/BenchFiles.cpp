#include "bench/BenchFiles.h"

#include "tests/support/TempDir.h"

#include <map>
#include <string>

namespace {

constexpr uint32_t kKeyInterval = 25;
constexpr uint32_t kFramesPerPart = 40'000; // OpenDML: three RIFF parts
// Sizes of 100 to 999 bytes in no order, about what a small MPEG-4 stream holds.
constexpr uint32_t kSmallestFrame = 100;
constexpr uint32_t kSizeSpread = 900;
constexpr uint32_t kSizeStride = 7919;

std::vector<FrameRecipe> BenchFrames()
{
    std::vector<FrameRecipe> frames(kBenchFrames);
    for (uint32_t i = 0; i < kBenchFrames; ++i)
        frames[i] = {kSmallestFrame + i * kSizeStride % kSizeSpread, i % kKeyInterval == 0};
    return frames;
}

} // namespace

const std::filesystem::path& BenchAvi(AviIndexKind index)
{
    static std::map<AviIndexKind, std::filesystem::path> made;
    if (auto it = made.find(index); it != made.end())
        return it->second;
    AviRecipe recipe;
    recipe.frames = BenchFrames();
    recipe.index = index;
    recipe.framesPerPart = index == AviIndexKind::OpenDml ? kFramesPerPart : 0;
    recipe.holes = true;
    const std::filesystem::path path = TestTempPath("bench-" + std::to_string(static_cast<int>(index)) + ".avi");
    WriteAviFile(recipe, path);
    return made.emplace(index, path).first->second;
}
