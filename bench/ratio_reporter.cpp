#include "ratio_reporter.h"

#include <cstdio>

namespace kl::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.iterations == 0 || run.run_type != Run::RT_Iteration) {
            continue;
        }
        // The fastest repetition is the one least disturbed by the rest of the machine.
        const std::string name = run.run_name.function_name;
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto known = seconds_per_iteration_.find(name);
        if (known == seconds_per_iteration_.end() || seconds < known->second) {
            seconds_per_iteration_[name] = seconds;
        }
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %-40s %8s %10s\n", "case", "baseline", "ratio", "ms");
    for (const auto& [name, baseline] : ratios_) {
        const auto measured = seconds_per_iteration_.find(name);
        const auto base = seconds_per_iteration_.find(baseline);
        if (measured == seconds_per_iteration_.end() || base == seconds_per_iteration_.end() ||
            base->second <= 0) {
            continue;
        }
        std::printf("%-40s %-40s %8.2f %10.2f\n", name.c_str(), baseline.c_str(),
                    measured->second / base->second, measured->second * 1000);
    }
}

int run_with_ratios(int argc, char** argv, std::vector<std::pair<std::string, std::string>> ratios) {
    // Several repetitions unless asked otherwise; ratios use the fastest of each.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    arguments.push_back(repetitions.data());
    argc = static_cast<int>(arguments.size());
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace kl::bench
