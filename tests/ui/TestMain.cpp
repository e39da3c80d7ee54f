#include "TestApp.h"

#include "platform/dialog/EscapedException.h"
#include "platform/dialog/FrameworkIds.h"

#include <gtest/gtest.h>

#include <cstdio>

wxIMPLEMENT_APP_NO_MAIN(TestApp);

bool TestApp::OnInit()
{
    SetAppName("quorvel");
    SetAppDisplayName("quorvel");
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { helpContext = event.GetInt(); }, kIdHelp);
    return true;
}

bool TestApp::OnExceptionInMainLoop()
{
    return exceptionModal && ShowEscapedException(*exceptionModal, GetTopWindow());
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "the GUI toolkit could not start\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
