#pragma once

#include "platform/dialog/DesktopModalServices.h"

#include <wx/app.h>

// The application: runs the main dialog once, modally, and ends with it.
class CMainApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    bool OnExceptionInMainLoop() override;

private:
    void OnHelp(wxCommandEvent& event);

    DesktopModalServices m_modal;
};

wxDECLARE_APP(CMainApp);
