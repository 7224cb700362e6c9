// Prints, after Google Benchmark's own lines, one table per workload: ns
// per sample and per term of every implementation (medians when the run
// has repetitions, CPU time) and how many times faster the kernel is than each.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace kelvaro::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Figures {
    double ns_per_sample;
    double ns_per_term;
  };
  // Benchmark names are "workload/implementation".
  std::map<std::string, std::map<std::string, Figures>> figures_;
  std::vector<std::string> workload_order_;
};

}  // namespace kelvaro::bench
