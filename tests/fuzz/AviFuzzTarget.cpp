// libFuzzer entry: any bytes are opened as an AVI file and, when they open,
// every frame is walked as the report export walks it, the lines formatted and
// written to /dev/null. The bytes go to a memory file, so no disk is touched.
#include "platform/file/FileException.h"
#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"
#include "video/AviStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// One memory file for the whole run, rewritten for every input.
class MemoryFile {
public:
    MemoryFile() : m_fd(::memfd_create("quorvel-fuzz", MFD_CLOEXEC))
    {
        if (m_fd < 0)
            std::abort();
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }

    const std::string& Fill(const uint8_t* data, size_t size)
    {
        if (::ftruncate(m_fd, 0) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(m_fd, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<size_t>(n);
        }
        return m_path;
    }

private:
    int m_fd;
    std::string m_path;
};

// The settings follow the input's last byte, so grouping and averaging are
// explored too without a second input format.
ReportSettings SettingsFor(const uint8_t* data, size_t size)
{
    constexpr uint32_t kDivisors[] = {1, 1000, 1000000};
    constexpr int32_t kGroupSizes[] = {1, 3, 25, 0x7FFFFFFF};
    constexpr uint8_t kAverageBit = 0x80;
    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    ReportSettings settings;
    settings.unitDivisor = kDivisors[pick % std::size(kDivisors)];
    settings.groupFrameCount = kGroupSizes[pick / std::size(kDivisors) % std::size(kGroupSizes)];
    settings.averageMode = (pick & kAverageBit) != 0;
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static MemoryFile memoryFile;
    const std::string& path = memoryFile.Fill(data, size);

    CAviStream avi;
    if (!avi.Open(path.c_str()))
        return 0;
    // The picture size and rate come from headers alone; asking must not trip.
    (void)avi.GetWidth();
    (void)avi.GetHeight();
    (void)avi.GetFrameRate();

    CStdioFile report;
    if (!report.Open("/dev/null"))
        std::abort();
    const ReportSettings settings = SettingsFor(data, size);
    try {
        (void)ExportFrameReport(report, avi, [&] { return settings; });
    } catch (const CException&) {
        std::abort(); // /dev/null takes everything: a write failure here is a fault
    }
    return 0;
}
