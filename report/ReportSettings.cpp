#include "report/ReportSettings.h"

#include <cctype>
#include <cstdint>
#include <limits>

uint32_t UnitDivisorFor(int sizeUnitSelection)
{
    switch (sizeUnitSelection) {
    case kSizeUnitKilo: return 1000;
    case kSizeUnitMega: return 1000000;
    default: return 1;
    }
}

std::optional<int32_t> GroupFrameCountFor(bool everyNFramesChecked, int32_t countFieldValue)
{
    if (everyNFramesChecked && countFieldValue > 0)
        return countFieldValue;
    return std::nullopt;
}

bool AverageModeFor(bool everyNFramesChecked, int sizeModeSelection)
{
    return everyNFramesChecked && sizeModeSelection == kSizeModeAverage;
}

int32_t ReadDialogInt(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (!std::isdigit(static_cast<unsigned char>(*text)))
        return 0;

    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        value = value * 10 + (*text - '0');
        if (value > kLimit)
            return 0;
    }
    if (*text != '\0')
        return 0;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(value);
}
