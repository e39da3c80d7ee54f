#include "report/ReportSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportSettingsTest, UnitDivisorByListIndex)
{
    EXPECT_EQ(UnitDivisorFor(kSizeUnitByte), 1u);
    EXPECT_EQ(UnitDivisorFor(kSizeUnitKilo), 1000u);
    EXPECT_EQ(UnitDivisorFor(kSizeUnitMega), 1000000u);
    EXPECT_EQ(UnitDivisorFor(-1), 1u) << "no selection counts as bytes";
    EXPECT_EQ(UnitDivisorFor(3), 1u);
}

TEST(ReportSettingsTest, GroupSizeNeedsEveryNFramesAndAPositiveCount)
{
    EXPECT_EQ(GroupFrameCountFor(true, 25), 25);
    EXPECT_EQ(GroupFrameCountFor(true, 1), 1);
    EXPECT_EQ(GroupFrameCountFor(false, 25), std::nullopt);
    EXPECT_EQ(GroupFrameCountFor(true, 0), std::nullopt);
    EXPECT_EQ(GroupFrameCountFor(true, -3), std::nullopt);
}

TEST(ReportSettingsTest, AverageOnlyWithEveryNFramesAndTheAverageEntry)
{
    EXPECT_TRUE(AverageModeFor(true, kSizeModeAverage));
    EXPECT_FALSE(AverageModeFor(true, kSizeModeTotal));
    EXPECT_FALSE(AverageModeFor(true, -1));
    EXPECT_FALSE(AverageModeFor(false, kSizeModeAverage));
}

struct IntCase {
    const char* text;
    int32_t value;
};

class ReadDialogIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadDialogIntTest, ReadsASignedDecimalOrGivesZero)
{
    EXPECT_EQ(ReadDialogInt(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadDialogIntTest,
                         ::testing::Values(IntCase{"25", 25}, IntCase{"", 0}, IntCase{"0", 0}, IntCase{"-5", -5},
                                           IntCase{"+7", 7}, IntCase{"  12", 12}, IntCase{"12x", 0},
                                           IntCase{"abc", 0}, IntCase{"-", 0}, IntCase{"2147483647", 2147483647},
                                           IntCase{"2147483648", 0}, IntCase{"-2147483648", INT32_MIN},
                                           IntCase{"-2147483649", 0}, IntCase{"99999999999999999999", 0},
                                           IntCase{"007", 7}));

} // namespace
