#pragma once

#include "report/ReportSettings.h"

#include <array>
#include <cstdint>
#include <string_view>

// Seconds per frame, held as a float as the report has always done: at 25 fps
// it lies a little below 0.04, so frame 3 starts at 00:00:00.11. 0 when the
// stream gives no rate.
float FrameDuration(double framesPerSecond);

// Formats one data line of the report:
// first, last, start time, end time, bitrate in kbps ("%14.3f"), size, "\n",
// tab-separated. Times are hh:mm:ss.hh, truncated; sizes decimal.
class ReportLineFormatter {
public:
    ReportLineFormatter(float frameDuration, const ReportSettings& settings);

    // The line for frames first..last holding byteTotal bytes; valid until the
    // next call.
    std::string_view Format(uint32_t first, uint32_t last, uint64_t byteTotal);

private:
    float m_frameDuration;
    uint32_t m_unitDivisor;
    bool m_averageMode;
    std::array<char, 512> m_buffer;
};
