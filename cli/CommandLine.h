#pragma once

#include "report/ReportSettings.h"

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Report, Info, Help, Version };

    Action action = Action::Report;
    ReportSettings settings;
    std::string inputPath;
    std::string outputPath;  // empty: standard output
};

// Reads the arguments (without the program name). On a bad argument, nothing,
// with the reason in `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;
