#include "report/FrameReport.h"

#include "platform/file/FileException.h"
#include "platform/file/StdioFile.h"
#include "report/ReportLine.h"

namespace {

constexpr const char* kHeaderLine =
    "開始フレーム\t終了フレーム\t開始時間\t終了時間\t瞬間ビットレート(kbps)\tフレームサイズ\n";

// One pass over the frames, one line per group of N; the last group may be
// short. False when a frame cannot be read: its open group gets no line.
bool WriteReportLines(CStdioFile& file, const CAviStream& avi, uint32_t frameCount,
                      const ReportSettings& settings, float frameDuration)
{
    ReportLineFormatter formatter(frameDuration, settings);
    const auto groupSize = static_cast<uint32_t>(settings.groupFrameCount);
    uint32_t groupStart = 0;
    uint32_t framesInGroup = 0;
    uint64_t groupBytes = 0;
    for (uint32_t frame = 0; frame < frameCount; ++frame) {
        if (framesInGroup == 0) {
            groupStart = frame;
            groupBytes = 0;
        }
        FRAMEINFO info;
        if (!avi.GetFrameInfo(static_cast<LONG>(frame), info))
            return false;
        groupBytes += static_cast<uint32_t>(info.lBytes);
        if (++framesInGroup >= groupSize) {
            file.WriteString(formatter.Format(groupStart, frame, groupBytes));
            framesInGroup = 0;
        }
    }
    if (framesInGroup != 0)
        file.WriteString(formatter.Format(groupStart, frameCount - 1, groupBytes));
    return true;
}

} // namespace

ExportOutcome ExportFrameReport(CStdioFile& file, const CAviStream& avi,
                                const std::function<ReportSettings()>& readSettings)
{
    file.WriteString(kHeaderLine);
    // A negative count from the reader means there is nothing to export.
    const LONG length = avi.GetLength();
    const uint32_t frameCount = length > 0 ? static_cast<uint32_t>(length) : 0;
    const ReportSettings settings = readSettings();
    const float frameDuration = FrameDuration(avi.GetFrameRate());

    bool allRead = false;
    try {
        allRead = WriteReportLines(file, avi, frameCount, settings, frameDuration);
    } catch (const CException& error) {
        file.Close();
        return {ExportResult::PassFailed, error.GetErrorMessage()};
    }
    file.Close();
    return {allRead ? ExportResult::Completed : ExportResult::ReadFailed, {}};
}
