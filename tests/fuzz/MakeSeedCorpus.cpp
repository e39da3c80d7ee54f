// Writes the fuzzer's seed corpus into the folder given as the argument: small
// files from the tests' RIFF builder, one per layout it can make, and a few
// made by ffmpeg when it is there. Frames are tiny so that mutations reach the
// headers and indexes rather than frame data.
#include "tests/support/AviBuilder.h"
#include "tests/support/FfmpegFixtures.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kSeedFrames = 7;
constexpr uint32_t kSeedKeyInterval = 3;
constexpr uint32_t kSeedFirstSize = 5;
constexpr uint32_t kSeedSizeStep = 3;

struct BuilderSeed {
    const char* name;
    std::function<void(AviRecipe&)> adjust;
};

const BuilderSeed kBuilderSeeds[] = {
    {"idx1-relative", [](AviRecipe&) {}},
    {"idx1-absolute", [](AviRecipe& r) { r.index = AviIndexKind::Idx1Absolute; }},
    {"no-index", [](AviRecipe& r) { r.index = AviIndexKind::None; }},
    {"odml-one-part", [](AviRecipe& r) { r.index = AviIndexKind::OpenDml; }},
    {"odml-three-parts", [](AviRecipe& r) { r.index = AviIndexKind::OpenDml; r.framesPerPart = 3; }},
    {"odml-with-idx1",
     [](AviRecipe& r) { r.index = AviIndexKind::OpenDml; r.framesPerPart = 4; r.odmlAlsoIdx1 = true; }},
    {"odml-standard-index-in-strl",
     [](AviRecipe& r) { r.index = AviIndexKind::OpenDml; r.odmlStandardIndexInStrl = true; }},
    {"audio-first", [](AviRecipe& r) { r.audioFirst = true; r.audioChunkSize = 4; }},
    {"audio-first-odml",
     [](AviRecipe& r) { r.audioFirst = true; r.audioChunkSize = 4; r.index = AviIndexKind::OpenDml; r.framesPerPart = 4; }},
    {"rec-lists", [](AviRecipe& r) { r.recListFrames = 2; r.index = AviIndexKind::None; }},
    {"palette-changes", [](AviRecipe& r) { r.paletteChangeEvery = 2; }},
    {"junk-in-movi", [](AviRecipe& r) { r.junkInMovi = true; }},
    {"short-strh-named", [](AviRecipe& r) { r.shortStrh = true; r.emptyRcFrame = true; r.streamName = "video"; }},
    {"top-down-no-rate", [](AviRecipe& r) { r.height = -240; r.rate = 0; }},
    {"cut-tail", [](AviRecipe& r) { r.cutTail = 20; }},
};

struct FfmpegSeed {
    const char* name;
    const char* args;
    bool throughPipe;
};

const FfmpegSeed kFfmpegSeeds[] = {
    {"ffmpeg-mpeg4", "-f lavfi -i testsrc=size=16x16:rate=25 -frames:v 6 -c:v mpeg4 -g 3", false},
    {"ffmpeg-mpeg4-bframes", "-f lavfi -i testsrc=size=16x16:rate=25 -frames:v 6 -c:v mpeg4 -bf 2", false},
    {"ffmpeg-with-audio",
     "-f lavfi -i testsrc=size=16x16:rate=10 -f lavfi -i sine=d=0.3:r=8000 -t 0.3 -c:v mpeg4 -c:a pcm_u8", false},
    {"ffmpeg-piped", "-f lavfi -i testsrc=size=16x16:rate=25 -frames:v 5 -c:v mpeg4", true},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);

    for (const BuilderSeed& seed : kBuilderSeeds) {
        AviRecipe recipe;
        recipe.frames = MakeFrames(kSeedFrames, kSeedKeyInterval, kSeedFirstSize, kSeedSizeStep);
        seed.adjust(recipe);
        WriteAviFile(recipe, dir / (std::string(seed.name) + ".avi"));
    }

    if (!FfmpegAvailable()) {
        std::fprintf(stderr, "ffmpeg not found: builder seeds only\n");
        return 0;
    }
    for (const FfmpegSeed& seed : kFfmpegSeeds) {
        const std::filesystem::path made =
            seed.throughPipe ? MakeFfmpegAviThroughPipe(seed.name, seed.args) : MakeFfmpegAvi(seed.name, seed.args);
        std::filesystem::copy_file(made, dir / (std::string(seed.name) + ".avi"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    return 0;
}
