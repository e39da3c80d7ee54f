#pragma once

#include "tests/support/ByteSink.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Four characters read little-endian, as RIFF stores them: Fcc("RIFF").
constexpr uint32_t Fcc(std::string_view s)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24;
}

// A little-endian byte string built field by field, so that fixtures read like
// the structure they describe: LeBytes().U32(40).I32(width).I32(height)...
class LeBytes {
public:
    LeBytes& U8(uint8_t v);
    LeBytes& U16(uint16_t v);
    LeBytes& I16(int16_t v) { return U16(static_cast<uint16_t>(v)); }
    LeBytes& U32(uint32_t v);
    LeBytes& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
    LeBytes& U64(uint64_t v);
    LeBytes& FourCC(std::string_view s) { return U32(Fcc(s)); }
    LeBytes& Zeros(size_t count);
    LeBytes& Append(std::span<const uint8_t> bytes);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }
    operator std::span<const uint8_t>() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// Writes RIFF chunks and lists into a sink with the sizes and pad bytes worked
// out: BeginRiff/BeginList push a list whose size EndList patches; Chunk writes
// header, data and the pad byte of an odd size. Every call returns the file
// offset of what it wrote (the 8-byte header), which tests use to aim damage.
class RiffWriter {
public:
    explicit RiffWriter(ByteSink& sink) : m_sink(sink) {}
    ~RiffWriter() = default;

    uint64_t BeginRiff(std::string_view formType) { return BeginListOf("RIFF", formType); }
    uint64_t BeginList(std::string_view listType) { return BeginListOf("LIST", listType); }
    // Patches the size of the innermost open list (from its type to here).
    void EndList();
    size_t OpenLists() const { return m_open.size(); }

    uint64_t Chunk(std::string_view id, std::span<const uint8_t> data);
    // A chunk whose data are not written: a hole in the sink (sparse on disk).
    uint64_t HoleChunk(std::string_view id, uint32_t size);
    // A chunk of `size` zero bytes whose data are filled in later with Patch;
    // returns the offset of the header (data at +8).
    uint64_t ReserveChunk(std::string_view id, uint32_t size);
    // A chunk header with an arbitrary size field and no data (hostile input).
    uint64_t RawHeader(std::string_view id, uint32_t sizeField);
    void Raw(std::span<const uint8_t> bytes) { m_sink.Write(bytes); }
    void Patch(uint64_t offset, std::span<const uint8_t> bytes) { m_sink.PatchAt(offset, bytes); }

    uint64_t Position() const { return m_sink.Position(); }
    ByteSink& Sink() { return m_sink; }

private:
    uint64_t BeginListOf(std::string_view id, std::string_view type);
    void Pad(uint64_t size);

    ByteSink& m_sink;
    std::vector<uint64_t> m_open; // header offsets of the lists not yet ended
};
