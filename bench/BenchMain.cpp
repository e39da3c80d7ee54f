// Runs the benchmarks, then prints how far report writing stands from its
// baseline: the time per report over the time to write the same lines ready
// formatted.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr const char* kGroupSizes[] = {"1", "25"};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                m_realTime[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* n : kGroupSizes) {
            const auto report = m_realTime.find(std::string("WriteReport/") + n);
            const auto baseline = m_realTime.find(std::string("WriteBaseline/") + n);
            if (report == m_realTime.end() || baseline == m_realTime.end() || baseline->second <= 0)
                continue;
            std::printf("report writing, N = %s: %.2f x the baseline\n", n, report->second / baseline->second);
        }
    }

private:
    std::map<std::string, double> m_realTime;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
