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

    bool Enabled(int id) const { return dialog.GetDlgItem(id)->IsEnabled(); }
    std::string Text(int id) const { return dialog.GetDlgItemText(id); }

    FakeAviFileService avi;
    FakeModalServices modal;
    CMainDlg dialog{modal, avi};
};
