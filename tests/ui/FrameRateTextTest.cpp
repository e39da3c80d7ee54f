#include "ui/FrameRateText.h"

#include <gtest/gtest.h>

namespace {

struct RateCase {
    double framesPerSecond;
    const char* text;
};

class FrameRateTextTest : public testing::TestWithParam<RateCase> {};

TEST_P(FrameRateTextTest, PrintsFourDecimalsInAtLeastEightCharacters)
{
    EXPECT_EQ(FrameRateText(GetParam().framesPerSecond), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRateTextTest,
                         testing::Values(RateCase{30000.0 / 1001.0, " 29.9700"}, RateCase{25.0, " 25.0000"},
                                         RateCase{120.0, "120.0000"}, RateCase{1000.0, "1000.0000"},
                                         RateCase{0.0, "  0.0000"}, RateCase{0.00005, "  0.0001"},
                                         RateCase{-2.5, " -2.5000"}));

} // namespace
