#include "app/MainApp.h"

#include "app/HelpFile.h"
#include "platform/dialog/EscapedException.h"
#include "platform/dialog/FrameworkIds.h"
#include "ui/MainDlg.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

wxIMPLEMENT_APP(CMainApp);

bool CMainApp::OnInit()
{
    // The command line is not read, so wxWidgets' parser is not run. Message
    // boxes carry the executable's name as it is, not capitalised.
    const wxString name = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetName();
    SetAppName(name);
    SetAppDisplayName(name);
    Bind(wxEVT_MENU, &CMainApp::OnHelp, this, kIdHelp);
    return true;
}

// The dialog is the whole program: it runs once, then the process ends with
// status 0 whichever way the dialog was closed.
int CMainApp::OnRun()
{
    CMainDlg dialog(m_modal);
    SetTopWindow(&dialog);
    dialog.DoModal();
    return 0;
}

bool CMainApp::OnExceptionInMainLoop()
{
    return ShowEscapedException(m_modal, GetTopWindow()) || wxApp::OnExceptionInMainLoop();
}

void CMainApp::OnHelp(wxCommandEvent&)
{
    const std::string helpFile = HelpFileFor(wxStandardPaths::Get().GetExecutablePath().utf8_string());
    if (!LaunchHelpViewer(helpFile))
        m_modal.ShowMessage(GetTopWindow(), kHelpLaunchFailedText, MessageIcon::Warning);
}
