#include "FakeAviFileService.h"
#include "platform/file/FileException.h"
#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The header as stored: code page 932, CR LF.
const std::string kHeaderBytes =
    "\x8a\x4a\x8e\x6e\x83\x74\x83\x8c\x81\x5b\x83\x80\t"      // 開始フレーム
    "\x8f\x49\x97\xb9\x83\x74\x83\x8c\x81\x5b\x83\x80\t"      // 終了フレーム
    "\x8a\x4a\x8e\x6e\x8e\x9e\x8a\xd4\t"                      // 開始時間
    "\x8f\x49\x97\xb9\x8e\x9e\x8a\xd4\t"                      // 終了時間
    "\x8f\x75\x8a\xd4\x83\x72\x83\x62\x83\x67\x83\x8c\x81\x5b\x83\x67(kbps)\t" // 瞬間ビットレート(kbps)
    "\x83\x74\x83\x8c\x81\x5b\x83\x80\x83\x54\x83\x43\x83\x59\r\n";           // フレームサイズ

class FrameReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        service.info = FakeAviFileService::InfoWith(25, 1, {0, 0, 320, 240});
        path = std::filesystem::path(::testing::TempDir()) /
               (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt");
    }

    void SetFrames(size_t count, long bytes)
    {
        service.frames.assign(count, {bytes, true});
    }

    // Exports into `file`, opened on `target`; the file is closed on every
    // way out, an exception included.
    ExportOutcome ExportTo(CStdioFile& file, const std::string& target, ReportSettings settings = {},
                           int* settingsRead = nullptr)
    {
        CAviStream avi(service);
        EXPECT_TRUE(avi.Open("a.avi"));
        EXPECT_TRUE(file.Open(target));
        return ExportFrameReport(file, avi, [&] {
            if (settingsRead)
                ++*settingsRead;
            return settings;
        });
    }

    ExportOutcome Export(ReportSettings settings, int* settingsRead = nullptr)
    {
        CStdioFile file;
        const ExportOutcome outcome = ExportTo(file, path.string(), settings, settingsRead);
        EXPECT_FALSE(file.IsOpen()) << "the file is closed before the outcome is reported";
        return outcome;
    }

    std::string Written() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // The data lines, without the header.
    std::vector<std::string> Lines() const
    {
        const std::string all = Written();
        std::vector<std::string> lines;
        size_t start = all.find("\r\n") + 2;
        for (size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(all.substr(start, end - start));
        return lines;
    }

    FakeAviFileService service;
    std::filesystem::path path;
};

TEST_F(FrameReportTest, NoFramesGiveTheHeaderAlone)
{
    const auto outcome = Export({});
    EXPECT_EQ(outcome.result, ExportResult::Completed);
    EXPECT_EQ(Written(), kHeaderBytes);
}

TEST_F(FrameReportTest, NegativeCountIsNoFrames)
{
    SetFrames(3, 10);
    service.length = -2;
    EXPECT_EQ(Export({}).result, ExportResult::Completed);
    EXPECT_EQ(Written(), kHeaderBytes);
}

TEST_F(FrameReportTest, TenFramesInThrees)
{
    SetFrames(10, 100);
    ASSERT_EQ(Export({1, 3, false}).result, ExportResult::Completed);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "0\t2\t00:00:00.00\t00:00:00.11\t        20.000\t300",
                           "3\t5\t00:00:00.11\t00:00:00.23\t        20.000\t300",
                           "6\t8\t00:00:00.23\t00:00:00.35\t        20.000\t300",
                           "9\t9\t00:00:00.35\t00:00:00.39\t        20.000\t100",
                       }));
}

TEST_F(FrameReportTest, GroupCountsMultipleAndLargerThanTheStream)
{
    SetFrames(9, 100);
    ASSERT_EQ(Export({1, 3, false}).result, ExportResult::Completed);
    EXPECT_EQ(Lines().size(), 3u) << "no empty last line";

    ASSERT_EQ(Export({1, 50, false}).result, ExportResult::Completed);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0], "0\t8\t00:00:00.00\t00:00:00.35\t        20.000\t900");
}

TEST_F(FrameReportTest, OneLinePerFrameWithEqualFirstAndLast)
{
    service.frames = {{1000, true}, {0, false}, {250, false}};
    ASSERT_EQ(Export({}).result, ExportResult::Completed);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "0\t0\t00:00:00.00\t00:00:00.03\t       200.000\t1000",
                           "1\t1\t00:00:00.03\t00:00:00.07\t         0.000\t0",
                           "2\t2\t00:00:00.07\t00:00:00.11\t        50.000\t250",
                       }));
}

TEST_F(FrameReportTest, SettingsAreReadOnce)
{
    SetFrames(4, 1);
    int settingsRead = 0;
    Export({1000, 2, true}, &settingsRead);
    EXPECT_EQ(settingsRead, 1);
}

TEST_F(FrameReportTest, ReadFailureKeepsTheCompletedGroupsOnly)
{
    SetFrames(10, 100);
    service.failSizeAt = 7;
    EXPECT_EQ(Export({1, 3, false}).result, ExportResult::ReadFailed);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 2u) << "group 6..8 is open when frame 7 fails";
    EXPECT_EQ(lines[1].substr(0, 4), "3\t5\t");
}

TEST_F(FrameReportTest, GroupTotalsAreNotWrapped)
{
    SetFrames(3, 0x7FFFFFFF);
    ASSERT_EQ(Export({1, 3, false}).result, ExportResult::Completed);
    EXPECT_EQ(Lines()[0].substr(Lines()[0].rfind('\t') + 1), "6442450941");
}

TEST(StdioFileTest, FullDiskRaisesTheAccessMessageWithTheFullPath)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open("/dev/full"));
    file.WriteString("short\n");
    try {
        file.Close();
        FAIL() << "closing a file on a full disk succeeded";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetErrorMessage(), "/dev/full へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    }
    EXPECT_FALSE(file.IsOpen());
}

TEST(StdioFileTest, OpenFailsQuietlyOnAFolderOrAMissingFolder)
{
    CStdioFile file;
    EXPECT_FALSE(file.Open(::testing::TempDir()));
    EXPECT_FALSE(file.Open("/nonexistent-folder/report.txt"));
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FrameReportTest, WriteFailureDuringThePassIsReportedAfterClosing)
{
    SetFrames(20000, 100);
    CStdioFile file;
    const auto outcome = ExportTo(file, "/dev/full");
    EXPECT_EQ(outcome.result, ExportResult::PassFailed);
    EXPECT_EQ(outcome.message, "/dev/full へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FrameReportTest, WriteFailureAtTheFinalCloseLeavesTheExport)
{
    SetFrames(2, 100);
    CStdioFile file;
    EXPECT_THROW(ExportTo(file, "/dev/full"), CFileException);
    EXPECT_FALSE(file.IsOpen());
}

} // namespace
