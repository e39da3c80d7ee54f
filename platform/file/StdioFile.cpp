#include "platform/file/StdioFile.h"

#include "platform/file/Cp932.h"
#include "platform/file/FileException.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr size_t kStreamBufferSize = 1 << 16;

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string FullPath(const std::string& path)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace

CStdioFile::~CStdioFile()
{
    if (!m_pStream)
        return;
    if (m_bOwnsStream)
        std::fclose(m_pStream);
    else
        std::fflush(m_pStream);
}

bool CStdioFile::Open(const std::string& path)
{
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (!stream)
        return false;
    std::setvbuf(stream, nullptr, _IOFBF, kStreamBufferSize);
    m_pStream = stream;
    m_bOwnsStream = true;
    m_strPath = FullPath(path);
    return true;
}

void CStdioFile::OpenStandardOutput()
{
    m_pStream = stdout;
    m_bOwnsStream = false;
    m_strPath = "/dev/stdout";
}

void CStdioFile::WriteString(std::string_view text)
{
    const std::string converted = IsAscii(text) ? std::string() : Utf8ToCp932(text);
    if (!converted.empty())
        text = converted;

    // Text mode: each line feed goes out as CR LF.
    bool ok = true;
    while (ok && !text.empty()) {
        const size_t lineEnd = text.find('\n');
        const size_t count = lineEnd == std::string_view::npos ? text.size() : lineEnd;
        ok = fwrite_unlocked(text.data(), 1, count, m_pStream) == count;
        if (ok && lineEnd != std::string_view::npos)
            ok = fwrite_unlocked("\r\n", 1, 2, m_pStream) == 2;
        text.remove_prefix(std::min(text.size(), count + 1));
    }
    if (!ok)
        throw CFileException(CFileException::diskFull, m_strPath);
}

void CStdioFile::Close()
{
    if (!m_pStream)
        return;
    std::FILE* stream = std::exchange(m_pStream, nullptr);
    const bool failed = m_bOwnsStream ? std::fclose(stream) != 0 : std::fflush(stream) != 0 || std::ferror(stream);
    if (failed)
        throw CFileException(CFileException::diskFull, m_strPath);
}
