#include "Desktop.h"

#include "res/MainDialogTemplate.h"
#include "res/Resource.h"
#include "tests/support/FfmpegFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

constexpr const char* kDialogTitle = "Quorvel V0.01";
constexpr int kCompletionLookups = 20;

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// A point of a control in the shown window, `across` of the way into it from
// the left, found from the template and the window's size.
wxPoint ControlPoint(const std::string& window, int id, double across = 0.5)
{
    const wxSize size = desktop::WindowSize(window);
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        if (control.id != id)
            continue;
        const int height = control.kind == ControlKind::DropDownList ? 12 : control.height;
        const double x = control.x + control.width * across;
        const double y = control.y + height / 2.0;
        return {static_cast<int>(x * size.x / kMainDialogTemplate.width),
                static_cast<int>(y * size.y / kMainDialogTemplate.height)};
    }
    return {};
}

class EndToEndTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = TestTempPath(testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }

    std::string StartProgram()
    {
        process = desktop::Start(QUORVEL_APP, folder);
        const std::string window = desktop::WaitForWindow(kDialogTitle);
        if (!window.empty())
            desktop::Focus(window);
        return window;
    }

    // Names a file in a chooser through its location entry; false when the
    // chooser does not close.
    static bool Choose(const std::string& chooser, const std::string& name, bool locationEntry)
    {
        desktop::Focus(chooser);
        if (locationEntry)
            desktop::Keys("ctrl+l");
        desktop::Type(name);
        desktop::Keys("Return");
        // When the name completes to a file that exists, the first Return
        // only closes the completion list.
        if (desktop::WaitUntilGone(chooser, kCompletionLookups))
            return true;
        desktop::Keys("Return");
        return desktop::WaitUntilGone(chooser);
    }

    std::filesystem::path folder;
    pid_t process = -1;
};

TEST_F(EndToEndTest, EnterAtStartEndsTheProgram)
{
    ASSERT_FALSE(StartProgram().empty());
    desktop::Keys("Return");
    EXPECT_EQ(desktop::WaitForExit(process), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(EndToEndTest, EscapeEndsTheProgram)
{
    ASSERT_FALSE(StartProgram().empty());
    desktop::Keys("Escape");
    EXPECT_EQ(desktop::WaitForExit(process), 0);
}

// Open an AVI file, every 25 frames, average sizes in KB, save over an
// existing report after the overwrite question: the file equals the command
// line's report for the same options.
TEST_F(EndToEndTest, ReportThroughTheWindowEqualsTheCommandLines)
{
    ASSERT_TRUE(FfmpegAvailable());
    const auto movie = MakeFfmpegAvi("end-to-end", "-f lavfi -i testsrc=size=320x240:rate=25 -frames:v 60 -c:v mpeg4");
    std::filesystem::copy_file(movie, folder / "MOVIE.AVI");
    std::ofstream(folder / "report.txt") << "an older report";

    const std::string window = StartProgram();
    ASSERT_FALSE(window.empty());

    desktop::Click(window, ControlPoint(window, IDC_OPEN));
    const std::string opener = desktop::WaitForWindow("開く");
    ASSERT_FALSE(opener.empty());
    ASSERT_TRUE(Choose(opener, "MOVIE.AVI", true));

    desktop::Focus(window);
    desktop::Click(window, ControlPoint(window, IDC_EVERY_N_FRAMES, 0.05));
    desktop::Click(window, ControlPoint(window, IDC_N_FRAMES));
    // The count field drops the letter.
    desktop::Type("2x5");
    // Tab order: count, size mode, size unit; a closed list steps with Down.
    desktop::Keys("Tab Down Tab Down");
    desktop::Click(window, ControlPoint(window, IDC_SAVE_FRAME_INFO));

    const std::string saver = desktop::WaitForWindow("名前を付けて保存");
    ASSERT_FALSE(saver.empty());
    // Typed without an extension: report.txt exists, so the question comes.
    ASSERT_TRUE(Choose(saver, "report", false));
    const std::string question = desktop::WaitForWindow("名前を付けて保存");
    ASSERT_FALSE(question.empty());
    EXPECT_EQ(ReadFile(folder / "report.txt"), "an older report");
    desktop::Focus(question);
    desktop::Keys("alt+y");
    ASSERT_TRUE(desktop::WaitUntilGone(question));

    const std::string done = desktop::WaitForWindow("quorvel");
    ASSERT_FALSE(done.empty());
    desktop::Focus(done);
    desktop::Keys("Return");
    ASSERT_TRUE(desktop::WaitUntilGone(done));

    desktop::Click(window, ControlPoint(window, IDOK));
    EXPECT_EQ(desktop::WaitForExit(process), 0);

    const std::string expected = desktop::Run(std::string(QUORVEL_REPORT_CLI) + " --every 25 --average --unit kb '"
                                              + (folder / "MOVIE.AVI").string() + "'");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(ReadFile(folder / "report.txt"), expected);
}

} // namespace
