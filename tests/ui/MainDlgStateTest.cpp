#include "MainDlgFixture.h"

#include "platform/dialog/FrameworkIds.h"
#include "TestApp.h"

#include <wx/radiobut.h>

namespace {

constexpr int kOptionControls[] = {IDC_SAVE_FRAME_INFO, IDC_EACH_FRAME, IDC_EVERY_N_FRAMES,
                                   IDC_N_FRAMES,        IDC_SIZE_MODE,  IDC_SIZE_UNIT};
constexpr int kPropertyFields[] = {IDC_WIDTH, IDC_HEIGHT, IDC_FRAME_COUNT, IDC_FRAME_RATE};

using MainDlgStateTest = MainDlgFixture;

TEST_F(MainDlgStateTest, StartsWithOptionsDisabledAndNothingShown)
{
    for (const int id : kOptionControls)
        EXPECT_FALSE(Enabled(id)) << id;
    for (const int id : {IDOK, IDC_OPEN, IDC_WIDTH, IDC_HEIGHT, IDC_FRAME_COUNT, IDC_FRAME_RATE})
        EXPECT_TRUE(Enabled(id)) << id;
    for (const int id : kPropertyFields)
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_N_FRAMES), "");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EACH_FRAME));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES));
    EXPECT_EQ(dialog.GetCurSel(IDC_SIZE_MODE), 0);
    EXPECT_EQ(dialog.GetCurSel(IDC_SIZE_UNIT), 0);
}

TEST_F(MainDlgStateTest, ListsHoldTheirEntriesSorted)
{
    EXPECT_EQ(ListEntries(dialog, IDC_SIZE_MODE), (std::vector<std::string>{"合計サイズ", "平均サイズ"}));
    EXPECT_EQ(ListEntries(dialog, IDC_SIZE_UNIT),
              (std::vector<std::string>{"Byte単位で", "KB単位で", "MB単位で"}));
}

TEST_F(MainDlgStateTest, OpenShowsTheStreamAndEnablesTheOptions)
{
    Open("/videos/clip.avi");

    ASSERT_EQ(modal.chooserRequests.size(), 1u);
    EXPECT_EQ(modal.chooserRequests[0].mode, FileChooserRequest::Mode::Open);
    EXPECT_EQ(modal.chooserRequests[0].defaultExtension, "avi");
    EXPECT_EQ(modal.chooserRequests[0].filter, "AVI File(*.avi)|*.avi|All Files (*.*)|*.*||");
    EXPECT_EQ(avi.calls.front(), "FileOpen /videos/clip.avi");

    EXPECT_EQ(Text(IDC_WIDTH), "320");
    EXPECT_EQ(Text(IDC_HEIGHT), "240");
    EXPECT_EQ(Text(IDC_FRAME_COUNT), "60");
    EXPECT_EQ(Text(IDC_FRAME_RATE), " 25.0000");
    for (const int id : {IDC_SAVE_FRAME_INFO, IDC_EACH_FRAME, IDC_EVERY_N_FRAMES, IDC_SIZE_UNIT})
        EXPECT_TRUE(Enabled(id)) << id;
    // These follow the radio buttons alone.
    EXPECT_FALSE(Enabled(IDC_N_FRAMES));
    EXPECT_FALSE(Enabled(IDC_SIZE_MODE));
    EXPECT_TRUE(modal.messages.empty());
}

TEST_F(MainDlgStateTest, ShowsValuesAsTheReaderGivesThem)
{
    avi.info = FakeAviFileService::InfoWith(30000, 1001, {10, 20, 5, 13});
    avi.length = -1;
    Open();

    EXPECT_EQ(Text(IDC_WIDTH), "-5");
    EXPECT_EQ(Text(IDC_HEIGHT), "-7");
    EXPECT_EQ(Text(IDC_FRAME_COUNT), "-1");
    EXPECT_EQ(Text(IDC_FRAME_RATE), " 29.9700");
}

TEST_F(MainDlgStateTest, CancelledChooserChangesNothing)
{
    ClickButton(dialog, IDC_OPEN);
    EXPECT_FALSE(Enabled(IDC_SAVE_FRAME_INFO));
    EXPECT_TRUE(avi.calls.empty());

    Open();
    ClickButton(dialog, IDC_OPEN);
    EXPECT_EQ(Text(IDC_WIDTH), "320");
    EXPECT_TRUE(Enabled(IDC_SAVE_FRAME_INFO));
    EXPECT_EQ(modal.chooserRequests.size(), 3u);
    EXPECT_TRUE(modal.messages.empty());
}

TEST_F(MainDlgStateTest, FailedOpenBeforeAnyFileChangesNothing)
{
    avi.failOpen = true;
    Open();
    for (const int id : kOptionControls)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Text(IDC_WIDTH), "");
    EXPECT_TRUE(modal.messages.empty());
}

TEST_F(MainDlgStateTest, FailedOpenKeepsTheShownFileButClosesTheReader)
{
    Open();
    avi.failOpen = true;
    Open("broken.avi");

    EXPECT_EQ(Text(IDC_WIDTH), "320");
    EXPECT_EQ(Text(IDC_FRAME_COUNT), "60");
    EXPECT_TRUE(Enabled(IDC_SAVE_FRAME_INFO));
    EXPECT_TRUE(modal.messages.empty());

    ClickButton(dialog, IDC_SAVE_FRAME_INFO);
    ExpectOnlyBox("動画ファイルが開かれていません。", MessageIcon::Error);
}

TEST_F(MainDlgStateTest, SecondOpenReplacesTheValuesAndKeepsTheOptions)
{
    Open();
    ChooseEveryNFrames("25", 1, 2);

    avi.info = FakeAviFileService::InfoWith(30, 1, {0, 0, 640, 480});
    avi.frames.resize(90);
    Open("second.avi");

    EXPECT_EQ(Text(IDC_WIDTH), "640");
    EXPECT_EQ(Text(IDC_HEIGHT), "480");
    EXPECT_EQ(Text(IDC_FRAME_COUNT), "90");
    EXPECT_EQ(Text(IDC_FRAME_RATE), " 30.0000");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES));
    EXPECT_EQ(Text(IDC_N_FRAMES), "25");
    EXPECT_EQ(dialog.GetCurSel(IDC_SIZE_MODE), 1);
    EXPECT_EQ(dialog.GetCurSel(IDC_SIZE_UNIT), 2);
    EXPECT_TRUE(Enabled(IDC_N_FRAMES));
    EXPECT_TRUE(Enabled(IDC_SIZE_MODE));
}

TEST_F(MainDlgStateTest, RadioButtonsSetTheCountAndModeEnableState)
{
    Open();
    ClickRadio(dialog, IDC_EVERY_N_FRAMES);
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_EACH_FRAME));
    EXPECT_TRUE(Enabled(IDC_N_FRAMES));
    EXPECT_TRUE(Enabled(IDC_SIZE_MODE));

    ClickRadio(dialog, IDC_EACH_FRAME);
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EACH_FRAME));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES));
    EXPECT_FALSE(Enabled(IDC_N_FRAMES));
    EXPECT_FALSE(Enabled(IDC_SIZE_MODE));
    EXPECT_TRUE(Enabled(IDC_SIZE_UNIT));
}

TEST_F(MainDlgStateTest, FallbackLeavesEnableStatesUntilTheNextClick)
{
    Open();
    ChooseEveryNFrames("0");

    EXPECT_EQ(dialog.GetGroupFrameCount(), 1);
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_EACH_FRAME));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_EVERY_N_FRAMES));
    EXPECT_TRUE(Enabled(IDC_N_FRAMES));
    EXPECT_TRUE(Enabled(IDC_SIZE_MODE));
    EXPECT_EQ(Text(IDC_N_FRAMES), "0");

    // A click on the button that is already checked still counts.
    ClickRadio(dialog, IDC_EACH_FRAME);
    EXPECT_FALSE(Enabled(IDC_N_FRAMES));
    EXPECT_FALSE(Enabled(IDC_SIZE_MODE));
}

TEST_F(MainDlgStateTest, HelpKeyAsksForTheDialogsContext)
{
    wxGetApp().helpContext.reset();
    for (const int modifier : {wxMOD_SHIFT, wxMOD_CONTROL, wxMOD_ALT})
        PressKey(dialog, WXK_F1, modifier);
    EXPECT_FALSE(wxGetApp().helpContext.has_value());

    PressKey(dialog, WXK_F1);
    EXPECT_EQ(wxGetApp().helpContext, 131174);
}

// The modal runs: each ends by an action taken from inside the running loop.
struct ModalEnding {
    const char* name;
    std::function<void(CDialog&)> action;
    int result;
};

void PrintTo(const ModalEnding& ending, std::ostream* out)
{
    *out << ending.name;
}

class MainDlgModalTest : public MainDlgFixture, public testing::WithParamInterface<ModalEnding> {};

TEST_P(MainDlgModalTest, EndsWithItsIdentifier)
{
    dialog.CallAfter([this] { GetParam().action(dialog); });
    EXPECT_EQ(dialog.DoModal(), GetParam().result);
    EXPECT_FALSE(dialog.IsShown());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, MainDlgModalTest,
    testing::Values(ModalEnding{"ExitButton", [](CDialog& d) { ClickButton(d, IDOK); }, IDOK},
                    ModalEnding{"Escape", [](CDialog& d) { PressKey(d, WXK_ESCAPE); }, IDCANCEL},
                    ModalEnding{"CloseBox", [](CDialog& d) { d.Close(); }, IDCANCEL}),
    [](const testing::TestParamInfo<ModalEnding>& row) { return std::string(row.param.name); });

TEST_F(MainDlgStateTest, ShowsCentredWithTheFocusOnTheExitButton)
{
    wxWindow* focus = nullptr;
    wxRect shownAt;
    dialog.CallAfter([&] {
        focus = wxWindow::FindFocus();
        shownAt = dialog.GetScreenRect();
        dialog.EndModal(IDOK);
    });
    dialog.DoModal();

    EXPECT_EQ(focus, dialog.GetDlgItem(IDOK));
    const wxRect screen(wxPoint(0, 0), wxGetDisplaySize());
    const wxPoint centre = shownAt.GetPosition() + shownAt.GetSize() / 2;
    EXPECT_NEAR(centre.x, screen.width / 2, 2);
    // The frame's title bar, when there is one, shifts the window down a little.
    EXPECT_NEAR(centre.y, screen.height / 2, 40);
}

} // namespace
