#include "tests/support/ByteSink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr size_t kFlushThreshold = 1 << 20;

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace

void MemorySink::Write(std::span<const uint8_t> bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void MemorySink::Skip(uint64_t count)
{
    m_bytes.resize(m_bytes.size() + static_cast<size_t>(count), 0);
}

void MemorySink::PatchAt(uint64_t offset, std::span<const uint8_t> bytes)
{
    if (offset > m_bytes.size() || bytes.size() > m_bytes.size() - offset)
        throw std::out_of_range("MemorySink::PatchAt past the end");
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

void MemorySink::Truncate(uint64_t size)
{
    m_bytes.resize(static_cast<size_t>(size), 0);
}

FileSink::FileSink(const std::filesystem::path& path)
{
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0)
        Fail("cannot create " + path.string());
}

FileSink::~FileSink()
{
    try {
        Close();
    } catch (...) {
        // A destructor must not throw; Close() is there for callers who care.
    }
}

void FileSink::Close()
{
    if (m_fd < 0)
        return;
    Flush();
    if (::ftruncate(m_fd, static_cast<off_t>(m_length)) != 0)
        Fail("ftruncate");
    ::close(m_fd);
    m_fd = -1;
}

void FileSink::WriteAt(uint64_t offset, std::span<const uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(m_fd, bytes.data() + done, bytes.size() - done,
                             static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail("pwrite");
        }
        done += static_cast<size_t>(n);
    }
}

void FileSink::Flush()
{
    if (!m_buffer.empty())
        WriteAt(m_bufferStart, m_buffer);
    m_buffer.clear();
    m_bufferStart = m_position;
}

void FileSink::Write(std::span<const uint8_t> bytes)
{
    if (m_buffer.empty())
        m_bufferStart = m_position;
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    m_position += bytes.size();
    m_length = std::max(m_length, m_position);
    if (m_buffer.size() >= kFlushThreshold)
        Flush();
}

void FileSink::Skip(uint64_t count)
{
    Flush();
    m_position += count;
    m_bufferStart = m_position;
    m_length = std::max(m_length, m_position);
}

void FileSink::PatchAt(uint64_t offset, std::span<const uint8_t> bytes)
{
    // A patch may land inside the buffer not yet written: flush first so the
    // order of writes on disk is the order of the calls.
    Flush();
    WriteAt(offset, bytes);
    m_length = std::max(m_length, offset + bytes.size());
}

void FileSink::Truncate(uint64_t size)
{
    Flush();
    m_length = size;
    if (m_position > size)
        m_position = size;
    m_bufferStart = m_position;
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    FileSink sink(path);
    sink.Write(bytes);
    sink.Close();
}
