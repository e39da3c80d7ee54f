#include "platform/file/FileException.h"

#include <utility>

CFileException::CFileException(Cause cause, std::string fileName)
    : m_cause(cause), m_strFileName(std::move(fileName))
{
}

std::string CFileException::GetErrorMessage() const
{
    // Every failed write or close is reported as a full disk, whatever the
    // system said: the user's remedy is the same.
    return m_strFileName + " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。";
}
