#pragma once

#include "platform/avi/AviFileService.h"

#include <cstdint>
#include <string>

using LONG = int32_t;

// One frame of the video stream, as GetFrameInfo reports it.
struct FRAMEINFO {
    LONG lFrame;    // the frame number asked for
    LONG lBytes;    // size in bytes of the frame's data
    bool bKeyFrame; // the frame is a key frame
};

// The first video stream of one AVI file. Every answer comes from the file
// service; no frame data is ever read. Failures are results, never messages.
class CAviStream {
public:
    CAviStream();
    explicit CAviStream(IAviFileService& service);
    CAviStream(const CAviStream&) = delete;
    CAviStream& operator=(const CAviStream&) = delete;
    virtual ~CAviStream();

    bool Open(const char* path);
    void Close();
    bool IsOpen() const;

    // Asks the service anew at every call; callers ask only while open.
    LONG GetLength() const;
    // These three answer from the information of the last stream opened, also
    // after Close or a failed Open; before the first Open they are meaningless.
    double GetFrameRate() const;
    int GetWidth() const;
    int GetHeight() const;

    bool GetFrameInfo(LONG frame, FRAMEINFO& info) const;

private:
    PAVISTREAM m_pStream = nullptr;
    PAVIFILE m_pFile = nullptr;
    AviStreamInfo m_info{};
    std::string m_strPath;
    IAviFileService& m_service;
};
