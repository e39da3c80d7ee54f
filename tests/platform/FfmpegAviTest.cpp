// Real files written by ffmpeg, read through the service and compared with
// ffprobe's reading of the same packets.
#include "tests/platform/AviReadBack.h"
#include "tests/support/FfmpegFixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FfmpegCase {
    const char* name;
    const char* args;
    long videoIndex = 0;
    int width = 320;
    int height = 240;
    uint32_t rate = 25;
    uint32_t scale = 1;
    bool hasZeroLengthFrames = false;
};

const char kDroppedFrames[] =
    // Every third frame dropped while timestamps pass through: the AVI muxer
    // fills each gap with a zero-length 00dc chunk.
    "-f lavfi -i testsrc=d=2:r=10 -vf 'select=not(eq(mod(n\\,3)\\,1))' -fps_mode passthrough -c:v mjpeg";

const FfmpegCase kCases[] = {
    {"Mpeg4WithBFrames", "-f lavfi -i testsrc=d=2:r=25 -c:v mpeg4 -bf 2 -g 12"},
    {"Mjpeg", "-f lavfi -i testsrc=d=1:r=25 -c:v mjpeg"},
    {"RawVideo", "-f lavfi -i testsrc=d=0.4:r=25:s=64x48 -c:v rawvideo -pix_fmt bgr24", 0, 64, 48},
    {"H264WithBFrames", "-f lavfi -i testsrc=d=2:r=25 -c:v libx264 -preset ultrafast -g 10 -bf 2"},
    {"RateNtsc", "-f lavfi -i testsrc=d=1:r=30000/1001 -c:v mpeg4", 0, 320, 240, 30000, 1001},
    {"RateOnePerSecond", "-f lavfi -i testsrc=d=4:r=1 -c:v mpeg4 -g 2", 0, 320, 240, 1, 1},
    {"AudioStreamBeforeVideo",
     "-f lavfi -i sine=d=1 -f lavfi -i testsrc=d=1:r=25 -map 0:a -map 1:v -c:v mpeg4 -g 6 -c:a pcm_s16le"},
    {"FirstOfTwoVideoStreams",
     "-f lavfi -i testsrc=d=1:r=25 -f lavfi -i testsrc2=d=1:r=10:s=160x120 -map 0:v -map 1:v -c:v mpeg4 -g 5"},
    {"SecondOfTwoVideoStreams",
     "-f lavfi -i testsrc=d=1:r=25 -f lavfi -i testsrc2=d=1:r=10:s=160x120 -map 0:v -map 1:v -c:v mpeg4 -g 5", 1,
     160, 120, 10, 1},
    {"DroppedFramesAsZeroLengthChunks", kDroppedFrames, 0, 320, 240, 10, 1, true},
};

void PrintTo(const FfmpegCase& c, std::ostream* os)
{
    *os << c.name;
}

// ffprobe leaves zero-length packets out; every other frame must match it.
std::vector<FrameRecipe> NonEmpty(const std::vector<FrameRecipe>& frames)
{
    std::vector<FrameRecipe> out;
    for (const FrameRecipe& f : frames)
        if (f.size > 0)
            out.push_back(f);
    return out;
}

std::vector<FrameRecipe> AsFrames(const std::vector<ProbedPacket>& packets)
{
    std::vector<FrameRecipe> out;
    for (const ProbedPacket& p : packets)
        out.push_back({p.size, p.key});
    return out;
}

class FfmpegAvi : public testing::TestWithParam<FfmpegCase> {
protected:
    void SetUp() override
    {
        if (!FfmpegAvailable())
            GTEST_SKIP() << "ffmpeg and ffprobe are needed (scripts/deps.sh installs them)";
    }
};

TEST_P(FfmpegAvi, FramesMatchFfprobePackets)
{
    const FfmpegCase& c = GetParam();
    std::string name = c.args; // files of the same arguments are shared by name
    std::filesystem::path file = MakeFfmpegAvi(std::to_string(std::hash<std::string>{}(name)), c.args);

    ReadBack r = ReadVideoStream(file, c.videoIndex);
    ASSERT_EQ(r.openResult, kAviOk);
    ASSERT_EQ(r.streamResult, kAviOk);
    EXPECT_EQ(r.source, IndexSource::Idx1);
    EXPECT_EQ(r.length, static_cast<long>(r.info.dwLength));
    EXPECT_EQ(NonEmpty(r.frames), AsFrames(ProbeVideoPackets(file, static_cast<int>(c.videoIndex))));
    EXPECT_EQ(r.frames.size() != NonEmpty(r.frames).size(), c.hasZeroLengthFrames);
    ASSERT_FALSE(r.frames.empty());
    EXPECT_TRUE(r.frames.front().key);

    EXPECT_EQ(r.info.fccType, kStreamTypeVideo);
    EXPECT_EQ(r.info.rcFrame.right - r.info.rcFrame.left, c.width);
    EXPECT_EQ(r.info.rcFrame.bottom - r.info.rcFrame.top, c.height);
    EXPECT_EQ(r.info.dwRate, c.rate);
    EXPECT_EQ(r.info.dwScale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(Codecs, FfmpegAvi, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FfmpegCase>& i) { return std::string(i.param.name); });

class FfmpegAviFile : public testing::Test {
protected:
    void SetUp() override
    {
        if (!FfmpegAvailable())
            GTEST_SKIP() << "ffmpeg and ffprobe are needed (scripts/deps.sh installs them)";
    }
};

TEST_F(FfmpegAviFile, AudioOnlyOpensButHasNoVideoStream)
{
    std::filesystem::path file = MakeFfmpegAvi("audio-only", "-f lavfi -i sine=d=1 -c:a pcm_s16le");
    IAviFileService& service = DefaultAviFileService();
    PAVIFILE f = nullptr;
    ASSERT_EQ(service.FileOpen(&f, file.c_str()), kAviOk);
    PAVISTREAM s = reinterpret_cast<PAVISTREAM>(1);
    EXPECT_EQ(service.FileGetStream(f, &s, kStreamTypeVideo, 0), kAviErrNoStream);
    EXPECT_EQ(s, nullptr);
    ASSERT_EQ(service.FileGetStream(f, &s, kStreamTypeAudio, 0), kAviOk);
    AviStreamInfo info{};
    EXPECT_EQ(service.StreamInfo(s, &info, sizeof info), kAviOk);
    EXPECT_EQ(info.fccType, kStreamTypeAudio);
    service.StreamRelease(s);
    service.FileRelease(f);
}

TEST_F(FfmpegAviFile, WrittenToAPipeHasNoIdx1AndIsScanned)
{
    std::filesystem::path file =
        MakeFfmpegAviThroughPipe("piped", "-f lavfi -i testsrc=d=1:r=25 -c:v mpeg4 -g 10");
    ReadBack r = ReadVideoStream(file);
    ASSERT_EQ(r.openResult, kAviOk);
    EXPECT_EQ(r.source, IndexSource::Scan);
    EXPECT_EQ(r.frames, AllKey(AsFrames(ProbeVideoPackets(file))));
}

TEST_F(FfmpegAviFile, CutShortKeepsTheCompleteFramesBeforeTheCut)
{
    std::filesystem::path whole = MakeFfmpegAvi("to-cut", "-f lavfi -i testsrc=d=2:r=25 -c:v mpeg4 -g 10");
    std::vector<FrameRecipe> all = AsFrames(ProbeVideoPackets(whole));
    std::filesystem::path cut = TruncatedCopy(whole, "cut", std::filesystem::file_size(whole) * 6 / 10);

    ReadBack r = ReadVideoStream(cut);
    ASSERT_EQ(r.openResult, kAviOk);
    EXPECT_EQ(r.source, IndexSource::Scan);
    ASSERT_GT(r.frames.size(), 0u);
    ASSERT_LT(r.frames.size(), all.size());
    all.resize(r.frames.size());
    EXPECT_EQ(r.frames, AllKey(all));
    EXPECT_EQ(r.info.dwLength, 50u) << "the header still says what was meant";
}

} // namespace
