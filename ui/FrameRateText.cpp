#include "ui/FrameRateText.h"

#include <charconv>

namespace {

constexpr int kDecimals = 4;
constexpr size_t kMinimumWidth = 8;

} // namespace

std::string FrameRateText(double framesPerSecond)
{
    // Large enough for the longest double in fixed notation.
    char digits[400];
    const auto result = std::to_chars(digits, digits + sizeof digits, framesPerSecond, std::chars_format::fixed,
                                      kDecimals);
    std::string text(digits, result.ptr);
    if (text.size() < kMinimumWidth)
        text.insert(0, kMinimumWidth - text.size(), ' ');
    return text;
}
