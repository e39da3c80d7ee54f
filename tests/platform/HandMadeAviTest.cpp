// Files made by the RIFF builder: every index source, and the layouts that
// real writers produce, read back frame for frame.
#include "tests/platform/AviReadBack.h"
#include "tests/support/RiffBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace {

struct HandMadeCase {
    const char* name;
    std::function<AviRecipe()> make;
    IndexSource source;
    // What the service must report, from the recipe: frames as written, or all
    // key (a scan knows no key flags), only the first `keep` of them.
    bool allKey = false;
    size_t keep = SIZE_MAX;
    // Damage aimed with the layout of the undamaged file.
    std::function<std::vector<ByteDamage>(const AviLayout&)> aim = nullptr;
};

AviRecipe Base(AviIndexKind index)
{
    AviRecipe s;
    s.frames = MakeFrames(12, 4);
    s.index = index;
    return s;
}

AviRecipe With(AviIndexKind index, const std::function<void(AviRecipe&)>& change)
{
    AviRecipe s = Base(index);
    change(s);
    return s;
}

std::vector<FrameRecipe> ZeroLengthFrames()
{
    std::vector<FrameRecipe> frames = MakeFrames(10, 5);
    frames[2].size = 0;
    frames[3].size = 0;
    frames[7] = {0, false};
    frames[9] = {0, false};
    return frames;
}

const HandMadeCase kCases[] = {
    {"Idx1Relative", [] { return Base(AviIndexKind::Idx1Relative); }, IndexSource::Idx1},
    {"Idx1Absolute", [] { return Base(AviIndexKind::Idx1Absolute); }, IndexSource::Idx1},
    {"NoIndexIsScannedAllKey", [] { return Base(AviIndexKind::None); }, IndexSource::Scan, true},
    {"OpenDmlSinglePart", [] { return Base(AviIndexKind::OpenDml); }, IndexSource::OpenDml},
    {"OpenDmlAvixParts",
     [] { return With(AviIndexKind::OpenDml, [](AviRecipe& s) { s.framesPerPart = 5; }); }, IndexSource::OpenDml},
    {"OpenDmlWinsOverFirstPartIdx1",
     [] {
         return With(AviIndexKind::OpenDml, [](AviRecipe& s) {
             s.framesPerPart = 4;
             s.odmlAlsoIdx1 = true;
         });
     },
     IndexSource::OpenDml},
    {"OpenDmlStandardIndexInStrl",
     [] { return With(AviIndexKind::OpenDml, [](AviRecipe& s) { s.odmlStandardIndexInStrl = true; }); },
     IndexSource::OpenDml},
    {"OpenDmlAudioFirst",
     [] {
         return With(AviIndexKind::OpenDml, [](AviRecipe& s) {
             s.audioFirst = true;
             s.framesPerPart = 3;
         });
     },
     IndexSource::OpenDml},
    {"PaletteChangesAreNotFrames",
     [] { return With(AviIndexKind::Idx1Relative, [](AviRecipe& s) { s.paletteChangeEvery = 3; }); },
     IndexSource::Idx1},
    {"RecListsAreNotFrames",
     [] {
         return With(AviIndexKind::Idx1Relative, [](AviRecipe& s) {
             s.recListFrames = 3;
             s.paletteChangeEvery = 2;
             s.junkInMovi = true;
             s.audioFirst = true;
         });
     },
     IndexSource::Idx1},
    {"ScanDescendsIntoRecLists",
     [] {
         return With(AviIndexKind::None, [](AviRecipe& s) {
             s.recListFrames = 3;
             s.paletteChangeEvery = 2;
             s.junkInMovi = true;
             s.audioFirst = true;
         });
     },
     IndexSource::Scan, true},
    {"AudioStreamBeforeVideo",
     [] { return With(AviIndexKind::Idx1Absolute, [](AviRecipe& s) { s.audioFirst = true; }); }, IndexSource::Idx1},
    {"ZeroLengthFramesKeepTheirPlace",
     [] { return With(AviIndexKind::Idx1Relative, [](AviRecipe& s) { s.frames = ZeroLengthFrames(); }); },
     IndexSource::Idx1},
    {"ZeroLengthFramesInOpenDml",
     [] {
         return With(AviIndexKind::OpenDml, [](AviRecipe& s) {
             s.frames = ZeroLengthFrames();
             s.framesPerPart = 4;
         });
     },
     IndexSource::OpenDml},
    {"ZeroLengthFramesByScan",
     [] { return With(AviIndexKind::None, [](AviRecipe& s) { s.frames = ZeroLengthFrames(); }); }, IndexSource::Scan,
     true},
    {"CutTailCountsCompleteChunksOnly",
     [] { return With(AviIndexKind::None, [](AviRecipe& s) { s.cutTail = 500; }); }, IndexSource::Scan, true, 11},
    {"CutIdx1FallsBackToScan",
     [] { return With(AviIndexKind::Idx1Relative, [](AviRecipe& s) { s.cutTail = 20; }); }, IndexSource::Scan, true},
    {"CutAvixPartIsScanned",
     [] {
         return With(AviIndexKind::OpenDml, [](AviRecipe& s) {
             s.framesPerPart = 6;
             s.cutTail = 60; // into the last ix## (80 bytes): every frame stays whole
         });
     },
     IndexSource::Scan, true},
    {"HoleFramesReadLikeWrittenOnes",
     [] { return With(AviIndexKind::OpenDml, [](AviRecipe& s) { s.holes = true; s.framesPerPart = 5; }); },
     IndexSource::OpenDml},
};

// Offsets inside the index structures, as the OpenDML and AVI docs lay them out.
constexpr uint64_t kHeader = 8;             // chunk id and size
constexpr uint64_t kIndexHeader = 24;       // indx / ix## header after the chunk header
constexpr uint64_t kEntriesInUse = 4;       // in the index header
constexpr uint64_t kIndexType = 3;          // bIndexType in the index header
constexpr uint64_t kChunkId = 8;            // dwChunkId in the index header
constexpr uint64_t kBaseOffset = 12;        // qwBaseOffset in a standard index header
constexpr uint64_t kSuperEntry = 16;
constexpr uint64_t kIdx1Entry = 16;
constexpr uint64_t kIdx1Offset = 8;         // dwChunkOffset in an idx1 entry
constexpr uint64_t kIdx1Size = 12;          // dwChunkLength in an idx1 entry

std::vector<uint8_t> Le(uint64_t v, size_t bytes)
{
    std::vector<uint8_t> out(bytes);
    for (size_t i = 0; i < bytes; ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
    return out;
}

ByteDamage U32At(uint64_t offset, uint32_t v) { return {offset, Le(v, 4)}; }
ByteDamage U64At(uint64_t offset, uint64_t v) { return {offset, Le(v, 8)}; }

uint64_t SuperEntry(const AviLayout& l, uint64_t i) { return l.videoIndx + kHeader + kIndexHeader + i * kSuperEntry; }
uint64_t IxHeader(const AviLayout& l, size_t part) { return l.videoIx[part] + kHeader; }
uint64_t Idx1Entry(const AviLayout& l, uint64_t i) { return l.idx1 + kHeader + i * kIdx1Entry; }

// Three parts of four frames, with an idx1 for the first part to fall back on.
AviRecipe OpenDmlWithIdx1()
{
    return With(AviIndexKind::OpenDml, [](AviRecipe& s) {
        s.framesPerPart = 4;
        s.odmlAlsoIdx1 = true;
    });
}

AviRecipe OpenDmlOnly()
{
    return With(AviIndexKind::OpenDml, [](AviRecipe& s) { s.framesPerPart = 4; });
}

using Aim = std::function<std::vector<ByteDamage>(const AviLayout&)>;
constexpr size_t kFirstPart = 4;

// A damaged index fails as a whole and the next source answers.
const HandMadeCase kDamaged[] = {
    {"SuperIndexPointingAtItself", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U64At(SuperEntry(l, 0), l.videoIndx)}; })},
    {"SuperIndexPointingAtItselfWithoutIdx1", OpenDmlOnly, IndexSource::Scan, true, SIZE_MAX,
     Aim([](const AviLayout& l) { return std::vector{U64At(SuperEntry(l, 1), l.videoIndx)}; })},
    {"SuperIndexLoopingToAnIndexAlreadyRead", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U64At(SuperEntry(l, 2), l.videoIx[0])}; })},
    {"SuperIndexEntryOutsideFile", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U64At(SuperEntry(l, 1), UINT64_MAX - 3)}; })},
    {"SuperIndexCountBeyondChunk", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U32At(l.videoIndx + kHeader + kEntriesInUse, 0x7FFFFFFF)}; })},
    {"SuperIndexNeverFilledIn", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U32At(l.videoIndx + kHeader + kEntriesInUse, 0)}; })},
    {"StandardIndexCountBeyondChunk", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U32At(IxHeader(l, 1) + kEntriesInUse, 0xFFFFFFFF)}; })},
    {"StandardIndexThatIsASuperIndex", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{ByteDamage{IxHeader(l, 0) + kIndexType, {0}}}; })},
    {"StandardIndexBaseOutsideFile", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U64At(IxHeader(l, 2) + kBaseOffset, 0xFFFFFFFFFFFFull)}; })},
    {"StandardIndexBaseShifted", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U64At(IxHeader(l, 1) + kBaseOffset, 8)}; })},
    {"StandardIndexOfAnotherStream", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) { return std::vector{U32At(IxHeader(l, 0) + kChunkId, Fcc("01dc"))}; })},
    {"StandardIndexFrameBeyondFile", OpenDmlWithIdx1, IndexSource::Idx1, false, kFirstPart,
     Aim([](const AviLayout& l) {
         return std::vector{U32At(IxHeader(l, 2) + kIndexHeader + 4, 0x7FFFFFF0)};
     })},
    {"Idx1EntryOutsideFile", [] { return Base(AviIndexKind::Idx1Relative); }, IndexSource::Scan, true, SIZE_MAX,
     Aim([](const AviLayout& l) { return std::vector{U32At(Idx1Entry(l, 5) + kIdx1Offset, 0xFFFFFF00)}; })},
    {"Idx1FrameSizeBeyondFile", [] { return Base(AviIndexKind::Idx1Absolute); }, IndexSource::Scan, true,
     SIZE_MAX, Aim([](const AviLayout& l) { return std::vector{U32At(Idx1Entry(l, 3) + kIdx1Size, 0xFFFFFFF0)}; })},
    {"Idx1OffsetsMatchingNeitherBase", [] { return Base(AviIndexKind::Idx1Relative); }, IndexSource::Scan, true,
     SIZE_MAX, Aim([](const AviLayout& l) { return std::vector{U32At(Idx1Entry(l, 0) + kIdx1Offset, 2)}; })},
    {"Idx1SizeBeyondFile", [] { return Base(AviIndexKind::Idx1Relative); }, IndexSource::Scan, true, SIZE_MAX,
     Aim([](const AviLayout& l) { return std::vector{U32At(l.idx1 + 4, 0xFFFFFFF0)}; })},
};

void PrintTo(const HandMadeCase& c, std::ostream* os)
{
    *os << c.name;
}

class HandMadeAvi : public testing::TestWithParam<HandMadeCase> {};

TEST_P(HandMadeAvi, ReadsFramesAsWritten)
{
    const HandMadeCase& c = GetParam();
    AviRecipe recipe = c.make();
    if (c.aim) {
        AviLayout layout;
        BuildAvi(recipe, &layout);
        recipe.damage = c.aim(layout);
    }
    std::filesystem::path path = TestTempPath(c.name);
    WriteAviFile(recipe, path);

    ReadBack r = ReadVideoStream(path);
    ASSERT_EQ(r.openResult, kAviOk);
    ASSERT_EQ(r.streamResult, kAviOk);
    std::vector<FrameRecipe> expected = c.allKey ? AllKey(recipe.frames) : recipe.frames;
    expected.resize(std::min(c.keep, expected.size()));
    EXPECT_EQ(r.source, c.source);
    EXPECT_EQ(r.length, static_cast<long>(expected.size()));
    EXPECT_EQ(r.frames, expected);
    EXPECT_EQ(r.info.dwLength, recipe.frames.size()) << "dwLength is reported as the header says";
}

INSTANTIATE_TEST_SUITE_P(Layouts, HandMadeAvi, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HandMadeCase>& i) { return std::string(i.param.name); });
INSTANTIATE_TEST_SUITE_P(DamagedIndexes, HandMadeAvi, testing::ValuesIn(kDamaged),
                         [](const testing::TestParamInfo<HandMadeCase>& i) { return std::string(i.param.name); });

} // namespace
