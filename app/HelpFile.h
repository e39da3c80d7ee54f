#pragma once

#include <string>

// The help file of an executable: its path with the extension ".HLP".
std::string HelpFileFor(const std::string& executablePath);

// Opens the help file with the desktop's viewer for it. False when there is
// no such file or nothing can open it. Desktop viewers open a file, not a
// topic, so the help context goes no further than the request.
bool LaunchHelpViewer(const std::string& helpFile);
