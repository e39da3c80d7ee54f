#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// Where the RIFF builder puts its bytes. Writes go forward from the position;
// Skip leaves a hole (zeros in memory, a sparse hole on disk); PatchAt rewrites
// bytes already written, which is how list sizes and reserved index slots are
// filled in after the fact. Streaming through a sink keeps memory small even
// for files of many GiB whose frame data are holes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual uint64_t Position() const = 0;
    virtual void Write(std::span<const uint8_t> bytes) = 0;
    virtual void Skip(uint64_t count) = 0;
    virtual void PatchAt(uint64_t offset, std::span<const uint8_t> bytes) = 0;
    // Cuts (or extends with a hole) the output to `size` bytes.
    virtual void Truncate(uint64_t size) = 0;
};

class MemorySink final : public ByteSink {
public:
    uint64_t Position() const override { return m_bytes.size(); }
    void Write(std::span<const uint8_t> bytes) override;
    void Skip(uint64_t count) override;
    void PatchAt(uint64_t offset, std::span<const uint8_t> bytes) override;
    void Truncate(uint64_t size) override;

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t> Take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

// Writes straight to a file with pwrite; small writes are gathered in a buffer
// so that a million 8-byte chunk headers do not cost a million system calls.
// Throws std::runtime_error when the file cannot be written.
class FileSink final : public ByteSink {
public:
    explicit FileSink(const std::filesystem::path& path);
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    ~FileSink() override;

    uint64_t Position() const override { return m_position; }
    void Write(std::span<const uint8_t> bytes) override;
    void Skip(uint64_t count) override;
    void PatchAt(uint64_t offset, std::span<const uint8_t> bytes) override;
    void Truncate(uint64_t size) override;
    // Flushes and sets the file's length to the position reached (so a hole at
    // the end still counts). Called by the destructor too.
    void Close();

private:
    void Flush();
    void WriteAt(uint64_t offset, std::span<const uint8_t> bytes);

    int m_fd = -1;
    uint64_t m_position = 0;
    uint64_t m_length = 0; // the length the file must have at Close
    uint64_t m_bufferStart = 0;
    std::vector<uint8_t> m_buffer;
};

// Writes `bytes` to `path`, replacing it.
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);
