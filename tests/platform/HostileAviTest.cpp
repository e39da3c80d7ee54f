// Inputs that are not AVI files, or AVI files with lying sizes: each must open
// or fail cleanly, without a crash, a hang or a read out of bounds.
#include "tests/platform/AviReadBack.h"
#include "tests/support/RiffBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Riff(const std::function<void(RiffWriter&)>& body)
{
    MemorySink sink;
    RiffWriter w(sink);
    body(w);
    while (w.OpenLists() > 0)
        w.EndList();
    return sink.Take();
}

Bytes Strh(uint32_t type = Fcc("vids"))
{
    return LeBytes().U32(type).FourCC("MJPG").Zeros(12).U32(1).U32(25).U32(0).U32(3).Zeros(12).Zeros(8).Bytes();
}

Bytes Bitmap()
{
    return LeBytes().U32(40).I32(16).I32(16).U16(1).U16(24).FourCC("MJPG").Zeros(20).Bytes();
}

void Headers(RiffWriter& w)
{
    w.BeginList("hdrl");
    w.Chunk("avih", LeBytes().Zeros(56));
    w.BeginList("strl");
    w.Chunk("strh", Strh());
    w.Chunk("strf", Bitmap());
    w.EndList();
    w.EndList();
}

// An AVI file of frames made with the builder, then patched.
Bytes Patched(AviIndexKind index, const std::function<void(Bytes&, const AviLayout&)>& patch)
{
    AviRecipe recipe;
    recipe.frames = MakeFrames(6, 3);
    recipe.index = index;
    AviLayout layout;
    Bytes bytes = BuildAvi(recipe, &layout);
    patch(bytes, layout);
    return bytes;
}

void PutU32(Bytes& b, uint64_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[static_cast<size_t>(at) + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

struct HostileCase {
    const char* name;
    std::function<Bytes()> make;
    bool opens;
    std::optional<long> length = std::nullopt; // of video stream 0, when one is expected
};

const HostileCase kCases[] = {
    {"EmptyFile", [] { return Bytes{}; }, false},
    {"FourBytes", [] { return LeBytes().FourCC("RIFF").Bytes(); }, false},
    {"NotRiff", [] { return LeBytes().FourCC("RIFX").U32(4).FourCC("AVI ").Bytes(); }, false},
    {"RiffWave", [] { return Riff([](RiffWriter& w) { w.BeginRiff("WAVE"); w.Chunk("fmt ", Bytes(16)); }); }, false},
    {"RiffAviWithoutHdrl",
     [] { return Riff([](RiffWriter& w) { w.BeginRiff("AVI "); w.BeginList("movi"); }); }, false},
    {"HeadersOnlyOpenWithNoFrames",
     [] { return Riff([](RiffWriter& w) { w.BeginRiff("AVI "); Headers(w); }); }, true, 0},
    {"RiffSizeAllOnes",
     [] { return Patched(AviIndexKind::Idx1Relative, [](Bytes& b, const AviLayout&) { PutU32(b, 4, 0xFFFFFFFF); }); },
     true, 6},
    {"RiffSizeZero",
     [] { return Patched(AviIndexKind::Idx1Relative, [](Bytes& b, const AviLayout&) { PutU32(b, 4, 0); }); }, true,
     6},
    {"HdrlSizeAllOnes",
     [] {
         return Riff([](RiffWriter& w) {
             w.BeginRiff("AVI ");
             w.RawHeader("LIST", 0xFFFFFFFF);
             w.Raw(LeBytes().FourCC("hdrl"));
             w.BeginList("strl");
             w.Chunk("strh", Strh());
             w.EndList();
         });
     },
     true, 0},
    {"StrhSizeAllOnes",
     [] {
         return Riff([](RiffWriter& w) {
             w.BeginRiff("AVI ");
             w.BeginList("hdrl");
             w.BeginList("strl");
             w.RawHeader("strh", 0xFFFFFFFF);
             w.Raw(Strh());
         });
     },
     true, 0},
    {"MoviOfSizeZeroIsScannedToTheEnd",
     [] {
         return Patched(AviIndexKind::None, [](Bytes& b, const AviLayout& l) { PutU32(b, l.moviFourcc - 4, 0); });
     },
     true, 6},
    {"FrameChunkSizeAllOnesEndsTheScan",
     [] {
         return Patched(AviIndexKind::None,
                        [](Bytes& b, const AviLayout& l) { PutU32(b, l.frameChunks[4] + 4, 0xFFFFFFFF); });
     },
     true, 4},
    {"Idx1CountBeyondFile",
     [] { return Patched(AviIndexKind::Idx1Relative, [](Bytes& b, const AviLayout& l) { PutU32(b, l.idx1 + 4, 0x7FFFFFF0); }); },
     true, 6},
    {"IndxSizeAllOnes",
     [] {
         AviRecipe recipe;
         recipe.frames = MakeFrames(6, 3);
         recipe.index = AviIndexKind::OpenDml;
         AviLayout l;
         Bytes b = BuildAvi(recipe, &l);
         PutU32(b, l.videoIndx + 4, 0xFFFFFFFF);
         return b;
     },
     true},
    {"RecListsNestedDeep",
     [] {
         return Riff([](RiffWriter& w) {
             w.BeginRiff("AVI ");
             Headers(w);
             w.BeginList("movi");
             for (int i = 0; i < 50; ++i)
                 w.BeginList("rec ");
             w.Chunk("00dc", Bytes(5));
         });
     },
     true, 0},
    {"ThousandsOfEmptyAvixParts",
     [] {
         return Riff([](RiffWriter& w) {
             w.BeginRiff("AVI ");
             Headers(w);
             w.BeginList("movi");
             w.Chunk("00dc", Bytes(3));
             w.EndList();
             w.EndList();
             for (int i = 0; i < 5000; ++i) {
                 w.BeginRiff("AVIX");
                 w.BeginList("movi");
                 w.Chunk("00dc", Bytes(1));
                 w.EndList();
                 w.EndList();
             }
         });
     },
     true, 5001},
};

void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

class HostileAvi : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileAvi, OpensOrFailsCleanly)
{
    const HostileCase& c = GetParam();
    std::filesystem::path path = TestTempPath(std::string(c.name) + ".avi");
    WriteFileBytes(path, c.make());
    ReadBack r = ReadVideoStream(path);
    EXPECT_EQ(r.openResult, c.opens ? kAviOk : kAviErrFileOpen);
    if (c.length) {
        ASSERT_EQ(r.streamResult, kAviOk);
        EXPECT_EQ(r.length, *c.length);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileAvi, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileCase>& i) { return std::string(i.param.name); });

TEST(HostilePaths, MissingFileDirectoryAndNullFailToOpen)
{
    IAviFileService& service = DefaultAviFileService();
    PAVIFILE f = reinterpret_cast<PAVIFILE>(1);
    EXPECT_EQ(service.FileOpen(&f, (TestTempDir() / "missing.avi").c_str()), kAviErrFileOpen);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(service.FileOpen(&f, TestTempDir().c_str()), kAviErrFileOpen);
    EXPECT_EQ(service.FileOpen(&f, nullptr), kAviErrFileOpen);
    EXPECT_EQ(service.FileOpen(nullptr, "x.avi"), kAviErrBadHandle);
}

} // namespace
