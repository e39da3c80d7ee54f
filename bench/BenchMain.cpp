// Runs the benchmarks, then prints how far report writing stands from its
// baseline: the CPU time per report over the CPU time to write the same lines
// ready formatted (CPU time, as wall time swings with whatever else runs).
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
                m_cpuTime[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* n : kGroupSizes) {
            const auto report = m_cpuTime.find(std::string("WriteReport/") + n);
            const auto baseline = m_cpuTime.find(std::string("WriteBaseline/") + n);
            if (report == m_cpuTime.end() || baseline == m_cpuTime.end() || baseline->second <= 0)
                continue;
            std::printf("report writing, N = %s: %.2f x the baseline\n", n, report->second / baseline->second);
        }
    }

private:
    std::map<std::string, double> m_cpuTime;
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
