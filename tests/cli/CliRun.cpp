#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::filesystem::path TempPath(const std::string& name)
{
    return std::filesystem::path(::testing::TempDir()) / (std::to_string(getpid()) + "-" + name);
}

RunResult RunReportWith(const std::string& prefix, const std::string& args, const std::filesystem::path& stdoutPath)
{
    const auto err = TempPath("cli.err");
    const std::string command =
        prefix + " " + QUORVEL_REPORT + " " + args + " >" + stdoutPath.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    // Devices such as /dev/full read forever: only a file's contents are kept.
    const std::string out = std::filesystem::is_regular_file(stdoutPath) ? ReadAll(stdoutPath) : std::string();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ReadAll(err)};
}

RunResult RunReport(const std::string& args)
{
    return RunReportWith("", args, TempPath("cli.out"));
}

std::vector<std::string> DataLines(const std::string& report)
{
    std::vector<std::string> lines;
    std::istringstream in(report);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}
