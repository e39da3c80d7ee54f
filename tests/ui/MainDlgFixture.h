#pragma once

#include "DialogDriver.h"
#include "FakeAviFileService.h"
#include "FakeModalServices.h"
#include "res/Resource.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <string>

// The real main dialog, created hidden, over an in-memory AVI stream of 60
// frames at 25 frames per second, 320 × 240.
class MainDlgFixture : public testing::Test {
protected:
    MainDlgFixture()
    {
        avi.info = FakeAviFileService::InfoWith(25, 1, {0, 0, 320, 240});
        avi.frames.assign(60, {1000, false});
    }

    void SetUp() override { ASSERT_TRUE(dialog.Create()); }

    // "開く" with the chooser answered by `path`.
    void Open(const std::string& path = "clip.avi")
    {
        modal.chooserAnswers.push_back(path);
        ClickButton(dialog, IDC_OPEN);
    }

    // "指定フレームずつ" with this count and these list entries.
    void ChooseEveryNFrames(const std::string& count, int sizeMode = 0, int sizeUnit = 0)
    {
        ClickRadio(dialog, IDC_EVERY_N_FRAMES);
        dialog.SetDlgItemText(IDC_N_FRAMES, count);
        dialog.SetCurSel(IDC_SIZE_MODE, sizeMode);
        dialog.SetCurSel(IDC_SIZE_UNIT, sizeUnit);
    }

    // Exactly one box was shown, over the dialog, with this text and icon.
    void ExpectOnlyBox(const std::string& text, MessageIcon icon) const
    {
        ASSERT_EQ(modal.messages.size(), 1u);
        EXPECT_EQ(modal.messages[0].text, text);
        EXPECT_EQ(modal.messages[0].icon, icon);
        EXPECT_EQ(modal.messages[0].owner, &dialog);
    }

    bool Enabled(int id) const { return dialog.GetDlgItem(id)->IsEnabled(); }
    std::string Text(int id) const { return dialog.GetDlgItemText(id); }

    FakeAviFileService avi;
    FakeModalServices modal;
    CMainDlg dialog{modal, avi};
};
