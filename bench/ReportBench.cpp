// Writing the report of an open file to /dev/null, one line per frame (N = 1)
// and one per 25 frames, against a baseline that writes the same data lines,
// formatted beforehand, through the same CStdioFile. Items are report lines.
#include "bench/BenchFiles.h"
#include "platform/file/StdioFile.h"
#include "report/FrameReport.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr const char* kDiscard = "/dev/null";

ReportSettings EveryN(int64_t n)
{
    ReportSettings settings;
    settings.groupFrameCount = static_cast<int32_t>(n);
    return settings;
}

int64_t LinesFor(int64_t n)
{
    return (kBenchFrames + n - 1) / n;
}

// False, with the benchmark marked as failed, when the file does not open.
bool OpenBenchStream(CAviStream& avi, benchmark::State& state)
{
    if (avi.Open(BenchAvi(AviIndexKind::OpenDml).c_str()))
        return true;
    state.SkipWithError("cannot open the benchmark file");
    return false;
}

// The report's data lines as the writer hands them to WriteString: read back
// from a report written once, CR LF turned back into LF.
std::vector<std::string> FormattedLines(const CAviStream& avi, int64_t n)
{
    const std::filesystem::path path = TestTempPath("baseline-" + std::to_string(n) + ".txt");
    {
        CStdioFile file;
        if (!file.Open(path.string()))
            return {};
        ExportFrameReport(file, avi, [n] { return EveryN(n); });
    }
    std::ifstream in(path, std::ios::binary);
    const std::string report{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> lines;
    const std::string crlf = "\r\n";
    size_t begin = report.find(crlf) + crlf.size(); // past the header
    for (size_t end; (end = report.find(crlf, begin)) != std::string::npos; begin = end + crlf.size())
        lines.push_back(report.substr(begin, end - begin) + "\n");
    return lines;
}

void WriteReport(benchmark::State& state)
{
    CAviStream avi;
    if (!OpenBenchStream(avi, state))
        return;
    const int64_t n = state.range(0);
    for (auto _ : state) {
        CStdioFile file;
        if (!file.Open(kDiscard) ||
            ExportFrameReport(file, avi, [n] { return EveryN(n); }).result != ExportResult::Completed) {
            state.SkipWithError("the report was not written");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * LinesFor(n));
}

void WriteBaseline(benchmark::State& state)
{
    CAviStream avi;
    if (!OpenBenchStream(avi, state))
        return;
    const int64_t n = state.range(0);
    const std::vector<std::string> lines = FormattedLines(avi, n);
    if (static_cast<int64_t>(lines.size()) != LinesFor(n)) {
        state.SkipWithError("the baseline lines were not made");
        return;
    }
    for (auto _ : state) {
        CStdioFile file;
        if (!file.Open(kDiscard)) {
            state.SkipWithError("cannot open /dev/null");
            break;
        }
        for (const std::string& line : lines)
            file.WriteString(line);
        file.Close();
    }
    state.SetItemsProcessed(state.iterations() * LinesFor(n));
}

BENCHMARK(WriteReport)->Arg(1)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteBaseline)->Arg(1)->Arg(25)->Unit(benchmark::kMillisecond);

} // namespace
