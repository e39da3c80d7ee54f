#pragma once

#include <cstdint>
#include <span>

// A read-only file read with pread at 64-bit offsets. Open refuses what is not
// a regular file. While open it holds a shared advisory lock, the nearest this
// platform has to "others may read but not write".
class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    [[nodiscard]] bool Open(const char* path);
    uint64_t Size() const { return m_size; }

    // Reads exactly out.size() bytes at `offset`; false if any is missing.
    [[nodiscard]] bool ReadAt(uint64_t offset, std::span<uint8_t> out) const;
    // Reads the 8-byte header (id, size) of the chunk at `offset`.
    [[nodiscard]] bool ReadChunkHeader(uint64_t offset, uint32_t& id, uint32_t& size) const;

private:
    int m_fd = -1;
    uint64_t m_size = 0;
};
