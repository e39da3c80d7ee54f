#include "platform/dialog/ChooserRules.h"

#include <gtest/gtest.h>

#include <fnmatch.h>

namespace {

TEST(ChooserRulesTest, WildcardsOfTheTwoChoosers)
{
    EXPECT_EQ(ToChooserWildcard("AVI File(*.avi)|*.avi|All Files (*.*)|*.*||"),
              "AVI File(*.avi)|*.[aA][vV][iI]|All Files (*.*)|*");
    EXPECT_EQ(ToChooserWildcard("Tab Pause Text File(*.txt)|*.txt|All Files (*.*)|*.*||"),
              "Tab Pause Text File(*.txt)|*.[tT][xX][tT]|All Files (*.*)|*");
    EXPECT_EQ(ToChooserWildcard("Media|*.avi;*.mp4||"), "Media|*.[aA][vV][iI];*.[mM][pP]4");
}

struct MatchCase {
    const char* pattern;
    const char* name;
    bool shown;
};

class ChooserMatchTest : public testing::TestWithParam<MatchCase> {};

// GTK matches a filter pattern the way fnmatch does, case by case.
TEST_P(ChooserMatchTest, ShowsTheNamesTheFilterMeans)
{
    const std::string wildcard = ToChooserWildcard(std::string("Files|") + GetParam().pattern + "||");
    const std::string pattern = wildcard.substr(wildcard.find('|') + 1);
    EXPECT_EQ(fnmatch(pattern.c_str(), GetParam().name, 0) == 0, GetParam().shown)
        << pattern << " / " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, ChooserMatchTest,
                         testing::Values(MatchCase{"*.avi", "movie.avi", true}, MatchCase{"*.avi", "MOVIE.AVI", true},
                                         MatchCase{"*.avi", "Movie.Avi", true}, MatchCase{"*.avi", "movie.avix", false},
                                         MatchCase{"*.avi", "notes.txt", false}, MatchCase{"*.*", "README", true},
                                         MatchCase{"*.*", "a.b", true}));

struct ExtensionCase {
    const char* path;
    const char* ext;
    const char* result;
};

class DefaultExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtensionTest, AddsTheExtensionOnlyToANameWithoutOne)
{
    EXPECT_EQ(AddDefaultExtension(GetParam().path, GetParam().ext), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Paths, DefaultExtensionTest,
                         testing::Values(ExtensionCase{"/tmp/report", "txt", "/tmp/report.txt"},
                                         ExtensionCase{"/tmp/report.txt", "txt", "/tmp/report.txt"},
                                         ExtensionCase{"/tmp/report.csv", "txt", "/tmp/report.csv"},
                                         ExtensionCase{"/tmp/v1.2/report", "txt", "/tmp/v1.2/report.txt"},
                                         ExtensionCase{"/tmp/report", "", "/tmp/report"},
                                         ExtensionCase{"/tmp/動画", "avi", "/tmp/動画.avi"}));

} // namespace
