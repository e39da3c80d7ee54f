#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Reads little-endian fields from a span of untrusted bytes. Every read checks
// the bounds (as `count <= size - pos`, which cannot overflow) and reports
// success; on failure the cursor does not move and the output is untouched.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    [[nodiscard]] bool ReadU8(uint8_t& out);
    [[nodiscard]] bool ReadU16(uint16_t& out);
    [[nodiscard]] bool ReadI16(int16_t& out);
    [[nodiscard]] bool ReadU32(uint32_t& out);
    [[nodiscard]] bool ReadI32(int32_t& out);
    [[nodiscard]] bool ReadU64(uint64_t& out);
    [[nodiscard]] bool Skip(size_t count);

    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_bytes.size() - m_pos; }

private:
    [[nodiscard]] bool Has(size_t count) const { return count <= m_bytes.size() - m_pos; }
    uint64_t Le(size_t count);

    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};
