#pragma once

#include "platform/dialog/Dialog.h"
#include "video/AviStream.h"

#include <cstdint>

// The program's one window: opens an AVI file, shows its video stream's
// picture size, frame count and frame rate, and exports the frame report with
// the options chosen in its controls. Everything the user sees lives in the
// controls; the dialog keeps only the reader.
class CMainDlg : public CDialog {
public:
    explicit CMainDlg(IModalServices& modal, IAviFileService& aviService = DefaultAviFileService());

    // The report settings, read from the option controls when an export asks.
    uint32_t GetUnitDivisor();
    // Falls back to one frame per line, checking "１フレームずつ", when the
    // count is unusable; enable states stay as they are.
    int32_t GetGroupFrameCount();
    bool IsAverageMode();

protected:
    bool OnInitDialog() override;

private:
    void OnOpen(wxCommandEvent& event);
    void OnSaveFrameInfo(wxCommandEvent& event);
    void OnEachFrame(wxCommandEvent& event);
    void OnEveryNFrames(wxCommandEvent& event);

    CAviStream m_avi;

    wxDECLARE_EVENT_TABLE();
};
