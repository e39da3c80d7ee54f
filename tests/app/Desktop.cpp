#include "Desktop.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace desktop {

namespace {

constexpr auto kBetweenLookups = std::chrono::milliseconds(100);

std::string Trim(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string VisibleWindowTitled(const std::string& title)
{
    std::istringstream windows(Run("xdotool search --onlyvisible --class quorvel 2>/dev/null"));
    for (std::string window; std::getline(windows, window);) {
        if (Trim(Run("xdotool getwindowname " + window + " 2>/dev/null")) == title)
            return window;
    }
    return {};
}

} // namespace

std::string Run(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            output.append(buffer.data(), n);
        pclose(pipe);
    }
    return output;
}

std::string WaitForWindow(const std::string& title)
{
    for (int i = 0; i < kWindowLookups; ++i) {
        if (std::string window = VisibleWindowTitled(title); !window.empty())
            return window;
        std::this_thread::sleep_for(kBetweenLookups);
    }
    return {};
}

bool WaitUntilGone(const std::string& window, int lookups)
{
    for (int i = 0; i < lookups; ++i) {
        if (Run("xdotool search --onlyvisible --class quorvel 2>/dev/null").find(window) == std::string::npos)
            return true;
        std::this_thread::sleep_for(kBetweenLookups);
    }
    return false;
}

void Focus(const std::string& window)
{
    Run("xdotool mousemove --window " + window + " 1 1 windowfocus --sync " + window);
}

void Click(const std::string& window, wxPoint point)
{
    Run("xdotool mousemove --window " + window + " " + std::to_string(point.x) + " " + std::to_string(point.y)
        + " click 1");
}

void Keys(const std::string& keys)
{
    Run("xdotool key --delay 50 " + keys);
}

void Type(const std::string& text)
{
    Run("xdotool type --delay 50 '" + text + "'");
}

wxSize WindowSize(const std::string& window)
{
    std::istringstream shell(Run("xdotool getwindowgeometry --shell " + window));
    wxSize size;
    for (std::string line; std::getline(shell, line);) {
        if (line.rfind("WIDTH=", 0) == 0)
            size.x = std::stoi(line.substr(6));
        if (line.rfind("HEIGHT=", 0) == 0)
            size.y = std::stoi(line.substr(7));
    }
    return size;
}

pid_t Start(const std::filesystem::path& program, const std::filesystem::path& folder)
{
    const pid_t process = fork();
    if (process == 0) {
        if (chdir(folder.c_str()) == 0)
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return process;
}

int WaitForExit(pid_t process)
{
    int status = 0;
    waitpid(process, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace desktop
