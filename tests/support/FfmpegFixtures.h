#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Real AVI files made by ffmpeg at test time, and an independent reading of
// their packets by ffprobe to compare against.

// True when both ffmpeg and ffprobe can be run.
bool FfmpegAvailable();

// Runs `ffmpeg -v error -y -nostdin <ffmpegArgs> -f avi <out>` once per name in
// this test process (later calls return the cached file). `ffmpegArgs` goes to
// the shell as written: inputs (e.g. `-f lavfi -i testsrc=d=1`), codecs,
// maps. Throws std::runtime_error when ffmpeg fails.
std::filesystem::path MakeFfmpegAvi(const std::string& name, const std::string& ffmpegArgs);

// Same, but the muxer writes to a pipe, so it cannot seek back: no idx1, and
// the header sizes are left as first written.
std::filesystem::path MakeFfmpegAviThroughPipe(const std::string& name, const std::string& ffmpegArgs);

struct ProbedPacket {
    uint32_t size = 0;
    bool key = false;
};

// The packets of the file's `videoIndex`-th video stream as ffprobe lists them,
// in order. Throws std::runtime_error when ffprobe fails.
std::vector<ProbedPacket> ProbeVideoPackets(const std::filesystem::path& file, int videoIndex = 0);

// A copy of `source` cut to `size` bytes, named `name` in the test folder.
std::filesystem::path TruncatedCopy(const std::filesystem::path& source, const std::string& name, uint64_t size);
