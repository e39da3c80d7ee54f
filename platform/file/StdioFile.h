#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A text file written through a buffered stream: every "\n" reaches the file
// as CR LF, and text holding non-ASCII UTF-8 is stored in code page 932.
// Failed writes and a failed close raise CFileException naming the full path.
class CStdioFile {
public:
    CStdioFile() = default;
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    ~CStdioFile();

    // Creates or truncates `path` for writing; false (nothing raised) on failure.
    bool Open(const std::string& path);
    // Writes to the process's standard output, which is not closed at the end.
    void OpenStandardOutput();

    void WriteString(std::string_view text);
    // Flushes and closes; does nothing when already closed.
    void Close();
    bool IsOpen() const { return m_pStream != nullptr; }
    const std::string& GetFilePath() const { return m_strPath; }

private:
    std::FILE* m_pStream = nullptr;
    bool m_bOwnsStream = false;
    std::string m_strPath;
};
