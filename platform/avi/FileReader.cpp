#include "platform/avi/FileReader.h"

#include "platform/avi/ByteCursor.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileReader::~FileReader()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing drops the advisory lock
}

bool FileReader::Open(const char* path)
{
    if (m_fd >= 0 || path == nullptr)
        return false;
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        return false;
    }
    // Someone holding an exclusive lock is writing the file: refuse, as a
    // share-deny-write open would.
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = static_cast<uint64_t>(st.st_size);
    return true;
}

bool FileReader::ReadAt(uint64_t offset, std::span<uint8_t> out) const
{
    if (m_fd < 0 || offset > m_size || out.size() > m_size - offset)
        return false;
    size_t done = 0;
    while (done < out.size()) {
        uint64_t at = offset + done;
        if (at > static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
            return false;
        ssize_t n = ::pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // an error, or the file shrank under us
        done += static_cast<size_t>(n);
    }
    return true;
}

bool FileReader::ReadChunkHeader(uint64_t offset, uint32_t& id, uint32_t& size) const
{
    std::array<uint8_t, 8> header{};
    if (!ReadAt(offset, header))
        return false;
    ByteCursor cursor(header);
    return cursor.ReadU32(id) && cursor.ReadU32(size);
}
