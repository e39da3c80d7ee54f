#include "video/AviStream.h"

namespace {

constexpr long kFindKeyAtOrBefore = kFindKey | kFindPrev;

} // namespace

CAviStream::CAviStream() : CAviStream(DefaultAviFileService()) {}

CAviStream::CAviStream(IAviFileService& service) : m_service(service) {}

CAviStream::~CAviStream()
{
    Close();
}

bool CAviStream::Open(const char* path)
{
    Close();
    m_strPath = path;
    if (m_service.FileOpen(&m_pFile, m_strPath.c_str()) != kAviOk) {
        m_pFile = nullptr;
        return false;
    }
    if (m_service.FileGetStream(m_pFile, &m_pStream, kStreamTypeVideo, 0) != kAviOk) {
        m_pStream = nullptr;
        m_service.FileRelease(m_pFile);
        m_pFile = nullptr;
        return false;
    }
    m_service.StreamInfo(m_pStream, &m_info, sizeof m_info);
    return true;
}

void CAviStream::Close()
{
    if (m_pStream) {
        m_service.StreamRelease(m_pStream);
        m_pStream = nullptr;
    }
    if (m_pFile) {
        m_service.FileRelease(m_pFile);
        m_pFile = nullptr;
    }
}

bool CAviStream::IsOpen() const
{
    return m_pFile != nullptr && m_pStream != nullptr;
}

LONG CAviStream::GetLength() const
{
    return static_cast<LONG>(m_service.StreamLength(m_pStream));
}

double CAviStream::GetFrameRate() const
{
    if (m_info.dwScale == 0)
        return 0.0;
    return static_cast<double>(m_info.dwRate) / static_cast<double>(m_info.dwScale);
}

int CAviStream::GetWidth() const
{
    return static_cast<int>(int64_t{m_info.rcFrame.right} - m_info.rcFrame.left);
}

int CAviStream::GetHeight() const
{
    return static_cast<int>(int64_t{m_info.rcFrame.bottom} - m_info.rcFrame.top);
}

bool CAviStream::GetFrameInfo(LONG frame, FRAMEINFO& info) const
{
    if (!IsOpen())
        return false;
    long bytes = 0;
    if (m_service.StreamSampleSize(m_pStream, frame, &bytes) != kAviOk)
        return false;
    const long keyPosition = m_service.StreamFindSample(m_pStream, frame, kFindKeyAtOrBefore);
    info.lFrame = frame;
    info.lBytes = static_cast<LONG>(bytes);
    info.bKeyFrame = keyPosition == frame;
    return true;
}
