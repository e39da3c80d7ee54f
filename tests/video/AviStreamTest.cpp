#include "FakeAviFileService.h"
#include "video/AviStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const Calls kOpenCalls = {"FileOpen a.avi", "FileGetStream file vids 0", "StreamInfo stream 140"};

class AviStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        service.info = FakeAviFileService::InfoWith(25, 1, {0, 0, 320, 240});
        service.frames = {{1000, true}, {200, false}, {0, false}, {900, true}};
    }

    FakeAviFileService service;
};

TEST_F(AviStreamTest, OpenTakesTheFirstVideoStreamAndKeepsItsInformation)
{
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    EXPECT_TRUE(avi.IsOpen());
    EXPECT_EQ(service.calls, kOpenCalls);
    EXPECT_EQ(avi.GetWidth(), 320);
    EXPECT_EQ(avi.GetHeight(), 240);
    EXPECT_DOUBLE_EQ(avi.GetFrameRate(), 25.0);
    EXPECT_EQ(avi.GetLength(), 4);
    EXPECT_EQ(avi.GetLength(), 4);
    // The length is asked anew at every call.
    EXPECT_EQ(std::count(service.calls.begin(), service.calls.end(), "StreamLength stream"), 2);
}

TEST_F(AviStreamTest, FailedFileOpenHoldsNothing)
{
    service.failOpen = true;
    {
        CAviStream avi(service);
        EXPECT_FALSE(avi.Open("a.avi"));
        EXPECT_FALSE(avi.IsOpen());
    }
    EXPECT_EQ(service.calls, Calls{"FileOpen a.avi"});
}

TEST_F(AviStreamTest, FileWithoutVideoIsReleasedAtOnce)
{
    service.hasVideo = false;
    {
        CAviStream avi(service);
        EXPECT_FALSE(avi.Open("a.avi"));
        EXPECT_FALSE(avi.IsOpen());
    }
    // Destroying the closed reader releases nothing more.
    EXPECT_EQ(service.calls, (Calls{"FileOpen a.avi", "FileGetStream file vids 0", "FileRelease file"}));
}

TEST_F(AviStreamTest, SecondOpenReleasesStreamThenFileBeforeOpening)
{
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    service.calls.clear();
    service.info = FakeAviFileService::InfoWith(30000, 1001, {0, 0, 640, 360});
    ASSERT_TRUE(avi.Open("b.avi"));
    EXPECT_EQ(service.calls, (Calls{"StreamRelease stream", "FileRelease file", "FileOpen b.avi",
                                    "FileGetStream file vids 0", "StreamInfo stream 140"}));
    EXPECT_EQ(avi.GetWidth(), 640);
    EXPECT_NEAR(avi.GetFrameRate(), 29.97, 0.001);
}

TEST_F(AviStreamTest, FailedSecondOpenClosesButKeepsTheFirstStreamsInformation)
{
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    service.info = FakeAviFileService::InfoWith(1, 1, {0, 0, 1, 1});
    service.failOpen = true;
    EXPECT_FALSE(avi.Open("b.avi"));
    EXPECT_FALSE(avi.IsOpen());
    EXPECT_EQ(avi.GetWidth(), 320);
    EXPECT_EQ(avi.GetHeight(), 240);
    EXPECT_DOUBLE_EQ(avi.GetFrameRate(), 25.0);
}

TEST_F(AviStreamTest, CloseReleasesStreamBeforeFileOnceOnly)
{
    {
        CAviStream avi(service);
        ASSERT_TRUE(avi.Open("a.avi"));
        service.calls.clear();
        avi.Close();
        avi.Close();
        EXPECT_FALSE(avi.IsOpen());
    }
    EXPECT_EQ(service.calls, (Calls{"StreamRelease stream", "FileRelease file"}));
}

TEST_F(AviStreamTest, DestructorClosesStreamBeforeFile)
{
    {
        CAviStream avi(service);
        ASSERT_TRUE(avi.Open("a.avi"));
        service.calls.clear();
    }
    EXPECT_EQ(service.calls, (Calls{"StreamRelease stream", "FileRelease file"}));
}

TEST_F(AviStreamTest, FrameInfoGivesSizeAndKeyFlagWithTwoCallsPerFrame)
{
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    const std::vector<FRAMEINFO> expected = {{0, 1000, true}, {1, 200, false}, {2, 0, false}, {3, 900, true}};
    for (const FRAMEINFO& want : expected) {
        service.calls.clear();
        FRAMEINFO info{-7, -7, false};
        ASSERT_TRUE(avi.GetFrameInfo(want.lFrame, info));
        EXPECT_EQ(info.lFrame, want.lFrame);
        EXPECT_EQ(info.lBytes, want.lBytes);
        EXPECT_EQ(info.bKeyFrame, want.bKeyFrame);
        const std::string frame = std::to_string(want.lFrame);
        EXPECT_EQ(service.calls, (Calls{"StreamSampleSize " + frame, "StreamFindSample " + frame + " 20"}));
    }
}

TEST_F(AviStreamTest, FrameInfoFailsWithoutTouchingTheRecord)
{
    CAviStream avi(service);
    FRAMEINFO info{5, 6, true};
    EXPECT_FALSE(avi.GetFrameInfo(0, info)) << "closed reader";
    EXPECT_TRUE(service.calls.empty()) << "no service call on a closed reader";

    ASSERT_TRUE(avi.Open("a.avi"));
    service.failSizeAt = 1;
    service.calls.clear();
    EXPECT_FALSE(avi.GetFrameInfo(1, info));
    EXPECT_EQ(service.calls, Calls{"StreamSampleSize 1"});
    EXPECT_EQ(info.lFrame, 5);
    EXPECT_EQ(info.lBytes, 6);
    EXPECT_TRUE(info.bKeyFrame);
}

TEST_F(AviStreamTest, NoKeyFrameAtOrBeforeIsNotAFailure)
{
    service.frames = {{10, false}, {20, false}};
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    FRAMEINFO info{};
    ASSERT_TRUE(avi.GetFrameInfo(1, info));
    EXPECT_FALSE(info.bKeyFrame);
}

struct RateCase {
    const char* name;
    uint32_t rate;
    uint32_t scale;
    double expected;
};

class FrameRateTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(FrameRateTest, DividesRateByScaleInDoublePrecision)
{
    FakeAviFileService service;
    service.info = FakeAviFileService::InfoWith(GetParam().rate, GetParam().scale, {});
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    EXPECT_DOUBLE_EQ(avi.GetFrameRate(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRateTest,
                         ::testing::Values(RateCase{"ZeroScale", 25, 0, 0.0}, RateCase{"Whole", 25, 1, 25.0},
                                           RateCase{"NotIntegerDivision", 15, 2, 7.5},
                                           RateCase{"Ntsc", 30000, 1001, 30000.0 / 1001.0},
                                           RateCase{"HugeScale", 1, 0x80000000u, 1.0 / 2147483648.0},
                                           RateCase{"HugeRate", UINT32_MAX, 1, 4294967295.0}),
                         [](const auto& test) { return test.param.name; });

struct RectCase {
    const char* name;
    AviRect frame;
    int width;
    int height;
};

class PictureSizeTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(PictureSizeTest, ComesFromTheFrameRectangleAlone)
{
    FakeAviFileService service;
    service.info = FakeAviFileService::InfoWith(25, 1, GetParam().frame);
    CAviStream avi(service);
    ASSERT_TRUE(avi.Open("a.avi"));
    EXPECT_EQ(avi.GetWidth(), GetParam().width);
    EXPECT_EQ(avi.GetHeight(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Rects, PictureSizeTest,
                         ::testing::Values(RectCase{"Plain", {0, 0, 320, 240}, 320, 240},
                                           RectCase{"Empty", {0, 0, 0, 0}, 0, 0},
                                           RectCase{"Offset", {10, 20, 330, 260}, 320, 240},
                                           RectCase{"Reversed", {10, 0, 5, 8}, -5, 8},
                                           RectCase{"Extremes", {INT_MIN, 0, INT_MAX, 1}, -1, 1}),
                         [](const auto& test) { return test.param.name; });

} // namespace
