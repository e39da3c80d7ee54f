#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Four characters read little-endian, as RIFF stores them.
constexpr uint32_t FourCC(std::string_view s)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24;
}

namespace fcc {
constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kList = FourCC("LIST");
constexpr uint32_t kAvi = FourCC("AVI ");
constexpr uint32_t kAvix = FourCC("AVIX");
constexpr uint32_t kHdrl = FourCC("hdrl");
constexpr uint32_t kStrl = FourCC("strl");
constexpr uint32_t kStrh = FourCC("strh");
constexpr uint32_t kStrf = FourCC("strf");
constexpr uint32_t kStrn = FourCC("strn");
constexpr uint32_t kIndx = FourCC("indx");
constexpr uint32_t kMovi = FourCC("movi");
constexpr uint32_t kRec = FourCC("rec ");
constexpr uint32_t kIdx1 = FourCC("idx1");
constexpr uint32_t kVids = FourCC("vids");
} // namespace fcc

// Chunk ids of stream data are two decimal digits (the stream number) and two
// letters: "00dc" compressed video, "00db" uncompressed video, "01wb" audio,
// "00pc" palette change.
struct StreamChunkId {
    unsigned stream;
    bool isVideoFrame; // "dc" or "db"
};

constexpr std::optional<StreamChunkId> ParseStreamChunkId(uint32_t id)
{
    auto c0 = static_cast<char>(id & 0xFF);
    auto c1 = static_cast<char>((id >> 8) & 0xFF);
    auto c2 = static_cast<char>((id >> 16) & 0xFF);
    auto c3 = static_cast<char>((id >> 24) & 0xFF);
    if (c0 < '0' || c0 > '9' || c1 < '0' || c1 > '9')
        return std::nullopt;
    unsigned stream = static_cast<unsigned>(c0 - '0') * 10 + static_cast<unsigned>(c1 - '0');
    bool video = c2 == 'd' && (c3 == 'c' || c3 == 'b');
    return StreamChunkId{stream, video};
}
