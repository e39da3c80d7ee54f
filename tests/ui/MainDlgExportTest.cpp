#include "MainDlgFixture.h"

#include "tests/support/TempDir.h"
#include "TestApp.h"
#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kDiskFull = "/dev/full へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。";

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

size_t LineCount(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class MainDlgExportTest : public MainDlgFixture {
protected:
    void SetUp() override
    {
        MainDlgFixture::SetUp();
        wxGetApp().exceptionModal = &modal;
    }
    void TearDown() override { wxGetApp().exceptionModal = nullptr; }

    // "フレーム情報の保存" with the chooser answered by `path`.
    void Export(const std::filesystem::path& path)
    {
        modal.chooserAnswers.push_back(path.string());
        ClickButton(dialog, IDC_SAVE_FRAME_INFO);
    }

    // What the report writer makes of the same stream with these settings.
    std::string ReportFor(const ReportSettings& settings, const std::string& name)
    {
        FakeAviFileService copy;
        copy.info = avi.info;
        copy.frames = avi.frames;
        CAviStream stream(copy);
        EXPECT_TRUE(stream.Open("copy.avi"));
        CStdioFile file;
        EXPECT_TRUE(file.Open(TestTempPath(name).string()));
        ExportFrameReport(file, stream, [&] { return settings; });
        return ReadFile(TestTempPath(name));
    }

    // Keeps what the file held at the moment each box was shown.
    void RecordFileAtEachBox(const std::filesystem::path& path)
    {
        modal.onMessage = [this, path](const FakeModalServices::Message&) { fileAtBox.push_back(ReadFile(path)); };
    }

    std::vector<std::string> fileAtBox;
};

// The button is enabled only once a file was shown; a failed open afterwards
// leaves it enabled with the reader closed.
TEST_F(MainDlgExportTest, WithoutAnOpenStreamSaysSoAndAsksForNoFile)
{
    Open();
    avi.failOpen = true;
    Open("gone.avi");
    const size_t choosersBefore = modal.chooserRequests.size();

    ClickButton(dialog, IDC_SAVE_FRAME_INFO);

    EXPECT_EQ(modal.chooserRequests.size(), choosersBefore);
    ExpectOnlyBox("動画ファイルが開かれていません。", MessageIcon::Error);
}

TEST_F(MainDlgExportTest, CancelledChooserEndsSilently)
{
    Open();
    ClickButton(dialog, IDC_SAVE_FRAME_INFO);

    ASSERT_EQ(modal.chooserRequests.size(), 2u);
    EXPECT_EQ(modal.chooserRequests[1].mode, FileChooserRequest::Mode::Save);
    EXPECT_EQ(modal.chooserRequests[1].defaultExtension, "txt");
    EXPECT_EQ(modal.chooserRequests[1].filter, "Tab Pause Text File(*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_TRUE(modal.messages.empty());
}

TEST_F(MainDlgExportTest, UncreatableFileSaysSoAndLeavesNothing)
{
    Open();
    const auto path = TestTempPath("no-such-folder") / "report.txt";
    Export(path);

    ExpectOnlyBox("ファイルの作成に失敗しました。", MessageIcon::Error);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(MainDlgExportTest, UnreadableFrameKeepsTheCompletedGroupsAndClosesFirst)
{
    avi.failSizeAt = 7;
    Open();
    ChooseEveryNFrames("3");
    const auto path = TestTempPath("read-failed.txt");
    RecordFileAtEachBox(path);
    Export(path);

    ExpectOnlyBox("フレーム情報の取得に失敗しました。", MessageIcon::Error);
    // The header and the groups 0-2 and 3-5, already on disk when the box shows.
    EXPECT_EQ(LineCount(fileAtBox[0]), 3u);
    EXPECT_EQ(fileAtBox[0], ReadFile(path));
}

TEST_F(MainDlgExportTest, WriteFailureDuringThePassShowsItsMessageAfterTheClose)
{
    // Enough lines to fill the stream's buffer, so /dev/full refuses a line.
    avi.frames.assign(5000, {1000, false});
    Open();
    Export("/dev/full");

    ExpectOnlyBox(kDiskFull, MessageIcon::Error);
}

TEST_F(MainDlgExportTest, WriteFailureAtTheFinalCloseReachesTheApplicationHook)
{
    Open();
    Export("/dev/full");

    ExpectOnlyBox(kDiskFull, MessageIcon::Error);
}

TEST_F(MainDlgExportTest, ModalRunGoesOnAfterAnEscapedException)
{
    Open();
    bool stillModal = false;
    dialog.CallAfter([&] {
        Export("/dev/full");
        stillModal = dialog.IsModal();
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stillModal);
    ExpectOnlyBox(kDiskFull, MessageIcon::Error);
}

TEST_F(MainDlgExportTest, CompletedExportWritesTheChosenReportAndClosesFirst)
{
    Open();
    ChooseEveryNFrames("25", 1, 1);
    const auto path = TestTempPath("every-25.txt");
    RecordFileAtEachBox(path);
    Export(path);

    ExpectOnlyBox("フレーム情報の出力は正常に終了しました。", MessageIcon::Information);
    EXPECT_EQ(fileAtBox[0], ReportFor({1000, 25, true}, "expected-every-25.txt"));
    // Groups 0-24, 25-49 and the short 50-59.
    EXPECT_EQ(LineCount(fileAtBox[0]), 4u);
}

TEST_F(MainDlgExportTest, FallbackExportsEachFrameInTotals)
{
    Open();
    ChooseEveryNFrames("0", 1);
    const auto path = TestTempPath("fallback.txt");
    Export(path);

    EXPECT_EQ(ReadFile(path), ReportFor({1, 1, false}, "expected-fallback.txt"));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EACH_FRAME));
}

TEST_F(MainDlgExportTest, ExistingFileIsRewrittenFromEmpty)
{
    avi.frames.resize(2);
    Open();
    const auto path = TestTempPath("existing.txt");
    std::ofstream(path) << std::string(10000, 'x');
    Export(path);

    EXPECT_EQ(ReadFile(path), ReportFor({1, 1, false}, "expected-existing.txt"));
}

} // namespace
