#include "tests/support/RiffBuilder.h"

#include <stdexcept>

LeBytes& LeBytes::U8(uint8_t v)
{
    m_bytes.push_back(v);
    return *this;
}

LeBytes& LeBytes::U16(uint16_t v)
{
    U8(static_cast<uint8_t>(v));
    return U8(static_cast<uint8_t>(v >> 8));
}

LeBytes& LeBytes::U32(uint32_t v)
{
    U16(static_cast<uint16_t>(v));
    return U16(static_cast<uint16_t>(v >> 16));
}

LeBytes& LeBytes::U64(uint64_t v)
{
    U32(static_cast<uint32_t>(v));
    return U32(static_cast<uint32_t>(v >> 32));
}

LeBytes& LeBytes::Zeros(size_t count)
{
    m_bytes.insert(m_bytes.end(), count, 0);
    return *this;
}

LeBytes& LeBytes::Append(std::span<const uint8_t> bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

uint64_t RiffWriter::BeginListOf(std::string_view id, std::string_view type)
{
    uint64_t at = m_sink.Position();
    m_sink.Write(LeBytes().FourCC(id).U32(0).FourCC(type));
    m_open.push_back(at);
    return at;
}

void RiffWriter::EndList()
{
    if (m_open.empty())
        throw std::logic_error("RiffWriter::EndList without an open list");
    uint64_t at = m_open.back();
    m_open.pop_back();
    uint64_t size = m_sink.Position() - at - 8;
    if (size > UINT32_MAX)
        throw std::length_error("RIFF list larger than 4 GiB");
    m_sink.PatchAt(at + 4, LeBytes().U32(static_cast<uint32_t>(size)));
}

void RiffWriter::Pad(uint64_t size)
{
    if (size & 1)
        m_sink.Write(LeBytes().U8(0));
}

uint64_t RiffWriter::Chunk(std::string_view id, std::span<const uint8_t> data)
{
    if (data.size() > UINT32_MAX)
        throw std::length_error("RIFF chunk larger than 4 GiB");
    uint64_t at = m_sink.Position();
    m_sink.Write(LeBytes().FourCC(id).U32(static_cast<uint32_t>(data.size())));
    m_sink.Write(data);
    Pad(data.size());
    return at;
}

uint64_t RiffWriter::HoleChunk(std::string_view id, uint32_t size)
{
    uint64_t at = m_sink.Position();
    m_sink.Write(LeBytes().FourCC(id).U32(size));
    m_sink.Skip(size + (size & 1u));
    return at;
}

uint64_t RiffWriter::ReserveChunk(std::string_view id, uint32_t size)
{
    uint64_t at = m_sink.Position();
    m_sink.Write(LeBytes().FourCC(id).U32(size).Zeros(size + (size & 1u)));
    return at;
}

uint64_t RiffWriter::RawHeader(std::string_view id, uint32_t sizeField)
{
    uint64_t at = m_sink.Position();
    m_sink.Write(LeBytes().FourCC(id).U32(sizeField));
    return at;
}
