#include "report/ReportLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

std::string Line(double fps, ReportSettings settings, uint32_t first, uint32_t last, uint64_t bytes)
{
    ReportLineFormatter formatter(FrameDuration(fps), settings);
    return std::string(formatter.Format(first, last, bytes));
}

// Fields of a line, split at tabs, without the line end.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start, line.size() - start - 1));
    return fields;
}

TEST(FrameDurationTest, IsAFloatNearTheExactDuration)
{
    EXPECT_EQ(FrameDuration(25.0), static_cast<float>(0.04));
    EXPECT_LT(static_cast<double>(FrameDuration(25.0)), 0.04) << "a little below at 25 fps";
    EXPECT_GT(static_cast<double>(FrameDuration(10.0)), 0.1) << "a little above at 10 fps";
    EXPECT_EQ(FrameDuration(0.0), 0.0f);
}

TEST(ReportLineTest, ThirtyFramesPerSecondFirstFrame)
{
    EXPECT_EQ(Line(30.0, {}, 0, 0, 1000), "0\t0\t00:00:00.00\t00:00:00.03\t       240.000\t1000\n");
}

TEST(ReportLineTest, TimesAreTruncatedFromTheFloatDuration)
{
    // 3 × 0.04f lies just below 0.12.
    EXPECT_EQ(Fields(Line(25.0, {}, 3, 3, 0))[2], "00:00:00.11");
    EXPECT_EQ(Fields(Line(25.0, {}, 2500000, 2500000, 0))[2], "27:46:39.99");
    EXPECT_EQ(Fields(Line(1.0, {}, 359999, 359999, 0))[3], "100:00:00.00") << "hours are not reduced";
}

TEST(ReportLineTest, EndOfOneLineIsStartOfTheNext)
{
    for (double fps : {25.0, 30000.0 / 1001.0, 23.976, 1.0, 59.94}) {
        for (uint32_t first = 0; first < 100000; first += 7) {
            const auto line = Fields(Line(fps, {}, first, first + 6, 1));
            const auto next = Fields(Line(fps, {}, first + 7, first + 13, 1));
            ASSERT_EQ(line[3], next[2]) << "fps " << fps << " frame " << first;
        }
    }
}

struct SizeCase {
    const char* name;
    ReportSettings settings;
    uint32_t first;
    uint32_t last;
    uint64_t bytes;
    const char* size;
};

class SizeColumnTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeColumnTest, DividesAndTruncates)
{
    const SizeCase& c = GetParam();
    EXPECT_EQ(Fields(Line(25.0, c.settings, c.first, c.last, c.bytes))[5], c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeColumnTest,
    ::testing::Values(SizeCase{"KilobytesAreDecimal", {1000, 1, false}, 0, 0, 999, "0"},
                      SizeCase{"Megabytes", {1000000, 1, false}, 0, 0, 2999999, "2"},
                      SizeCase{"AverageTruncatedTwice", {1000, 3, true}, 0, 2, 7500, "2"},
                      SizeCase{"AverageBytes", {1, 3, true}, 0, 2, 7501, "2500"},
                      SizeCase{"ShortLastGroupAveragedOverItsFrames", {1, 3, true}, 9, 9, 700, "700"},
                      SizeCase{"TotalsBeyond32BitsDoNotWrap", {1, 3, false}, 0, 2, 6442450941, "6442450941"},
                      SizeCase{"TotalsBeyond31BitsStayPositive", {1, 2, false}, 0, 1, 2147483648, "2147483648"}),
    [](const auto& test) { return test.param.name; });

TEST(ReportLineTest, BitrateCountsTheFramesOfTheGroup)
{
    // Group 9..9 of one frame: 1000 bytes in one 25th of a second is 200 kbps.
    EXPECT_EQ(Fields(Line(25.0, {1, 3, false}, 9, 9, 1000))[4], "       200.000");
    EXPECT_EQ(Fields(Line(25.0, {1, 3, false}, 0, 2, 3000))[4], "       200.000");
}

TEST(ReportLineTest, NoFrameRateGivesZeroTimesAndADash)
{
    const auto fields = Fields(Line(0.0, {}, 5, 9, 1234));
    EXPECT_EQ(fields[2], "00:00:00.00");
    EXPECT_EQ(fields[3], "00:00:00.00");
    EXPECT_EQ(fields[4], "             -");
    EXPECT_EQ(fields[5], "1234");
}

TEST(ReportLineTest, BitrateMatchesPrintfOnManyValues)
{
    std::mt19937_64 random(42);
    std::uniform_int_distribution<uint64_t> bytes(0, 1ull << 40);
    std::uniform_int_distribution<uint32_t> frames(1, 1000);
    const double rates[] = {25.0, 30000.0 / 1001.0, 1.0, 1e-9, 4294967295.0, 0.5, 120.0, 1000000.0 / 66738.0};
    for (int i = 0; i < 200000; ++i) {
        const double fps = rates[i % std::size(rates)];
        const uint64_t total = i % 3 == 0 ? bytes(random) % 100000 : bytes(random);
        const uint32_t n = frames(random);
        const double kbps = static_cast<double>(total) / (n * static_cast<double>(FrameDuration(fps))) * 0.008;
        char expected[512];
        std::snprintf(expected, sizeof expected, "%14.3f", kbps);
        ASSERT_EQ(Fields(Line(fps, {}, 0, n - 1, total))[4], expected) << total << " bytes, " << n << " frames";
    }
}

TEST(ReportLineTest, BitrateRoundsTiesLikePrintf)
{
    // At 128 seconds a frame these come out as 0.0625, 0.1875 and 0.3125 kbps
    // exactly: ties at the third decimal.
    const double fps = 1.0 / 128.0;
    for (uint64_t total : {1000ull, 3000ull, 5000ull}) {
        const double kbps = static_cast<double>(total) / static_cast<double>(FrameDuration(fps)) * 0.008;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%14.3f", kbps);
        EXPECT_EQ(Fields(Line(fps, {}, 0, 0, total))[4], expected) << kbps;
    }
}

} // namespace
