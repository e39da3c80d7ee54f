#include "platform/avi/StreamInfoParser.h"

#include "platform/avi/ByteCursor.h"
#include "platform/avi/FourCC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// strh on disk: fccType, fccHandler, dwFlags, wPriority, wLanguage,
// dwInitialFrames, dwScale, dwRate, dwStart, dwLength, dwSuggestedBufferSize,
// dwQuality, dwSampleSize, then rcFrame as four int16 (missing in old files).
void ReadStrh(std::span<const uint8_t> strh, AviStreamInfo& info)
{
    ByteCursor c(strh);
    // Each field is read while bytes last; a short header leaves the rest zero.
    (void)(c.ReadU32(info.fccType) && c.ReadU32(info.fccHandler) && c.ReadU32(info.dwFlags) &&
           c.ReadU16(info.wPriority) && c.ReadU16(info.wLanguage) && c.ReadU32(info.dwInitialFrames) &&
           c.ReadU32(info.dwScale) && c.ReadU32(info.dwRate) && c.ReadU32(info.dwStart) &&
           c.ReadU32(info.dwLength) && c.ReadU32(info.dwSuggestedBufferSize) && c.ReadU32(info.dwQuality) &&
           c.ReadU32(info.dwSampleSize));
    int16_t left = 0, top = 0, right = 0, bottom = 0;
    if (c.ReadI16(left) && c.ReadI16(top) && c.ReadI16(right) && c.ReadI16(bottom))
        info.rcFrame = {left, top, right, bottom};
}

bool RectIsEmpty(const AviRect& r)
{
    return int64_t{r.right} - r.left <= 0 || int64_t{r.bottom} - r.top <= 0;
}

// Old writers leave rcFrame zero; the picture size is then the bitmap's.
void FillRectFromBitmap(std::span<const uint8_t> strf, AviStreamInfo& info)
{
    ByteCursor c(strf);
    uint32_t biSize = 0;
    int32_t width = 0, height = 0;
    if (!c.ReadU32(biSize) || !c.ReadI32(width) || !c.ReadI32(height))
        return;
    // biHeight < 0 means a top-down bitmap of |biHeight| rows; INT32_MIN has no
    // positive counterpart and is nonsense anyway.
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return;
    info.rcFrame = {0, 0, width, height < 0 ? -height : height};
}

void ReadName(std::span<const uint8_t> strn, AviStreamInfo& info)
{
    size_t n = std::min(strn.size(), sizeof info.szName - 1);
    size_t i = 0;
    for (; i < n && strn[i] != 0; ++i)
        info.szName[i] = static_cast<char>(strn[i]);
    info.szName[i] = '\0';
}

} // namespace

AviStreamInfo ParseStreamInfo(std::span<const uint8_t> strh, std::span<const uint8_t> strf,
                              std::span<const uint8_t> strn)
{
    AviStreamInfo info{};
    ReadStrh(strh, info);
    if (info.fccType == fcc::kVids && RectIsEmpty(info.rcFrame))
        FillRectFromBitmap(strf, info);
    ReadName(strn, info);
    return info;
}
