// The service's answers beyond frame sizes: stream information, key-frame
// search, positions, handles.
#include "tests/platform/AviReadBack.h"
#include "tests/support/RiffBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

namespace {

std::filesystem::path Write(const std::string& name, const AviRecipe& recipe)
{
    std::filesystem::path path = TestTempPath(name + ".avi");
    WriteAviFile(recipe, path);
    return path;
}

AviRecipe Twelve()
{
    AviRecipe s;
    s.frames = MakeFrames(12, 4);
    return s;
}

struct RectCase {
    const char* name;
    std::function<void(AviRecipe&)> change;
    AviRect expected;
};

const RectCase kRects[] = {
    {"FromStrh", [](AviRecipe&) {}, {0, 0, 320, 240}},
    {"EmptyFilledFromStrf", [](AviRecipe& s) { s.emptyRcFrame = true; }, {0, 0, 320, 240}},
    {"ShortStrhFilledFromStrf", [](AviRecipe& s) { s.shortStrh = true; }, {0, 0, 320, 240}},
    {"TopDownBitmapHeight",
     [](AviRecipe& s) {
         s.emptyRcFrame = true;
         s.height = -180;
     },
     {0, 0, 320, 180}},
    {"MostNegativeHeightLeftEmpty",
     [](AviRecipe& s) {
         s.emptyRcFrame = true;
         s.height = INT32_MIN;
     },
     {0, 0, 0, 0}},
    {"ZeroWidthLeftEmpty",
     [](AviRecipe& s) {
         s.emptyRcFrame = true;
         s.width = 0;
     },
     {0, 0, 0, 0}},
};

void PrintTo(const RectCase& c, std::ostream* os)
{
    *os << c.name;
}

class FrameRect : public testing::TestWithParam<RectCase> {};

TEST_P(FrameRect, ComesFromStrhOrElseTheBitmap)
{
    AviRecipe recipe = Twelve();
    GetParam().change(recipe);
    ReadBack r = ReadVideoStream(Write(std::string("rect-") + GetParam().name, recipe));
    ASSERT_EQ(r.streamResult, kAviOk);
    const AviRect& e = GetParam().expected;
    EXPECT_EQ(r.info.rcFrame.left, e.left);
    EXPECT_EQ(r.info.rcFrame.top, e.top);
    EXPECT_EQ(r.info.rcFrame.right, e.right);
    EXPECT_EQ(r.info.rcFrame.bottom, e.bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameRect, testing::ValuesIn(kRects),
                         [](const testing::TestParamInfo<RectCase>& i) { return std::string(i.param.name); });

TEST(StreamInfo, ReportsTheHeaderAsWritten)
{
    AviRecipe recipe = Twelve();
    recipe.rate = 30000;
    recipe.scale = 1001;
    recipe.start = 7;
    recipe.strhLength = 999;
    recipe.streamName = "camera one";
    ReadBack r = ReadVideoStream(Write("info", recipe));
    ASSERT_EQ(r.streamResult, kAviOk);
    EXPECT_EQ(r.info.fccType, kStreamTypeVideo);
    EXPECT_EQ(r.info.fccHandler, Fcc("MJPG"));
    EXPECT_EQ(r.info.dwRate, 30000u);
    EXPECT_EQ(r.info.dwScale, 1001u);
    EXPECT_EQ(r.info.dwStart, 7u);
    EXPECT_EQ(r.info.dwLength, 999u) << "the header's length, not the index's";
    EXPECT_EQ(r.info.dwQuality, 0xFFFFFFFFu);
    EXPECT_STREQ(r.info.szName, "camera one");
    EXPECT_EQ(r.length, 12) << "the index's count; dwStart is not added";
}

TEST(StreamInfo, CopiesNoMoreThanAsked)
{
    IAviFileService& service = DefaultAviFileService();
    PAVIFILE f = nullptr;
    ASSERT_EQ(service.FileOpen(&f, Write("info-size", Twelve()).c_str()), kAviOk);
    PAVISTREAM s = nullptr;
    ASSERT_EQ(service.FileGetStream(f, &s, kStreamTypeVideo, 0), kAviOk);
    AviStreamInfo info;
    std::memset(&info, 0xAB, sizeof info);
    EXPECT_EQ(service.StreamInfo(s, &info, 8), kAviOk);
    EXPECT_EQ(info.fccType, kStreamTypeVideo);
    EXPECT_EQ(info.dwFlags, 0xABABABABu);
    EXPECT_EQ(service.StreamInfo(s, &info, 100000), kAviOk);
    EXPECT_EQ(info.dwEditCount, 0u);
    service.StreamRelease(s);
    service.FileRelease(f);
}

class OpenedTwelve : public testing::Test {
protected:
    void SetUp() override
    {
        AviRecipe recipe = Twelve(); // keys at 0, 4, 8
        recipe.frames[0].key = false; // ... and not at 0: frames before the first key find none
        ASSERT_EQ(m_service.FileOpen(&m_file, Write("twelve", recipe).c_str()), kAviOk);
        ASSERT_EQ(m_service.FileGetStream(m_file, &m_stream, kStreamTypeVideo, 0), kAviOk);
    }
    void TearDown() override
    {
        m_service.StreamRelease(m_stream);
        m_service.FileRelease(m_file);
    }

    IAviFileService& m_service = DefaultAviFileService();
    PAVIFILE m_file = nullptr;
    PAVISTREAM m_stream = nullptr;
};

TEST_F(OpenedTwelve, FindsTheNearestKeyFrameAtOrBefore)
{
    const long expected[] = {-1, -1, -1, -1, 4, 4, 4, 4, 8, 8, 8, 8};
    for (long p = 0; p < 12; ++p)
        EXPECT_EQ(m_service.StreamFindSample(m_stream, p, kFindKey | kFindPrev), expected[p]) << p;
    EXPECT_EQ(m_service.StreamFindSample(m_stream, -1, kFindKey | kFindPrev), -1);
    EXPECT_EQ(m_service.StreamFindSample(m_stream, 1000, kFindKey | kFindPrev), 8);
    EXPECT_EQ(m_service.StreamFindSample(m_stream, 5, kFindKey), -1) << "only key|prev is supported";
}

TEST_F(OpenedTwelve, PositionsOutsideTheStreamAreRefused)
{
    long bytes = 0;
    EXPECT_EQ(m_service.StreamSampleSize(m_stream, 11, &bytes), kAviOk);
    EXPECT_EQ(bytes, 1000 + 11 * 7);
    EXPECT_EQ(m_service.StreamSampleSize(m_stream, 12, &bytes), kAviErrBadPosition);
    EXPECT_EQ(m_service.StreamSampleSize(m_stream, -1, &bytes), kAviErrBadPosition);
    EXPECT_EQ(m_service.StreamSampleSize(m_stream, LONG_MAX, &bytes), kAviErrBadPosition);
}

TEST_F(OpenedTwelve, StreamIndexCountsStreamsOfTheAskedType)
{
    PAVISTREAM other = nullptr;
    EXPECT_EQ(m_service.FileGetStream(m_file, &other, kStreamTypeVideo, 1), kAviErrNoStream);
    EXPECT_EQ(m_service.FileGetStream(m_file, &other, kStreamTypeVideo, -1), kAviErrNoStream);
    EXPECT_EQ(m_service.FileGetStream(m_file, &other, kStreamTypeAudio, 0), kAviErrNoStream);
    EXPECT_EQ(m_service.FileGetStream(m_file, nullptr, kStreamTypeVideo, 0), kAviErrBadHandle);
}

TEST(Handles, StreamOutlivesItsFile)
{
    IAviFileService& service = DefaultAviFileService();
    PAVIFILE f = nullptr;
    ASSERT_EQ(service.FileOpen(&f, Write("outlive", Twelve()).c_str()), kAviOk);
    PAVISTREAM a = nullptr, b = nullptr;
    ASSERT_EQ(service.FileGetStream(f, &a, kStreamTypeVideo, 0), kAviOk);
    ASSERT_EQ(service.FileGetStream(f, &b, kStreamTypeVideo, 0), kAviOk);
    EXPECT_NE(a, b) << "each handle is its own object";
    service.FileRelease(f);
    EXPECT_EQ(service.StreamLength(a), 12);
    service.StreamRelease(a);
    long bytes = 0;
    EXPECT_EQ(service.StreamSampleSize(b, 0, &bytes), kAviOk);
    service.StreamRelease(b);
}

TEST(Handles, ReleasedAndNullHandlesAreRefused)
{
    IAviFileService& service = DefaultAviFileService();
    PAVIFILE f = nullptr;
    ASSERT_EQ(service.FileOpen(&f, Write("released", Twelve()).c_str()), kAviOk);
    PAVISTREAM s = nullptr;
    ASSERT_EQ(service.FileGetStream(f, &s, kStreamTypeVideo, 0), kAviOk);
    service.StreamRelease(s);
    service.FileRelease(f);
    EXPECT_EQ(service.StreamRelease(s), 0u);
    EXPECT_EQ(service.FileRelease(f), 0u);
    EXPECT_EQ(service.StreamLength(s), 0);
    long bytes = 0;
    EXPECT_EQ(service.StreamSampleSize(s, 0, &bytes), kAviErrBadHandle);
    EXPECT_EQ(service.StreamFindSample(nullptr, 0, kFindKey | kFindPrev), -1);
    AviStreamInfo info{};
    EXPECT_EQ(service.StreamInfo(nullptr, &info, sizeof info), kAviErrBadHandle);
    PAVISTREAM t = nullptr;
    EXPECT_EQ(service.FileGetStream(f, &t, kStreamTypeVideo, 0), kAviErrBadHandle);
}

// Offsets past 4 GiB: three parts of about 2 GiB of frame data each, written
// as holes, so the file is large but costs next to no disk.
TEST(LargeFile, OpenDmlPartsBeyondFourGiB)
{
    AviRecipe recipe;
    constexpr uint32_t kHuge = 0x3FFFFFF1; // about 1 GiB, odd
    for (int i = 0; i < 6; ++i)
        recipe.frames.push_back({kHuge - static_cast<uint32_t>(i), i % 3 == 0});
    recipe.index = AviIndexKind::OpenDml;
    recipe.framesPerPart = 2;
    recipe.holes = true;
    std::filesystem::path path = TestTempPath("large.avi");
    AviLayout layout;
    try {
        layout = WriteAviFile(recipe, path);
    } catch (const std::exception& e) {
        GTEST_SKIP() << "cannot write a sparse file here: " << e.what();
    }
    ASSERT_GT(layout.fileSize, 0x100000000ull);
    ReadBack r = ReadVideoStream(path);
    std::filesystem::remove(path);
    ASSERT_EQ(r.streamResult, kAviOk);
    EXPECT_EQ(r.source, IndexSource::OpenDml);
    EXPECT_EQ(r.frames, recipe.frames);
}

} // namespace
