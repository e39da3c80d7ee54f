#pragma once

#include <string>

// The one error type that file output raises; the window and the command line
// turn it into words by showing GetErrorMessage().
class CException {
public:
    virtual ~CException() = default;
    virtual std::string GetErrorMessage() const = 0;
};

class CFileException : public CException {
public:
    enum Cause { diskFull };

    CFileException(Cause cause, std::string fileName);

    Cause GetCause() const { return m_cause; }
    const std::string& GetFileName() const { return m_strFileName; }
    std::string GetErrorMessage() const override;

private:
    Cause m_cause;
    std::string m_strFileName;
};
