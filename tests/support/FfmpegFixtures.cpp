#include "tests/support/FfmpegFixtures.h"

#include "tests/support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

std::string Quote(const std::string& s)
{
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

void Run(const std::string& command)
{
    int rc = std::system(command.c_str());
    if (rc != 0)
        throw std::runtime_error("command failed (" + std::to_string(rc) + "): " + command);
}

std::string Capture(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run: " + command);
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    int rc = ::pclose(pipe);
    if (rc != 0)
        throw std::runtime_error("command failed (" + std::to_string(rc) + "): " + command);
    return out;
}

std::filesystem::path Make(const std::string& name, const std::string& args, bool pipe)
{
    static std::map<std::string, std::filesystem::path> cache;
    std::string key = (pipe ? "pipe:" : "file:") + name;
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    std::filesystem::path out = TestTempPath(name + ".avi");
    std::string command = "ffmpeg -hide_banner -v error -y -nostdin " + args + " -f avi ";
    command += pipe ? "pipe:1 > " + Quote(out.string()) : Quote(out.string());
    Run(command);
    cache[key] = out;
    return out;
}

} // namespace

bool FfmpegAvailable()
{
    return std::system("ffmpeg -version >/dev/null 2>&1") == 0 &&
           std::system("ffprobe -version >/dev/null 2>&1") == 0;
}

std::filesystem::path MakeFfmpegAvi(const std::string& name, const std::string& ffmpegArgs)
{
    return Make(name, ffmpegArgs, false);
}

std::filesystem::path MakeFfmpegAviThroughPipe(const std::string& name, const std::string& ffmpegArgs)
{
    return Make(name, ffmpegArgs, true);
}

std::vector<ProbedPacket> ProbeVideoPackets(const std::filesystem::path& file, int videoIndex)
{
    std::string out = Capture("ffprobe -v error -select_streams v:" + std::to_string(videoIndex) +
                              " -show_entries packet=size,flags -of csv=p=0 " + Quote(file.string()));
    std::vector<ProbedPacket> packets;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        size_t comma = line.find(',');
        if (comma == std::string::npos)
            throw std::runtime_error("unexpected ffprobe line: " + line);
        ProbedPacket p;
        p.size = static_cast<uint32_t>(std::stoul(line.substr(0, comma)));
        p.key = line.find('K', comma) != std::string::npos;
        packets.push_back(p);
    }
    return packets;
}

std::filesystem::path TruncatedCopy(const std::filesystem::path& source, const std::string& name, uint64_t size)
{
    std::filesystem::path out = TestTempPath(name + ".avi");
    std::filesystem::copy_file(source, out, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(out, size);
    return out;
}
