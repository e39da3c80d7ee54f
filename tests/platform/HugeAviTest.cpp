// Files far larger than their index: OpenDML files of several RIFF parts past
// 4 GiB with over a million frames, and a header chunk of gigabytes. The frame
// data are holes, so the files cost only their headers and indexes on disk.
// Opening must read little more than the index and hold at most eight bytes a
// frame.
#include "tests/platform/AviReadBack.h"
#include "tests/support/RiffBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <malloc.h>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define QUORVEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_ASAN 1
#endif
#endif
#ifdef QUORVEL_ASAN
// From the sanitizer runtime; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr uint64_t kFourGiB = 0x100000000ull;
constexpr uint64_t kMiB = 1 << 20;
constexpr uint64_t kMaxHeldBytesPerFrame = 8;
constexpr uint64_t kChunkHeaderBytes = 8;

// Bytes of heap in use, the large blocks that malloc maps on their own included.
uint64_t HeapInUse()
{
#ifdef QUORVEL_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Bytes this process has read through read-like calls, pread included.
uint64_t BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    ADD_FAILURE() << "no rchar in /proc/self/io";
    return 0;
}

// The whole size of the chunk at `header` (header and data), as the file says.
uint64_t ChunkBytes(const std::filesystem::path& path, uint64_t header)
{
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(header + 4));
    std::array<uint8_t, 4> size{};
    in.read(reinterpret_cast<char*>(size.data()), size.size());
    return kChunkHeaderBytes + (size[0] | size[1] << 8 | size[2] << 16 | uint64_t{size[3]} << 24);
}

struct OpenCost {
    uint64_t bytesRead = 0;
    uint64_t heapHeld = 0;
    long frames = 0;
};

// Opens `path` with the service and measures what the open read and what the
// open file holds, then releases it.
OpenCost MeasureOpen(const std::filesystem::path& path)
{
    IAviFileService& service = DefaultAviFileService();
    OpenCost cost;
    const uint64_t heapBefore = HeapInUse();
    const uint64_t readBefore = BytesReadSoFar();
    PAVIFILE file = nullptr;
    EXPECT_EQ(service.FileOpen(&file, path.c_str()), kAviOk);
    cost.bytesRead = BytesReadSoFar() - readBefore;
    const uint64_t heapAfter = HeapInUse();
    cost.heapHeld = heapAfter > heapBefore ? heapAfter - heapBefore : 0;
    PAVISTREAM stream = nullptr;
    if (file != nullptr && service.FileGetStream(file, &stream, kStreamTypeVideo, 0) == kAviOk) {
        cost.frames = service.StreamLength(stream);
        service.StreamRelease(stream);
    }
    service.FileRelease(file);
    return cost;
}

// Mostly small frames of varied sizes, each part opened by one of nearly
// 2 GiB, so that the parts after the second start beyond 4 GiB while the file
// stays sparse.
std::vector<FrameRecipe> HugeFrames(uint32_t count, uint32_t perPart)
{
    constexpr uint32_t kBigFrame = 0x7FFFFF01; // near the largest size an ix## entry holds; odd
    constexpr uint32_t kKeyInterval = 25;
    constexpr uint32_t kSmallSizes = 61; // sizes 0..60 bytes, odd and even
    constexpr uint32_t kSizeStride = 7;
    std::vector<FrameRecipe> frames(count);
    for (uint32_t i = 0; i < count; ++i)
        frames[i] = {i * kSizeStride % kSmallSizes, i % kKeyInterval == 0};
    for (uint32_t i = perPart; i < count; i += perPart)
        frames[i] = {kBigFrame - i, true};
    return frames;
}

class HugeAvi : public testing::Test {
protected:
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

    // False (the test then skips) where no sparse file can be written.
    bool Write(const AviRecipe& recipe)
    {
        try {
            m_layout = WriteAviFile(recipe, m_path);
        } catch (const std::exception& e) {
            m_skipReason = e.what();
            return false;
        }
        return true;
    }

    uint64_t IndexBytes() const
    {
        uint64_t total = ChunkBytes(m_path, m_layout.videoIndx);
        for (uint64_t ix : m_layout.videoIx)
            total += ChunkBytes(m_path, ix);
        if (m_layout.idx1 != 0)
            total += ChunkBytes(m_path, m_layout.idx1);
        return total;
    }

    std::filesystem::path m_path = TestTempPath("huge.avi");
    AviLayout m_layout;
    std::string m_skipReason;
};

TEST_F(HugeAvi, MillionsOfFramesInAvixPartsBeyondFourGiB)
{
    constexpr uint32_t kFrames = 1'200'000;
    constexpr uint32_t kPerPart = 300'000;
    AviRecipe recipe;
    recipe.frames = HugeFrames(kFrames, kPerPart);
    recipe.index = AviIndexKind::OpenDml;
    recipe.framesPerPart = kPerPart;
    recipe.odmlAlsoIdx1 = true; // as ffmpeg writes them: both indexes to choose from
    recipe.holes = true;
    if (!Write(recipe))
        GTEST_SKIP() << "cannot write a sparse file here: " << m_skipReason;
    ASSERT_EQ(m_layout.riffParts.size(), kFrames / kPerPart);
    ASSERT_GT(m_layout.fileSize, kFourGiB + kFourGiB / 2);
    ASSERT_GT(m_layout.frameChunks.back(), kFourGiB) << "the last part's entries lie beyond 4 GiB";

    const OpenCost cost = MeasureOpen(m_path);
    RecordProperty("bytesRead", std::to_string(cost.bytesRead));
    RecordProperty("indexBytes", std::to_string(IndexBytes()));
    RecordProperty("heapHeld", std::to_string(cost.heapHeld));
    EXPECT_EQ(cost.frames, kFrames);
    EXPECT_LE(cost.heapHeld, kMaxHeldBytesPerFrame * kFrames);
    EXPECT_GE(cost.heapHeld, sizeof(uint32_t) * kFrames) << "the measure must see the frame sizes held";
    EXPECT_LE(cost.bytesRead, 2 * IndexBytes() + kMiB);

    const ReadBack r = ReadVideoStream(m_path);
    EXPECT_EQ(r.source, IndexSource::OpenDml);
    ASSERT_EQ(r.frames.size(), recipe.frames.size());
    EXPECT_TRUE(r.frames == recipe.frames);
}

TEST_F(HugeAvi, HeaderChunkOfGigabytesIsNotRead)
{
    constexpr uint32_t kJunkBytes = 0xC0000000; // 3 GiB of nothing inside the strl
    constexpr uint32_t kFrames = 5;
    AviRecipe recipe;
    recipe.frames = MakeFrames(kFrames, 2);
    recipe.holes = true;
    // The builder's file, with a huge JUNK chunk between the strl's headers.
    try {
        FileSink sink(m_path);
        RiffWriter w(sink);
        w.BeginRiff("AVI ");
        w.BeginList("hdrl");
        w.Chunk("avih", LeBytes().Zeros(56));
        w.BeginList("strl");
        w.Chunk("strh", LeBytes().FourCC("vids").FourCC("MJPG").Zeros(12).U32(1).U32(25).U32(0).U32(kFrames)
                            .Zeros(12).I16(0).I16(0).I16(64).I16(48));
        w.HoleChunk("JUNK", kJunkBytes);
        w.Chunk("strf", LeBytes().U32(40).I32(64).I32(48).U16(1).U16(24).FourCC("MJPG").Zeros(20));
        w.EndList();
        w.EndList();
        const uint64_t movi = w.BeginList("movi");
        LeBytes idx1;
        for (const FrameRecipe& f : recipe.frames) {
            const uint64_t at = w.HoleChunk("00dc", f.size);
            idx1.FourCC("00dc").U32(f.key ? 0x10 : 0).U32(static_cast<uint32_t>(at - (movi + 8))).U32(f.size);
        }
        w.EndList();
        w.Chunk("idx1", idx1);
        w.EndList();
        sink.Close();
    } catch (const std::exception& e) {
        GTEST_SKIP() << "cannot write a sparse file here: " << e.what();
    }

    const OpenCost cost = MeasureOpen(m_path);
    EXPECT_EQ(cost.frames, kFrames);
    EXPECT_LE(cost.bytesRead, kMiB);
    const ReadBack r = ReadVideoStream(m_path);
    EXPECT_EQ(r.frames, recipe.frames);
    EXPECT_EQ(r.info.rcFrame.right, 64);
    EXPECT_EQ(r.info.rcFrame.bottom, 48);
}

} // namespace
