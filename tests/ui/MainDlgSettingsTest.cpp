#include "MainDlgFixture.h"

namespace {

using MainDlgSettingsTest = MainDlgFixture;

TEST_F(MainDlgSettingsTest, FreshDialogReportsEachFrameTotalsInBytes)
{
    EXPECT_EQ(dialog.GetUnitDivisor(), 1u);
    EXPECT_EQ(dialog.GetGroupFrameCount(), 1);
    EXPECT_FALSE(dialog.IsAverageMode());
}

TEST_F(MainDlgSettingsTest, UnitListGivesDecimalDivisors)
{
    const uint32_t expected[] = {1, 1000, 1000000};
    for (int index = 0; index < 3; ++index) {
        dialog.SetCurSel(IDC_SIZE_UNIT, index);
        EXPECT_EQ(dialog.GetUnitDivisor(), expected[index]) << index;
    }
}

struct CountCase {
    const char* name;
    bool everyNFrames;
    const char* countText;
    int32_t groupFrameCount;
    bool everyNFramesStaysChecked;
};

class GroupFrameCountTest : public MainDlgFixture, public testing::WithParamInterface<CountCase> {};

TEST_P(GroupFrameCountTest, ReadsTheCountOrFallsBackToEachFrame)
{
    const CountCase& row = GetParam();
    Open();
    ClickRadio(dialog, row.everyNFrames ? IDC_EVERY_N_FRAMES : IDC_EACH_FRAME);
    dialog.SetDlgItemText(IDC_N_FRAMES, row.countText);

    EXPECT_EQ(dialog.GetGroupFrameCount(), row.groupFrameCount);

    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES), row.everyNFramesStaysChecked);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EACH_FRAME), !row.everyNFramesStaysChecked);
    EXPECT_EQ(Text(IDC_N_FRAMES), row.countText);
    EXPECT_EQ(Enabled(IDC_N_FRAMES), row.everyNFrames);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GroupFrameCountTest,
    testing::Values(CountCase{"EachFrameIgnoresTheCount", false, "25", 1, false},
                    CountCase{"EveryNFramesTakesTheCount", true, "25", 25, true},
                    CountCase{"OneIsTakenAsIs", true, "1", 1, true},
                    CountCase{"EmptyCountFallsBack", true, "", 1, false},
                    CountCase{"ZeroFallsBack", true, "0", 1, false},
                    CountCase{"NegativeFallsBack", true, "-3", 1, false},
                    CountCase{"TextFallsBack", true, "abc", 1, false},
                    CountCase{"BeyondInt32FallsBack", true, "2147483648", 1, false},
                    CountCase{"LargestInt32IsTaken", true, "2147483647", 2147483647, true}),
    [](const testing::TestParamInfo<CountCase>& row) { return std::string(row.param.name); });

struct AverageCase {
    const char* name;
    bool everyNFrames;
    int sizeMode;
    bool average;
};

class AverageModeTest : public MainDlgFixture, public testing::WithParamInterface<AverageCase> {};

TEST_P(AverageModeTest, AveragesOnlyEveryNFramesWithTheAverageEntry)
{
    const AverageCase& row = GetParam();
    Open();
    ClickRadio(dialog, IDC_EVERY_N_FRAMES);
    dialog.SetCurSel(IDC_SIZE_MODE, row.sizeMode);
    if (!row.everyNFrames)
        ClickRadio(dialog, IDC_EACH_FRAME);

    EXPECT_EQ(dialog.IsAverageMode(), row.average);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AverageModeTest,
    testing::Values(AverageCase{"EveryNFramesAverage", true, 1, true},
                    AverageCase{"EveryNFramesTotal", true, 0, false},
                    AverageCase{"EachFrameIgnoresTheList", false, 1, false}),
    [](const testing::TestParamInfo<AverageCase>& row) { return std::string(row.param.name); });

TEST_F(MainDlgSettingsTest, FallbackComesBeforeTheAverageFlag)
{
    Open();
    ChooseEveryNFrames("0", 1);

    EXPECT_EQ(dialog.GetGroupFrameCount(), 1);
    EXPECT_FALSE(dialog.IsAverageMode());
}

} // namespace
