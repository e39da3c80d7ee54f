#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs quorvel-report through the shell, as a user would, and collects what it
// said.

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::filesystem::path& path);

// Test processes run side by side: every name carries the process id.
std::filesystem::path TempPath(const std::string& name);

// `quorvel-report <args>`, standard output and error caught in files.
RunResult RunReport(const std::string& args);

// `<prefix> quorvel-report <args>` with standard output sent to `stdoutPath`
// (then `out` holds what reached it, when it is a regular file).
RunResult RunReportWith(const std::string& prefix, const std::string& args, const std::filesystem::path& stdoutPath);

// The report's lines after the header, each with its CR (lines split at LF).
std::vector<std::string> DataLines(const std::string& report);
