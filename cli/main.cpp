#include "cli/CommandLine.h"
#include "platform/file/FileException.h"
#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "res/VersionInfo.h"
#include "video/AviStream.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitBadArguments = 2 };

int Fail(const std::string& message)
{
    std::fprintf(stderr, "quorvel-report: %s\n", message.c_str());
    return kExitFailed;
}

int Fail(const std::string& path, const char* message)
{
    return Fail(path + ": " + message);
}

int PrintInfo(const CAviStream& avi)
{
    std::printf("width: %d\nheight: %d\nframes: %ld\nframe rate: %8.4f\n", avi.GetWidth(), avi.GetHeight(),
                static_cast<long>(avi.GetLength()), avi.GetFrameRate());
    return kExitOk;
}

int WriteReport(const CAviStream& avi, const CommandLine& line)
{
    CStdioFile file;
    if (line.outputPath.empty())
        file.OpenStandardOutput();
    else if (!file.Open(line.outputPath))
        return Fail(line.outputPath, LoadResString(IDS_CREATE_FAILED));

    const ExportOutcome outcome = ExportFrameReport(file, avi, [&] { return line.settings; });
    switch (outcome.result) {
    case ExportResult::Completed: return kExitOk;
    case ExportResult::ReadFailed: return Fail(line.inputPath, LoadResString(IDS_READ_FAILED));
    case ExportResult::PassFailed: break;
    }
    return Fail(outcome.message);
}

int Run(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(kUsage, stdout);
        return kExitOk;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", std::string(kVersionInfo.productName).c_str(),
                    std::string(kVersionInfo.productVersionText).c_str());
        return kExitOk;
    case CommandLine::Action::Info:
    case CommandLine::Action::Report:
        break;
    }

    CAviStream avi;
    if (!avi.Open(line.inputPath.c_str()))
        return Fail(line.inputPath, LoadResString(IDS_NOT_OPENED));
    if (line.action == CommandLine::Action::Info)
        return PrintInfo(avi);
    try {
        return WriteReport(avi, line);
    } catch (const CException& error) {
        return Fail(error.GetErrorMessage());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = ParseCommandLine(args, error);
    if (!line) {
        std::fprintf(stderr, "quorvel-report: %s\n%s", error.c_str(), kUsage);
        return kExitBadArguments;
    }
    return Run(*line);
}
