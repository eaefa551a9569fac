#pragma once
// Runs the registered benchmarks with the console reporter and keeps each one's time per
// iteration, so that a program can print ratios between them after the run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <sys/resource.h>

namespace ovbench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_seconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    // Seconds per iteration of the benchmark of that name (0 when it did not run).
    double Seconds(const std::string& name) const {
        auto found = m_seconds.find(name);
        return found == m_seconds.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

// Peak resident memory of this process so far, in MiB.
inline double PeakMemoryMiB() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace ovbench
