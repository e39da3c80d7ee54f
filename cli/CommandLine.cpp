#include "cli/CommandLine.h"

#include <charconv>

const char* const kUsage =
    "usage: quorvel-report [--every N] [--average] [--unit byte|kb|mb] [-o FILE] FILE.avi\n"
    "       quorvel-report --info FILE.avi\n"
    "       quorvel-report --help | --version\n"
    "\n"
    "Writes the frame report of the first video stream of FILE.avi: one line per\n"
    "frame, or per N frames with --every, giving the total size of the group's\n"
    "frames (their average with --average) in bytes, KB (1000) or MB (1000000).\n"
    "  -o FILE   write the report to FILE instead of standard output\n"
    "  --info    print the picture size, frame count and frame rate instead\n";

namespace {

std::optional<int32_t> ParsePositive(const std::string& text)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<int> ParseUnit(const std::string& text)
{
    if (text == "byte") return kSizeUnitByte;
    if (text == "kb") return kSizeUnitKilo;
    if (text == "mb") return kSizeUnitMega;
    return std::nullopt;
}

} // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error)
{
    CommandLine line;
    std::optional<int32_t> every;
    bool average = false;
    int unit = kSizeUnitByte;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (arg == "--info") {
            line.action = CommandLine::Action::Info;
        } else if (arg == "--average") {
            average = true;
        } else if (arg == "--every" || arg == "--unit" || arg == "-o") {
            if (!hasValue) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (arg == "-o") {
                line.outputPath = value;
            } else if (arg == "--every") {
                every = ParsePositive(value);
                if (!every) {
                    error = "--every takes a positive number, not '" + value + "'";
                    return std::nullopt;
                }
            } else {
                const auto parsed = ParseUnit(value);
                if (!parsed) {
                    error = "--unit takes byte, kb or mb, not '" + value + "'";
                    return std::nullopt;
                }
                unit = *parsed;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (line.inputPath.empty()) {
            line.inputPath = arg;
        } else {
            error = "only one input file is read";
            return std::nullopt;
        }
    }
    if (line.inputPath.empty()) {
        error = "no input file";
        return std::nullopt;
    }

    // The same rules as the dialog's option controls.
    line.settings.unitDivisor = UnitDivisorFor(unit);
    line.settings.groupFrameCount = GroupFrameCountFor(every.has_value(), every.value_or(0)).value_or(1);
    line.settings.averageMode = AverageModeFor(every.has_value(), average ? kSizeModeAverage : kSizeModeTotal);
    return line;
}
