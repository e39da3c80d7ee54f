// Inputs the fuzzer (tests/fuzz) or a review of its reach found to crash, hang
// or blow up the reader, kept as fixtures: each must open with the frames its
// honest parts hold, or fail cleanly.
#include "tests/platform/AviReadBack.h"
#include "tests/support/RiffBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kIndexHeaderBytes = 24;
constexpr uint32_t kSuperEntryBytes = 16;
constexpr uint16_t kLongsPerSuperEntry = 4;
constexpr uint8_t kIndexOfIndexes = 0;
constexpr uint8_t kIndexOfChunks = 1;

Bytes VideoStrh()
{
    return LeBytes().FourCC("vids").FourCC("MJPG").Zeros(12).U32(1).U32(25).U32(0).U32(1).Zeros(12).Zeros(8).Bytes();
}

Bytes Bitmap()
{
    return LeBytes().U32(40).I32(16).I32(16).U16(1).U16(24).FourCC("MJPG").Zeros(20).Bytes();
}

// The 24 bytes after an index chunk's header.
LeBytes IndexHeader(uint16_t longsPerEntry, uint8_t type, uint32_t entries, uint64_t baseOffset)
{
    LeBytes b;
    b.U16(longsPerEntry).U8(0).U8(type).U32(entries).FourCC("00dc").U64(baseOffset).U32(0);
    return b;
}

// One ix00 of `count` wide entries, each also holding, in its spare bytes, the
// header of another ix00 that starts inside it and reads the entries from
// there on. With a super index listing all of them, a file of some hundred KB
// would claim millions of frames, every one the same 4-byte chunk.
Bytes NestedStandardIndexes()
{
    constexpr uint32_t kCount = 3000;
    constexpr uint16_t kLongsPerEntry = 16;
    constexpr uint32_t kStride = kLongsPerEntry * 4;
    constexpr uint32_t kNestedAt = 8;  // inside an entry, after its own offset and size
    constexpr uint32_t kFrameBytes = 4;
    constexpr uint32_t kTailBytes = 64; // room for the last nested index to end inside the file

    MemorySink sink;
    RiffWriter w(sink);
    w.BeginRiff("AVI ");
    w.BeginList("hdrl");
    w.Chunk("avih", LeBytes().Zeros(56));
    w.BeginList("strl");
    w.Chunk("strh", VideoStrh());
    w.Chunk("strf", Bitmap());
    const uint64_t indx = w.ReserveChunk("indx", kIndexHeaderBytes + (kCount + 1) * kSuperEntryBytes);
    w.EndList();
    w.EndList();
    w.BeginList("movi");
    const uint64_t frame = w.Chunk("00dc", Bytes(kFrameBytes));
    const uint64_t frameData = frame + 8;

    const uint64_t outer = w.Position();
    LeBytes ix = IndexHeader(kLongsPerEntry, kIndexOfChunks, kCount, 0);
    for (uint32_t m = 0; m < kCount; ++m) {
        const uint32_t nestedEntries = kCount - m;
        ix.U32(static_cast<uint32_t>(frameData)).U32(kFrameBytes);
        ix.FourCC("ix00").U32(kIndexHeaderBytes + nestedEntries * kStride);
        ix.Append(IndexHeader(kLongsPerEntry, kIndexOfChunks, nestedEntries, 0));
        ix.U32(static_cast<uint32_t>(frameData)).U32(kFrameBytes);
        ix.Zeros(kStride - kNestedAt - 8 - kIndexHeaderBytes - 8);
    }
    w.Chunk("ix00", ix);
    w.Chunk("JUNK", Bytes(kTailBytes));
    w.EndList();
    w.EndList();

    LeBytes super = IndexHeader(kLongsPerSuperEntry, kIndexOfIndexes, kCount + 1, 0);
    super.U64(outer).U32(static_cast<uint32_t>(ix.Size() + 8)).U32(kCount);
    for (uint32_t m = 0; m < kCount; ++m)
        super.U64(outer + 8 + kIndexHeaderBytes + uint64_t{m} * kStride + kNestedAt).U32(0).U32(kCount - m);
    w.Patch(indx + 8, super);
    return sink.Take();
}

struct RegressionCase {
    const char* name;
    std::function<Bytes()> make;
    bool opens;
    long length = 0;
    IndexSource source = IndexSource::None;
};

const RegressionCase kCases[] = {
    // Overlapping index chunks are damage: the file falls back to its movi,
    // which holds one frame.
    {"NestedStandardIndexesAreDamage", NestedStandardIndexes, true, 1, IndexSource::Scan},
};

void PrintTo(const RegressionCase& c, std::ostream* os)
{
    *os << c.name;
}

class FuzzRegression : public testing::TestWithParam<RegressionCase> {};

TEST_P(FuzzRegression, OpensWithHonestFramesOrFails)
{
    const RegressionCase& c = GetParam();
    const std::filesystem::path path = TestTempPath(std::string(c.name) + ".avi");
    WriteFileBytes(path, c.make());
    const ReadBack r = ReadVideoStream(path);
    ASSERT_EQ(r.openResult, c.opens ? kAviOk : kAviErrFileOpen);
    if (!c.opens)
        return;
    ASSERT_EQ(r.streamResult, kAviOk);
    EXPECT_EQ(r.length, c.length);
    EXPECT_EQ(r.source, c.source);
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegression, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RegressionCase>& i) { return std::string(i.param.name); });

} // namespace
