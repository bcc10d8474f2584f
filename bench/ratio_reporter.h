#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kl::bench {

// Prints the usual console report, then each case as a multiple of its baseline, both measured in
// this run (the fastest repetition of each), so the figures hold on a noisy machine.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    // Each pair: (case name, baseline name), as registered.
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> ratios)
        : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    std::vector<std::pair<std::string, std::string>> ratios_;
    std::map<std::string, double> seconds_per_iteration_;
};

// Runs the registered benchmarks with the ratio report; returns the process exit code.
int run_with_ratios(int argc, char** argv, std::vector<std::pair<std::string, std::string>> ratios);

}  // namespace kl::bench
