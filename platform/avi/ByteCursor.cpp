#include "platform/avi/ByteCursor.h"

uint64_t ByteCursor::Le(size_t count)
{
    uint64_t v = 0;
    for (size_t i = 0; i < count; ++i)
        v |= static_cast<uint64_t>(m_bytes[m_pos + i]) << (8 * i);
    m_pos += count;
    return v;
}

bool ByteCursor::ReadU8(uint8_t& out)
{
    if (!Has(1))
        return false;
    out = static_cast<uint8_t>(Le(1));
    return true;
}

bool ByteCursor::ReadU16(uint16_t& out)
{
    if (!Has(2))
        return false;
    out = static_cast<uint16_t>(Le(2));
    return true;
}

bool ByteCursor::ReadI16(int16_t& out)
{
    uint16_t v;
    if (!ReadU16(v))
        return false;
    out = static_cast<int16_t>(v);
    return true;
}

bool ByteCursor::ReadU32(uint32_t& out)
{
    if (!Has(4))
        return false;
    out = static_cast<uint32_t>(Le(4));
    return true;
}

bool ByteCursor::ReadI32(int32_t& out)
{
    uint32_t v;
    if (!ReadU32(v))
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

bool ByteCursor::ReadU64(uint64_t& out)
{
    if (!Has(8))
        return false;
    out = Le(8);
    return true;
}

bool ByteCursor::Skip(size_t count)
{
    if (!Has(count))
        return false;
    m_pos += count;
    return true;
}
