#include "app/HelpFile.h"

#include <filesystem>

#include <wx/utils.h>

std::string HelpFileFor(const std::string& executablePath)
{
    return std::filesystem::path(executablePath).replace_extension(".HLP").string();
}

bool LaunchHelpViewer(const std::string& helpFile)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(helpFile, error))
        return false;
    return wxLaunchDefaultApplication(wxString::FromUTF8(helpFile));
}
