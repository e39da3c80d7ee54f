#include "report/ReportLine.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kBitrateWidth = 14;
constexpr int kBitrateDecimals = 3;
constexpr double kBytesPerSecondToKbps = 0.008;
// Beyond this, t × 100 no longer fits an unsigned 64-bit integer.
constexpr double kLargestExactHundredths = 9.2e18;
constexpr unsigned kDecimalBase = 10;
constexpr uint64_t kTwoDigitLimit = 100;

char* AppendUnsigned(char* out, uint64_t value)
{
    return std::to_chars(out, out + 20, value).ptr;
}

// At least two digits, as "%02d" gives them.
char* AppendTwoDigits(char* out, uint64_t value)
{
    if (value >= kTwoDigitLimit)
        return AppendUnsigned(out, value);
    out[0] = static_cast<char>('0' + value / kDecimalBase);
    out[1] = static_cast<char>('0' + value % kDecimalBase);
    return out + 2;
}

// hours:minutes:seconds.hundredths, each truncated; hours keep counting past 24.
char* AppendTime(char* out, double seconds)
{
    const auto whole = static_cast<uint64_t>(seconds);
    const double scaled = seconds * 100.0;
    const uint64_t hundredths = scaled < kLargestExactHundredths
                                    ? static_cast<uint64_t>(scaled) % 100
                                    : static_cast<uint64_t>(std::fmod(std::trunc(scaled), 100.0));
    out = AppendTwoDigits(out, whole / 3600);
    *out++ = ':';
    out = AppendTwoDigits(out, whole / 60 % 60);
    *out++ = ':';
    out = AppendTwoDigits(out, whole % 60);
    *out++ = '.';
    return AppendTwoDigits(out, hundredths);
}

// The digits of "%.3f" for the values a bitrate takes. v × 1000 is exact in a
// long double of 64 significant bits (53 + 10), so rounding that product to an
// integer, half to even as printf rounds exact ties, gives printf's digits
// without a general conversion. Elsewhere to_chars does the work.
constexpr bool kLongDoubleHoldsProduct = std::numeric_limits<long double>::digits >= 63;
constexpr long double kThousandths = 1000.0L;
constexpr long double kLargestExactProduct = 9.0e18L; // below 2^63
constexpr uint64_t kThousand = 1000;

char* AppendFixed3(char* out, char* end, double value)
{
    if (kLongDoubleHoldsProduct && value >= 0.0 && value * kThousandths < kLargestExactProduct) {
        const long double product = value * kThousandths;
        auto thousandths = static_cast<uint64_t>(product);
        const long double fraction = product - static_cast<long double>(thousandths);
        if (fraction > 0.5L || (fraction == 0.5L && (thousandths & 1u) != 0))
            ++thousandths;
        out = AppendUnsigned(out, thousandths / kThousand);
        *out++ = '.';
        auto decimals = static_cast<unsigned>(thousandths % kThousand);
        for (int i = kBitrateDecimals - 1; i >= 0; --i, decimals /= kDecimalBase)
            out[i] = static_cast<char>('0' + decimals % kDecimalBase);
        return out + kBitrateDecimals;
    }
    return std::to_chars(out, end, value, std::chars_format::fixed, kBitrateDecimals).ptr;
}

// "%14.3f": right-aligned in 14 characters, longer numbers are not cut.
char* AppendBitrate(char* out, char* end, double kbps)
{
    char digits[400];
    const auto length = static_cast<size_t>(AppendFixed3(digits, digits + sizeof digits, kbps) - digits);
    const size_t pad = length < kBitrateWidth ? kBitrateWidth - length : 0;
    if (pad + length > static_cast<size_t>(end - out))
        return out;
    std::memset(out, ' ', pad);
    std::memcpy(out + pad, digits, length);
    return out + pad + length;
}

} // namespace

float FrameDuration(double framesPerSecond)
{
    if (framesPerSecond == 0.0)
        return 0.0f;
    return static_cast<float>(1.0 / framesPerSecond);
}

ReportLineFormatter::ReportLineFormatter(float frameDuration, const ReportSettings& settings)
    : m_frameDuration(frameDuration), m_unitDivisor(settings.unitDivisor), m_averageMode(settings.averageMode)
{
}

std::string_view ReportLineFormatter::Format(uint32_t first, uint32_t last, uint64_t byteTotal)
{
    const uint32_t frames = last - first + 1;
    const double duration = m_frameDuration;
    // The end time of one line and the start time of the next are the same product.
    const double startTime = first * duration;
    const double endTime = (static_cast<double>(last) + 1.0) * duration;
    // A short last group is averaged over the frames it holds.
    const uint64_t sizeValue = m_averageMode ? byteTotal / frames : byteTotal;

    char* out = m_buffer.data();
    char* const end = out + m_buffer.size();
    out = AppendUnsigned(out, first);
    *out++ = '\t';
    out = AppendUnsigned(out, last);
    *out++ = '\t';
    out = AppendTime(out, startTime);
    *out++ = '\t';
    out = AppendTime(out, endTime);
    *out++ = '\t';
    if (m_frameDuration == 0.0f) {
        // No rate, no bitrate: a dash where the number would stand.
        std::memset(out, ' ', kBitrateWidth - 1);
        out += kBitrateWidth - 1;
        *out++ = '-';
    } else {
        out = AppendBitrate(out, end, static_cast<double>(byteTotal) / (frames * duration) * kBytesPerSecondToKbps);
    }
    *out++ = '\t';
    out = AppendUnsigned(out, sizeValue / m_unitDivisor);
    *out++ = '\n';
    return {m_buffer.data(), static_cast<size_t>(out - m_buffer.data())};
}
