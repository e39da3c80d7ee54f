#pragma once

#include <optional>

#include <wx/app.h>

class IModalServices;

// The application object of the GUI tests: it reports escaped exceptions the
// way the program does, through the modal services a test hands it, and
// records help requests.
class TestApp : public wxApp {
public:
    bool OnInit() override;
    bool OnExceptionInMainLoop() override;

    IModalServices* exceptionModal = nullptr;
    std::optional<int> helpContext;
};

wxDECLARE_APP(TestApp);
