// Opening a file: the headers and the whole index are read and the frame table
// built. Items are frames, so items/s is frames indexed per second.
#include "bench/BenchFiles.h"
#include "video/AviStream.h"

#include <benchmark/benchmark.h>

namespace {

void OpenIndex(benchmark::State& state, AviIndexKind index)
{
    const std::filesystem::path& path = BenchAvi(index);
    for (auto _ : state) {
        CAviStream avi;
        if (!avi.Open(path.c_str()) || avi.GetLength() != static_cast<LONG>(kBenchFrames)) {
            state.SkipWithError("the benchmark file did not open as made");
            break;
        }
        benchmark::DoNotOptimize(avi.GetLength());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kBenchFrames);
}

BENCHMARK_CAPTURE(OpenIndex, Idx1, AviIndexKind::Idx1Relative)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenIndex, OpenDml, AviIndexKind::OpenDml)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenIndex, MoviScan, AviIndexKind::None)->Unit(benchmark::kMillisecond);

} // namespace
