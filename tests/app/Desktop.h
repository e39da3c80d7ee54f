#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

#include <wx/gdicmn.h>

// The X display seen from outside the program, through xdotool. Xvfb has no
// window manager: a window gets the keyboard by being given the input focus.
namespace desktop {

// How often a window is looked for, a tenth of a second apart, before giving up.
constexpr int kWindowLookups = 200;

// Runs a shell command; its standard output.
std::string Run(const std::string& command);

// The id of the program's visible window with this title, looking again until
// it appears; empty when it never does.
std::string WaitForWindow(const std::string& title);
// Looks again until the window is gone; false when it stays.
bool WaitUntilGone(const std::string& window, int lookups = kWindowLookups);

void Focus(const std::string& window);
// A left click at a point of the window's client area.
void Click(const std::string& window, wxPoint point);
void Keys(const std::string& keys);
void Type(const std::string& text);
wxSize WindowSize(const std::string& window);

// Starts `program` in `folder`; its process id.
pid_t Start(const std::filesystem::path& program, const std::filesystem::path& folder);
// The exit status once the process has ended.
int WaitForExit(pid_t process);

} // namespace desktop
