#include "app/HelpFile.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpFileTest, IsNamedLikeTheExecutableWithHlp)
{
    EXPECT_EQ(HelpFileFor("/opt/quorvel/bin/quorvel"), "/opt/quorvel/bin/quorvel.HLP");
    EXPECT_EQ(HelpFileFor("/opt/tools/Tool.exe"), "/opt/tools/Tool.HLP");
    EXPECT_EQ(HelpFileFor("/opt/ツール/動画"), "/opt/ツール/動画.HLP");
}

TEST(HelpFileTest, MissingFileCannotBeOpened)
{
    EXPECT_FALSE(LaunchHelpViewer("/nonexistent/quorvel.HLP"));
}

} // namespace
