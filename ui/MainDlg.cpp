#include "ui/MainDlg.h"

#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"
#include "report/ReportSettings.h"
#include "res/MainDialogTemplate.h"
#include "res/Resource.h"
#include "ui/FrameRateText.h"

namespace {

constexpr const char* kAviFilter = "AVI File(*.avi)|*.avi|All Files (*.*)|*.*||";
constexpr const char* kReportFilter = "Tab Pause Text File(*.txt)|*.txt|All Files (*.*)|*.*||";

} // namespace

wxBEGIN_EVENT_TABLE(CMainDlg, CDialog)
    EVT_BUTTON(IDC_OPEN, CMainDlg::OnOpen)
    EVT_BUTTON(IDC_SAVE_FRAME_INFO, CMainDlg::OnSaveFrameInfo)
    EVT_RADIOBUTTON(IDC_EACH_FRAME, CMainDlg::OnEachFrame)
    EVT_RADIOBUTTON(IDC_EVERY_N_FRAMES, CMainDlg::OnEveryNFrames)
wxEND_EVENT_TABLE()

CMainDlg::CMainDlg(IModalServices& modal, IAviFileService& aviService)
    : CDialog(kMainDialogTemplate, modal), m_avi(aviService)
{
}

bool CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_EACH_FRAME, true);
    CheckDlgButton(IDC_EVERY_N_FRAMES, false);
    SetCurSel(IDC_SIZE_MODE, kSizeModeTotal);
    SetCurSel(IDC_SIZE_UNIT, kSizeUnitByte);
    // Nothing to export before a file is open.
    for (const int id : {IDC_N_FRAMES, IDC_SIZE_MODE, IDC_SAVE_FRAME_INFO, IDC_EVERY_N_FRAMES, IDC_EACH_FRAME,
                         IDC_SIZE_UNIT})
        EnableDlgItem(id, false);
    return true;
}

void CMainDlg::OnOpen(wxCommandEvent&)
{
    const auto path = Modal().ChooseFile(this, {FileChooserRequest::Mode::Open, "avi", kAviFilter});
    if (!path || !m_avi.Open(path->c_str()))
        return;

    SetDlgItemInt(IDC_WIDTH, m_avi.GetWidth());
    SetDlgItemInt(IDC_HEIGHT, m_avi.GetHeight());
    SetDlgItemInt(IDC_FRAME_COUNT, m_avi.GetLength());
    SetDlgItemText(IDC_FRAME_RATE, FrameRateText(m_avi.GetFrameRate()));
    // The count field and the size-mode list follow the radio buttons alone.
    for (const int id : {IDC_SAVE_FRAME_INFO, IDC_EVERY_N_FRAMES, IDC_EACH_FRAME, IDC_SIZE_UNIT})
        EnableDlgItem(id, true);
}

void CMainDlg::OnEachFrame(wxCommandEvent&)
{
    EnableDlgItem(IDC_N_FRAMES, false);
    EnableDlgItem(IDC_SIZE_MODE, false);
}

void CMainDlg::OnEveryNFrames(wxCommandEvent&)
{
    EnableDlgItem(IDC_N_FRAMES, true);
    EnableDlgItem(IDC_SIZE_MODE, true);
}

uint32_t CMainDlg::GetUnitDivisor()
{
    return UnitDivisorFor(GetCurSel(IDC_SIZE_UNIT));
}

int32_t CMainDlg::GetGroupFrameCount()
{
    const bool everyNFrames = IsDlgButtonChecked(IDC_EVERY_N_FRAMES);
    if (const auto count = GroupFrameCountFor(everyNFrames, ReadDialogInt(GetDlgItemText(IDC_N_FRAMES).c_str())))
        return *count;
    CheckDlgButton(IDC_EACH_FRAME, true);
    CheckDlgButton(IDC_EVERY_N_FRAMES, false);
    return 1;
}

bool CMainDlg::IsAverageMode()
{
    return AverageModeFor(IsDlgButtonChecked(IDC_EVERY_N_FRAMES), GetCurSel(IDC_SIZE_MODE));
}

// A CFileException from the header or the final close leaves this handler;
// the application's exception hook reports it and the dialog runs on.
void CMainDlg::OnSaveFrameInfo(wxCommandEvent&)
{
    if (!m_avi.IsOpen()) {
        MessageBox(IDS_NOT_OPENED, MessageIcon::Error);
        return;
    }
    const auto path = Modal().ChooseFile(this, {FileChooserRequest::Mode::Save, "txt", kReportFilter});
    if (!path)
        return;
    CStdioFile file;
    if (!file.Open(*path)) {
        MessageBox(IDS_CREATE_FAILED, MessageIcon::Error);
        return;
    }

    // The file is closed whenever the export returns, so every box below
    // comes after the close.
    const ExportOutcome outcome = ExportFrameReport(file, m_avi, [this] {
        return ReportSettings{GetUnitDivisor(), GetGroupFrameCount(), IsAverageMode()};
    });
    switch (outcome.result) {
    case ExportResult::Completed:
        MessageBox(IDS_EXPORT_DONE, MessageIcon::Information);
        break;
    case ExportResult::ReadFailed:
        MessageBox(IDS_READ_FAILED, MessageIcon::Error);
        break;
    case ExportResult::PassFailed:
        Modal().ShowMessage(this, outcome.message, MessageIcon::Error);
        break;
    }
}
