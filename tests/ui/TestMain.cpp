#include "TestApp.h"

#include "platform/dialog/EscapedException.h"
#include "platform/dialog/FrameworkIds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

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

namespace {

constexpr const char* kAttemptVariable = "QUORVEL_TEST_DISPLAY_ATTEMPT";
constexpr int kDisplayAttempts = 5;

// Xvfb resets itself when its last client leaves, and refuses whoever
// connects during the reset: tests that start one after another can meet it.
// The process starts afresh to try again, a few times.
[[noreturn]] void RetryOrFail(char** argv)
{
    const char* attempt = std::getenv(kAttemptVariable);
    const int next = (attempt ? std::atoi(attempt) : 1) + 1;
    if (next <= kDisplayAttempts) {
        setenv(kAttemptVariable, std::to_string(next).c_str(), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        execv("/proc/self/exe", argv);
    }
    std::fprintf(stderr, "the GUI toolkit could not start\n");
    std::exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> arguments(argv, argv + argc + 1);
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        RetryOrFail(arguments.data());
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
