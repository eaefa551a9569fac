#pragma once
// Runs the registered benchmarks with the console reporter and keeps each one's time per
// iteration, so that a program can print ratios between them after the run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <sys/resource.h>

namespace ovbench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            double multiplier = benchmark::GetTimeUnitMultiplier(run.time_unit);
            KeepBest(m_seconds[NameOf(run)], run.GetAdjustedRealTime() / multiplier);
            KeepBest(m_cpuSeconds[NameOf(run)], run.GetAdjustedCPUTime() / multiplier);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Seconds per iteration of the benchmark of that name ("Name" or "Name/arg"), the best of
    // its repetitions, so that other work on the machine does not decide a ratio; 0 when it did
    // not run.
    double Seconds(const std::string& name) const { return Find(m_seconds, name); }
    double CpuSeconds(const std::string& name) const { return Find(m_cpuSeconds, name); }

private:
    static std::string NameOf(const Run& run) {
        const std::string& args = run.run_name.args;
        return run.run_name.function_name + (args.empty() ? "" : "/" + args);
    }
    static void KeepBest(double& best, double seconds) {
        best = best == 0 ? seconds : std::min(best, seconds);
    }
    static double Find(const std::map<std::string, double>& times, const std::string& name) {
        auto found = times.find(name);
        return found == times.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> m_seconds;
    std::map<std::string, double> m_cpuSeconds;
};

// Peak resident memory of this process so far, in MiB.
inline double PeakMemoryMiB() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace ovbench
