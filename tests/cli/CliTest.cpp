#include "tests/cli/CliRun.h"
#include "tests/support/FfmpegFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path SampleAvi()
{
    return MakeFfmpegAvi("cli-mpeg4", "-f lavfi -i testsrc=size=320x240:rate=25 -frames:v 60 -c:v mpeg4 -bf 2");
}

class BadArgumentsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BadArgumentsTest, ExitTwoWithUsage)
{
    const RunResult run = RunReport(GetParam());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: quorvel-report"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadArgumentsTest,
                         ::testing::Values("", "--every 0 a.avi", "--every -3 a.avi", "--every x a.avi",
                                           "--every 2147483648 a.avi", "--unit gb a.avi", "--bogus a.avi",
                                           "a.avi b.avi", "-o", "--every"));

TEST(CliTest, VersionAndHelp)
{
    const RunResult version = RunReport("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Quorvel 0.01\n");
    const RunResult help = RunReport("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--every N"), std::string::npos);
}

TEST(CliTest, FileThatCannotBeOpenedExitsOne)
{
    for (const std::string path : {"/nonexistent/x.avi", "/etc/hostname", "/"}) {
        const RunResult run = RunReport(path);
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.err, "quorvel-report: " + path + ": 動画ファイルが開かれていません。\n");
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CliTest, InfoShowsTheFirstVideoStream)
{
    const RunResult run = RunReport("--info " + SampleAvi().string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "width: 320\nheight: 240\nframes: 60\nframe rate:  25.0000\n");
}

TEST(CliTest, ReportSizesAreTheIndexSizes)
{
    const auto avi = SampleAvi();
    const RunResult run = RunReport(avi.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto packets = ProbeVideoPackets(avi);
    const auto lines = DataLines(run.out);
    ASSERT_EQ(lines.size(), packets.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), std::to_string(packets[i].size) + "\r") << "frame " << i;
        EXPECT_EQ(line.substr(0, line.find('\t')), std::to_string(i));
    }
}

TEST(CliTest, FileOutputHasTheSameBytesAsStandardOutput)
{
    const auto avi = SampleAvi().string();
    const auto report = TempPath("cli-report.txt");
    const std::string options = "--every 25 --average --unit kb ";
    const RunResult toFile = RunReport(options + "-o " + report.string() + " " + avi);
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    const RunResult toStdout = RunReport(options + avi);
    ASSERT_EQ(toStdout.status, 0);
    EXPECT_EQ(ReadAll(report), toStdout.out);
    EXPECT_EQ(DataLines(toStdout.out).size(), 3u) << "25 + 25 + 10 frames";
}

TEST(CliTest, OutputFailuresExitOneWithTheirText)
{
    const auto avi = SampleAvi().string();
    const RunResult full = RunReport("-o /dev/full " + avi);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "quorvel-report: /dev/full へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。\n");

    const std::string folder = ::testing::TempDir();
    const RunResult intoFolder = RunReport("-o " + folder + " " + avi);
    EXPECT_EQ(intoFolder.status, 1);
    EXPECT_EQ(intoFolder.err, "quorvel-report: " + folder + ": ファイルの作成に失敗しました。\n");
}

} // namespace
